#pragma once

#include "screen/OleColor.h"

class QObject;
class QWidget;

namespace hestova::titlebar {

// The window-level work behind the title bar: moving the host, its border rings, its caption, its size limits.
namespace Module1 {

constexpr int FrameMargin = 4;  // the host's outer margin in pixels, standing in for the system frame

// Asks the window system to move the host's window with the mouse; false when it refuses (the caller then
// moves the window itself while the button is held).
bool DragForm(QObject *host);

// Three one-pixel rings on the host's outer edge (colour 1, colour 2, colour 1), a fourth in colour 1 when the
// host is sizable. Paints at once inside the host's paint; otherwise asks for a paint of the margin.
void DrawBorderRects(QObject *form, OleColor borderColor1, OleColor borderColor2);

// Takes the caption off the host's window (frameless; the geometry stays) and lets its margin resize it;
// a second call on the same window gives the caption back.
void RemoveCaption(QObject *form);

// Size limits of one window at a time (pixels of the outer size). The first window hooked keeps the slot
// until UnhookMinMax, or until it is destroyed.
void HookMinMax(QWidget *window, int minw, int minh, int maxw, int maxh);
void UnhookMinMax();
QWidget *hookedWindow();

}  // namespace Module1

}  // namespace hestova::titlebar
