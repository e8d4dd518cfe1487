#include "TestHostWindow.h"

#include "FrameResizer.h"
#include "Module1.h"
#include "UCtitlebar.h"

#include <QImage>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using namespace hestova::titlebar;

namespace {

const QColor Colour1(0x00, 0x80, 0xB0);  // 0xB08000
const QColor Colour2(0xFF, 0xFF, 0xFF);

// Frees the size-limit slot whatever a test left behind.
struct FreeSlot {
    ~FreeSlot() { Module1::UnhookMinMax(); }
};

}  // namespace

TEST(WindowHooks, SizableHostGetsFourRingsOthersThree)
{
    TestHostWindow host;
    auto *bar = new UCtitlebar;
    host.attachBar(bar);
    host.setAutoFillBackground(true);
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, Qt::black);
    host.setPalette(palette);

    QImage shot = host.grab().toImage();
    const int w = host.width(), h = host.height();
    for (const QPoint &p : {QPoint(0, 50), QPoint(w - 1, 50), QPoint(50, 0), QPoint(50, h - 1)})
        EXPECT_EQ(shot.pixelColor(p), Colour1) << p.x() << "," << p.y();
    EXPECT_EQ(shot.pixelColor(1, 50), Colour2);
    EXPECT_EQ(shot.pixelColor(w - 2, h - 2), Colour2);
    EXPECT_EQ(shot.pixelColor(2, 50), Colour1);
    EXPECT_EQ(shot.pixelColor(3, 50), Colour1);
    EXPECT_EQ(shot.pixelColor(w - 4, h - 4), Colour1);
    EXPECT_EQ(shot.pixelColor(4, 50), QColor(Qt::black));

    host.borderStyle = 1;
    shot = host.grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 50), Colour1);
    EXPECT_EQ(shot.pixelColor(3, 50), QColor(Qt::black));
    EXPECT_EQ(shot.pixelColor(w - 4, h - 4), QColor(Qt::black));

    // Colours as the window passes them, system colours translated.
    host.borderColor1 = 0x0000FF;
    host.borderColor2 = 0x80000012;
    shot = host.grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(1, 1), QColor(Qt::black));
}

TEST(WindowHooks, ConvertTakesTheCaptionAndASecondCallGivesItBack)
{
    QWidget window;
    window.resize(300, 200);
    window.show();
    auto *bar = new UCtitlebar(&window);
    bar->Convert(&window);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(bar->frm(), &window);
    EXPECT_EQ(bar->width(), 300);

    bar->Convert(&window);
    EXPECT_FALSE(window.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(window.size(), QSize(300, 200));
    EXPECT_TRUE(window.isVisible());
}

TEST(WindowHooks, MarginResizesASizableWindow)
{
    TestHostWindow host;
    host.attachBar(new UCtitlebar);
    host.move(100, 100);
    host.show();
    EXPECT_EQ(FrameResizer::edgesAt(&host, QPoint(1, 1)), Qt::LeftEdge | Qt::TopEdge);
    EXPECT_EQ(FrameResizer::edgesAt(&host, QPoint(319, 100)), Qt::RightEdge);
    EXPECT_EQ(FrameResizer::edgesAt(&host, QPoint(100, 100)), Qt::Edges());

    QTest::mousePress(&host, Qt::LeftButton, {}, QPoint(318, 198));
    QTest::mouseMove(&host, QPoint(348, 218));
    QTest::mouseRelease(&host, Qt::LeftButton, {}, QPoint(348, 218));
    EXPECT_EQ(host.size(), QSize(350, 220));
    EXPECT_EQ(host.pos(), QPoint(100, 100));
}

TEST(WindowHooks, SizeLimitFirstHookWinsUntilFreed)
{
    FreeSlot freeSlot;
    TestHostWindow picker;
    TestHostWindow other;
    UCtitlebar bar;
    bar.MaxMin(&picker, 315, 200, 315, 350);
    EXPECT_EQ(Module1::hookedWindow(), &picker);
    EXPECT_EQ(picker.minimumSize(), QSize(315, 200));
    EXPECT_EQ(picker.maximumSize(), QSize(315, 350));
    picker.resize(600, 100);
    EXPECT_EQ(picker.size(), QSize(315, 200));
    picker.resize(100, 900);
    EXPECT_EQ(picker.size(), QSize(315, 350));

    // A second hook, of the same or another window, keeps the first limits.
    bar.MaxMin(&picker, 10, 10, 1000, 1000);
    bar.MaxMin(&other, 10, 10, 50, 50);
    EXPECT_EQ(Module1::hookedWindow(), &picker);
    EXPECT_EQ(picker.maximumSize(), QSize(315, 350));
    EXPECT_EQ(other.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));

    // Any control frees it; then another window can hook.
    UCtitlebar elsewhere;
    elsewhere.FreeMaxMin();
    EXPECT_EQ(Module1::hookedWindow(), nullptr);
    EXPECT_EQ(picker.maximumSize(), QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
    elsewhere.FreeMaxMin();  // nothing hooked: nothing happens
    bar.MaxMin(&other, 10, 10, 50, 50);
    EXPECT_EQ(Module1::hookedWindow(), &other);
}

TEST(WindowHooks, DestroyedWindowGivesUpTheSizeLimit)
{
    FreeSlot freeSlot;
    UCtitlebar bar;
    {
        auto picker = std::make_unique<TestHostWindow>();
        bar.MaxMin(picker.get(), 315, 200, 315, 350);
        EXPECT_EQ(Module1::hookedWindow(), picker.get());
    }  // destroyed without FreeMaxMin
    EXPECT_EQ(Module1::hookedWindow(), nullptr);
    TestHostWindow next;
    bar.MaxMin(&next, 100, 100, 400, 400);
    EXPECT_EQ(Module1::hookedWindow(), &next);
    EXPECT_EQ(next.maximumSize(), QSize(400, 400));
}
