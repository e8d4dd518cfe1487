#include "ButtonTestSupport.h"

#include "common/Picture.h"
#include "common/PropertyBag.h"

#include <QApplication>
#include <QCursor>
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

void PluginButtonTest::SetUp()
{
    folder.copyControls();
    loader = std::make_unique<hestova::controls::ControlLoader>(folder.file(QStringLiteral("controls")));
    host = new QWidget;
    host->resize(300, 120);
    button = loader->createControl(QStringLiteral("Tobrel.qeTobrel"), host);
    ASSERT_NE(button, nullptr);
    bound = std::make_unique<hestova::controls::LateBound>(button);
    persistent()->ReadProperties(hestova::controls::PropertyBag());
    button->setGeometry(10, 10, 100, 25);
    bound->set("ColorPnormal", Red);
    bound->set("ColorTnormal", Green);
    bound->set("ColorPmove", Yellow);
    bound->set("ColorTmove", Cyan);
    bound->set("ColorPdown", Magenta);
    bound->set("ColorTdown", Grey);
    bound->set("BorderStyleMove", 0);
    bound->set("BorderStyleDown", 0);
    bound->connectEvent("Click", &counter, [this](const QVariantList &) { ++clicks; });
    QCursor::setPos(button->mapToGlobal(QPoint(50, 10)));  // over the button, no move delivered to it
    host->show();
    QApplication::setActiveWindow(host);  // the button captures the mouse only in the active window
}

void PluginButtonTest::TearDown()
{
    if (QWidget::mouseGrabber())
        QWidget::mouseGrabber()->releaseMouse();
    delete host;
}

void PluginButtonTest::pointAt(const QPoint &at)
{
    QCursor::setPos(button->mapToGlobal(at));
    QCoreApplication::processEvents();
}

}  // namespace buttontest
