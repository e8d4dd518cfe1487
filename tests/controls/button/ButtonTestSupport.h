#pragma once

#include "TempAppFolder.h"

#include "common/ControlLoader.h"
#include "common/LateBound.h"
#include "common/PropertyBag.h"
#include "common/UserControl.h"
#include "screen/OleColor.h"

#include <QApplication>
#include <QColor>
#include <QCursor>
#include <QEvent>
#include <QImage>
#include <QPoint>
#include <QPointer>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

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

using hestova::OleColor;
constexpr OleColor Red = 0x0000FF, Green = 0x00FF00, Yellow = 0x00FFFF, Cyan = 0xFFFF00;
constexpr OleColor Magenta = 0xFF00FF, Grey = 0x404040;

// A button created by ProgID from the plugin in a shown, active host, in one colour per area and look, with the
// pointer over it; its Clicks are counted.
class PluginButtonTest : public ::testing::Test {
protected:
    void SetUp() override
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
        for (const auto &[name, colour] : {std::pair{"ColorPnormal", Red}, {"ColorTnormal", Green}, {"ColorPmove", Yellow},
                                           {"ColorTmove", Cyan}, {"ColorPdown", Magenta}, {"ColorTdown", Grey}})
            bound->set(name, colour);
        bound->set("BorderStyleMove", 0);
        bound->set("BorderStyleDown", 0);
        bound->connectEvent("Click", &counter, [this](const QVariantList &) { ++clicks; });
        QCursor::setPos(button->mapToGlobal(QPoint(50, 10)));  // over the button, no move delivered to it
        host->show();
        QApplication::setActiveWindow(host);
    }

    void TearDown() override { delete host; }

    hestova::controls::PersistentControl *persistent() { return qobject_cast<hestova::controls::PersistentControl *>(button); }

    // Where the pointer is, at a point of the button (what a leave is checked against).
    void pointAt(const QPoint &at)
    {
        QCursor::setPos(button->mapToGlobal(at));
        QCoreApplication::processEvents();
    }

    QColor textArea() { return shown(button).pixelColor(60, 12); }
    QColor pictureArea() { return shown(button).pixelColor(10, 12); }

    TempAppFolder folder;
    std::unique_ptr<hestova::controls::ControlLoader> loader;
    QPointer<QWidget> host;
    QWidget *button = nullptr;
    std::unique_ptr<hestova::controls::LateBound> bound;
    QObject counter;
    int clicks = 0;
};

}  // namespace buttontest
