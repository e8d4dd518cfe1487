// The button under a real X server, which sends each click to the window under the pointer unless a grab holds it.
#include "ButtonTestSupport.h"

#include <QMouseEvent>
#include <QTest>
#include <functional>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

using namespace buttontest;

namespace {

// The X server's own pointer, moved and clicked as by the user.
Display *server()
{
    static Display *display = XOpenDisplay(nullptr);
    return display;
}

void movePointer(const QPoint &global)
{
    XTestFakeMotionEvent(server(), -1, global.x(), global.y(), CurrentTime);
    XSync(server(), False);
}

void clickPointer()
{
    XTestFakeButtonEvent(server(), 1, True, CurrentTime);
    XTestFakeButtonEvent(server(), 1, False, CurrentTime);
    XSync(server(), False);
}

// Another program's window, or another copy's: it counts the presses that reach it.
class OtherWindow : public QWidget {
public:
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

// What the X server delivers later; a busy machine may take long.
bool eventually(const std::function<bool()> &condition)
{
    return QTest::qWaitFor(condition, 30000);
}

}  // namespace

TEST_F(PluginButtonTest, AClickAimedAtAWindowLyingOverTheButtonReachesThatWindow)
{
    ASSERT_NE(server(), nullptr);
    host->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host));
    // The pointer moves onto the button, each time to a new place: Qt drops a move to where it last saw it.
    int column = 40;
    const auto hover = [&] {
        movePointer(button->mapToGlobal(QPoint(++column, 10)));
        ASSERT_TRUE(eventually([this] { return textArea() == plain(Cyan); }));
    };
    hover();

    // It leaves through the row below the button, which counts as inside but is the host's.
    movePointer(button->mapToGlobal(QPoint(50, 25)));
    EXPECT_TRUE(eventually([this] { return textArea() == plain(Green); }));

    // Shown over the resting pointer without the activation (a notification), then with it.
    for (const bool activated : {false, true}) {
        hover();
        OtherWindow other;
        other.setAttribute(Qt::WA_ShowWithoutActivating, !activated);
        other.setGeometry(QRect(button->mapToGlobal(QPoint(0, 0)), QSize(200, 80)));
        other.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
        if (activated) {
            other.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
        }
        clickPointer();
        ASSERT_TRUE(eventually([&other] { return other.presses == 1; }));
        EXPECT_EQ(clicks, 0) << "activated: " << activated;
        EXPECT_EQ(textArea(), plain(Green)) << "activated: " << activated;
        other.hide();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host));
    }
}
