#include "forms/Handler.h"
#include "core/AppError.h"

#include "forms/MessageBox.h"

namespace hestova::forms {

namespace {
using hestova::ErrorNumber::InternalError;
}

bool RunHandler(const std::function<void()> &handler)
{
    return RunHandler(handler, [](const hestova::AppError &error) { ReportError(error); });
}

bool RunHandler(const std::function<void()> &handler, const std::function<void(const hestova::AppError &)> &report)
{
    try {
        handler();
        return true;
    } catch (const hestova::AppError &error) {
        report(error);
    } catch (const std::exception &error) {
        // Not one of ours: still reported, never allowed to unwind through the event loop.
        report(hestova::AppError(InternalError, QString::fromLocal8Bit(error.what())));
    }
    return false;
}

}  // namespace hestova::forms
