// The button under a real X server, which sends each click to the window under the pointer unless a grab holds it.
#include "ButtonTestSupport.h"

#include <QMouseEvent>
#include <QTest>
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

using namespace buttontest;

namespace {

// The X server's own pointer, moved and maybe clicked as by the user.
bool pointerTo(const QPoint &global, bool click = false)
{
    static Display *server = XOpenDisplay(nullptr);
    if (!server)
        return false;
    XTestFakeMotionEvent(server, -1, global.x(), global.y(), CurrentTime);
    if (click) {
        XTestFakeButtonEvent(server, 1, True, CurrentTime);
        XTestFakeButtonEvent(server, 1, False, CurrentTime);
    }
    return XSync(server, False);
}

// Another program's window, or another copy's: it counts the presses that reach it.
struct OtherWindow : QWidget {
    int presses = 0;
    void mousePressEvent(QMouseEvent *) override { ++presses; }
};

constexpr int serverDelivers = 30000;  // ms that a busy machine may take to deliver what the X server sends

}  // namespace

TEST_F(PluginButtonTest, AClickAimedAtAWindowLyingOverTheButtonReachesThatWindow)
{
    host->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(host));
    // The pointer moves onto the button, each time to a new place: Qt drops a move to where it last saw it.
    int column = 40;
    const auto hover = [&] {
        ASSERT_TRUE(pointerTo(button->mapToGlobal(QPoint(++column, 10))));
        ASSERT_TRUE(QTest::qWaitFor([this] { return textArea() == plain(Cyan); }, serverDelivers));
    };
    hover();

    // It leaves through the row below the button, which counts as inside but is the host's.
    pointerTo(button->mapToGlobal(QPoint(50, 25)));
    EXPECT_TRUE(QTest::qWaitFor([this] { return textArea() == plain(Green); }, serverDelivers));

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
        pointerTo(button->mapToGlobal(QPoint(column, 10)), true);
        ASSERT_TRUE(QTest::qWaitFor([&other] { return other.presses == 1; }, serverDelivers));
        EXPECT_EQ(clicks, 0) << "activated: " << activated;
        EXPECT_EQ(textArea(), plain(Green)) << "activated: " << activated;
        other.hide();
        host->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(host));
    }
}
