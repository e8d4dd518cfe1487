#pragma once

#include <QVariant>

class QWidget;

namespace hestova::quillon {

class CQuillon;

// The engines of the library: one per host window.
namespace MenuEngines {

// Stores engine as the window's engine; an engine the window had before is unhooked and deleted first.
void SetMenuEngine(QWidget *host, CQuillon *engine);
// The window's engine, or nullptr.
CQuillon *GetMenuEngine(const QWidget *host);
// Unhooks and deletes the window's engine; false when it had none.
bool ClearMenuEngine(QWidget *host);

// The window a handle names: the window object itself, or its native window id.
QWidget *windowOf(const QVariant &wndHandle);

}  // namespace MenuEngines

}  // namespace hestova::quillon
