#pragma once

#include <QRect>

class QObject;
class QWidget;

namespace hestova::titlebar {

// The host window as the title bar reaches it: by the host's own properties and methods when it has them
// (WindowState, BorderStyle, ScaleWidth, ScaleHeight, Unload), else by the plain widget's equivalents.
namespace HostWindow {

constexpr int Normal = 0;
constexpr int Minimized = 1;
constexpr int Maximized = 2;
constexpr int Sizable = 2;

QWidget *widget(QObject *host);   // the host as a widget; nullptr when it is none
QWidget *window(QObject *host);   // its top-level window

int windowState(QObject *host);
void setWindowState(QObject *host, int state);
int borderStyle(QObject *host);
int scaleWidth(QObject *host);    // client area, twips
int scaleHeight(QObject *host);
QRect clientRect(QObject *host);  // client area in the host widget's pixels
void unload(QObject *host);

}  // namespace HostWindow

}  // namespace hestova::titlebar
