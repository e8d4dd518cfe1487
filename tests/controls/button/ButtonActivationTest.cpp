// The button's capture under a real X server, where a pointer grab takes every click on the screen.
#include "ButtonTestSupport.h"

#include <QTest>

using namespace buttontest;

TEST_F(PluginButtonTest, AWindowActivatedOverTheButtonTakesTheMouseFromIt)
{
    const auto activate = [](QWidget *window) { window->activateWindow(); return QTest::qWaitForWindowActive(window); };
    ASSERT_TRUE(activate(host));
    move(button, QPoint(50, 10));
    ASSERT_EQ(QWidget::mouseGrabber(), button);

    QWidget other;  // another program's window, or another of the program's own
    other.setGeometry(host->geometry());
    other.show();
    ASSERT_TRUE(activate(&other));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
    EXPECT_EQ(textArea(), plain(Green));

    // Moves reach a window that is not active: the button lights without taking the mouse.
    move(button, QPoint(150, 10));
    move(button, QPoint(50, 10));
    EXPECT_EQ(textArea(), plain(Cyan));
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);

    ASSERT_TRUE(activate(host));
    move(button, QPoint(51, 10));
    EXPECT_EQ(QWidget::mouseGrabber(), button);
}
