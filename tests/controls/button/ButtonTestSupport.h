#pragma once

#include "screen/OleColor.h"

#include <QColor>
#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QWidget>

class QObject;

namespace buttontest {

// 0x00BBGGRR as the button paints it.
QColor plain(hestova::OleColor value);

// What the control shows now.
QImage shown(QWidget *control);

// A solid bitmap picture of the given colour.
QVariant solidBitmap(int width, int height, const QColor &colour);

// Sends a synthetic mouse event to the control at a point of its own coordinates.
void sendMouse(QWidget *control, QEvent::Type type, const QPoint &at, Qt::MouseButton button);
void move(QWidget *control, const QPoint &at);
void press(QWidget *control, const QPoint &at, Qt::MouseButton button = Qt::LeftButton);
void release(QWidget *control, const QPoint &at, Qt::MouseButton button = Qt::LeftButton);

}  // namespace buttontest
