#include "ButtonTestSupport.h"

#include "common/Picture.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPixmap>

namespace buttontest {

QColor plain(hestova::OleColor value)
{
    return hestova::toQColor(value, false);
}

QImage shown(QWidget *control)
{
    return control->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

QVariant solidBitmap(int width, int height, const QColor &colour)
{
    QPixmap pixmap(width, height);
    pixmap.fill(colour);
    return hestova::controls::Picture::bitmap(pixmap);
}

void sendMouse(QWidget *control, QEvent::Type type, const QPoint &at, Qt::MouseButton button)
{
    const bool down = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick;
    const Qt::MouseButtons held = down ? Qt::MouseButtons(button) : Qt::NoButton;
    QMouseEvent event(type, QPointF(at), QPointF(control->mapToGlobal(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(control, &event);
}

void move(QWidget *control, const QPoint &at)
{
    sendMouse(control, QEvent::MouseMove, at, Qt::NoButton);
}

void press(QWidget *control, const QPoint &at, Qt::MouseButton button)
{
    sendMouse(control, QEvent::MouseButtonPress, at, button);
}

void release(QWidget *control, const QPoint &at, Qt::MouseButton button)
{
    sendMouse(control, QEvent::MouseButtonRelease, at, button);
}

}  // namespace buttontest
