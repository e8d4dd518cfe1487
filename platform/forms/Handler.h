#pragma once

#include "core/AppError.h"

#include <functional>

namespace hestova::forms {

// Runs one event handler. An error it raises is shown in the "错误" box and the handler is abandoned;
// the program keeps running. Gives false when the handler was abandoned.
bool RunHandler(const std::function<void()> &handler);

// The same with another report of the error (e.g. one that must wait until a paint is over).
bool RunHandler(const std::function<void()> &handler, const std::function<void(const hestova::AppError &)> &report);

}  // namespace hestova::forms
