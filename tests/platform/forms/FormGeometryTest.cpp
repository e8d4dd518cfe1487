#include "forms/Forms.h"
#include "forms/MessageBox.h"
#include "forms/Twips.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <gtest/gtest.h>

using namespace hestova::forms;

namespace {

class DesignedWindow : public Form {
public:
    DesignedWindow() : Form(QStringLiteral("TestWindow")), Label1(new QLabel(client()))
    {
        applyDesign(Label1, QStringLiteral("Label1"));
    }
    QLabel *Label1;
    int designedTop = -1;
    int resizes = 0;
    int paints = 0;
    bool failPaint = false;

protected:
    void Form_Load() override { designedTop = Label1->y(); }
    void Form_Resize() override { ++resizes; }
    void Form_Paint() override
    {
        ++paints;
        if (failPaint)
            throw hestova::AppError(53, QStringLiteral("文件未找到：\\skin\\Bkground.BMP"));
    }
};

class FormGeometry : public ::testing::Test {
protected:
    void SetUp() override { Forms::setQuitHook([] {}); }
    void TearDown() override
    {
        Forms::unload<DesignedWindow>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Forms::setQuitHook(nullptr);
    }
    ScriptedMessageBoxes boxes;
};

TEST(Twips, PixelsAreFifteenTwipsRoundedHalfToEven)
{
    EXPECT_EQ(hestova::pixelsFromTwips(280), 19);    // 18.67
    EXPECT_EQ(hestova::pixelsFromTwips(337.5), 22);  // 22.5 -> even
    EXPECT_EQ(hestova::pixelsFromTwips(352.5), 24);  // 23.5 -> even
    QWidget parent;
    QWidget child(&parent);
    Twips::move(&child, 120, 1800, 1575, 465);
    EXPECT_EQ(child.geometry(), QRect(8, 120, 105, 31));
    Twips::setTop(&child, Twips::top(&child) + 280);
    EXPECT_EQ(child.y(), 139);  // 2080 twips
}

TEST_F(FormGeometry, TheDesignedClientAreaSitsInAFrameWhoseCaptionTheWindowTakesOver)
{
    DesignedWindow &window = Forms::get<DesignedWindow>();
    EXPECT_EQ(window.Width(), 9045 + 120);
    EXPECT_EQ(window.Height(), 6285 + 405);
    EXPECT_EQ(window.ScaleWidth(), 9045);
    EXPECT_EQ(window.property("ScaleHeight").toInt(), 6285 + 285);
    EXPECT_EQ(window.client()->geometry(), QRect(4, 4, 603, 438));
    EXPECT_EQ(window.designedTop, 144);  // controls stand as designed before Form_Load runs
    EXPECT_EQ(window.Label1->geometry(), QRect(224, 144, 169, 25));

    window.Move(1500, 3000, 4725, 3150);
    EXPECT_EQ(window.geometry(), QRect(100, 200, 315, 210));
    EXPECT_EQ(window.ScaleWidth(), 4725 - 120);
}

TEST_F(FormGeometry, ShowIsModelessAndCentredAndResizingRunsTheResizeHandler)
{
    DesignedWindow &window = Forms::get<DesignedWindow>();
    window.Show();
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((window.frameGeometry().center() - area.center()).manhattanLength(), 2);

    const int before = window.resizes;
    window.setWidth(6000);
    EXPECT_EQ(window.resizes, before + 1);
    EXPECT_EQ(window.client()->width(), 400 - 8);
}

TEST_F(FormGeometry, AStateSetAtLoadSurvivesTheFirstShow)
{
    DesignedWindow &window = Forms::get<DesignedWindow>();
    window.setProperty("WindowState", vbMaximized);
    window.Show();
    QCoreApplication::processEvents();
    EXPECT_EQ(window.WindowState(), vbMaximized);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window.geometry(), area);  // filled by the window itself, with or without a window manager

    window.setWindowStateValue(vbNormal);
    EXPECT_EQ(window.WindowState(), vbNormal);
    EXPECT_EQ(window.size(), QSize(611, 446));  // the designed size, centred
    EXPECT_LE((window.geometry().center() - area.center()).manhattanLength(), 2);
    EXPECT_THROW(window.setWindowStateValue(7), hestova::AppError);
}

TEST_F(FormGeometry, AFailingPaintIsReportedOnceAfterThePaint)
{
    DesignedWindow &window = Forms::get<DesignedWindow>();
    window.failPaint = true;
    window.Show();
    window.grab();
    window.grab();
    EXPECT_GE(window.paints, 2);
    EXPECT_TRUE(boxes.boxes().isEmpty());  // never inside the paint itself
    QCoreApplication::processEvents();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("53：  文件未找到：\\skin\\Bkground.BMP"));
}

}  // namespace
