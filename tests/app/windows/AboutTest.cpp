#include "WindowsFixture.h"

#include "common/Picture.h"
#include "forms/Twips.h"
#include "shell/UrlService.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QTest>

using namespace hestova::forms;

namespace {

class AboutBox : public ProgramWindows {
protected:
    About &openFromMainform()
    {
        Mainform &mainform = Forms::get<Mainform>();
        mainform.Show();
        mainform.关于_Click();
        return *Forms::find<About>();
    }

    static void moveOver(QWidget *widget, const QPoint &at)
    {
        QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &move);
    }
};

TEST_F(AboutBox, LoadDisablesTheMainWindowAndShowsOnlyTheCloseButton)
{
    About &about = openFromMainform();
    ASSERT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();
    EXPECT_FALSE(Forms::find<Mainform>()->isEnabled());
    auto &titleBar = about.UCtitlebar1();
    EXPECT_FALSE(titleBar.get("bMin").toBool());
    EXPECT_FALSE(titleBar.get("bMax").toBool());
    EXPECT_EQ(titleBar.get("Caption").toString(), QStringLiteral("标题栏"));
    EXPECT_FALSE(hestova::controls::Picture::hasImage(titleBar.get("ImageMinN")));
    EXPECT_TRUE(hestova::controls::Picture::hasImage(titleBar.get("ImageCloseN")));

    const int titleBarPixels = hestova::pixelsFromTwips(280);
    EXPECT_EQ(about.controlWidget(QStringLiteral("command2"))->y(), hestova::pixelsFromTwips(1920) + titleBarPixels);
    EXPECT_EQ(about.Picture1().y(), hestova::pixelsFromTwips(120) + titleBarPixels);
    // The labels keep their places inside the picture box.
    EXPECT_EQ(about.Label3().parentWidget(), &about.Picture1());
    EXPECT_EQ(Twips::top(&about.Label3()), 1260);
    EXPECT_EQ(about.findChild<QLabel *>(QStringLiteral("Label4"))->text(),
              QStringLiteral("    本软件用于医院医疗服务满意度调查统计。"));
    EXPECT_EQ(about.control(QStringLiteral("command2")).get("Caption").toString(), QStringLiteral("确    定"));
    EXPECT_EQ(about.control(QStringLiteral("command2")).get("Persent").toInt(), 35);
}

TEST_F(AboutBox, OkButtonUnloadsItAndEnablesTheMainWindow)
{
    About &about = openFromMainform();
    QWidget *ok = about.controlWidget(QStringLiteral("command2"));
    QTest::mouseClick(ok, Qt::LeftButton, {}, ok->rect().center());
    EXPECT_FALSE(Forms::isLoaded<About>());
    EXPECT_TRUE(Forms::find<Mainform>()->isEnabled());
    EXPECT_EQ(quits, 0);
}

TEST_F(AboutBox, TitleBarCloseButtonAlsoEnablesTheMainWindow)
{
    About &about = openFromMainform();
    QWidget *titleBar = about.controlWidget(QStringLiteral("UCtitlebar1"));
    // The close button is the right-most picture area of the title bar: 4 pixels from its right edge.
    const QPoint close(titleBar->width() - 4 - 7, titleBar->height() / 2);
    QWidget *closeButton = titleBar->childAt(close);
    ASSERT_NE(closeButton, nullptr);
    QTest::mouseClick(closeButton, Qt::LeftButton);
    QCoreApplication::processEvents();  // the bar unloads its window once the click is over
    EXPECT_FALSE(Forms::isLoaded<About>());
    EXPECT_TRUE(Forms::find<Mainform>()->isEnabled());
}

TEST_F(AboutBox, LinkTurnsRedOverItselfAndBlueOverThePictureBox)
{
    About &about = openFromMainform();
    EXPECT_EQ(about.linkColour(), About::LinkColour);
    moveOver(&about.Label3(), QPoint(5, 5));
    EXPECT_EQ(about.linkColour(), 0x0000FFu);
    EXPECT_EQ(about.Label3().palette().color(QPalette::WindowText), QColor(255, 0, 0));
    moveOver(&about.Label3(), QPoint(6, 6));
    EXPECT_EQ(about.linkColour(), 0x0000FFu);
    moveOver(&about.Picture1(), QPoint(2, 2));
    EXPECT_EQ(about.linkColour(), 0xFF0000u);
    EXPECT_EQ(about.Label3().palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(AboutBox, LinkOpensTheMakersPageAndAFailureLeavesTheBoxAsItIs)
{
    About &about = openFromMainform();
    {
        hestova::UrlRecorder opened;
        QTest::mouseClick(&about.Label3(), Qt::LeftButton, {}, QPoint(5, 5));
        EXPECT_EQ(opened.opened(), QStringList{About::makerAddress()});
    }
    hestova::UrlRecorder failing(false);
    QTest::mouseClick(&about.Label3(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(failing.opened().size(), 1);
    EXPECT_TRUE(Forms::isLoaded<About>());
    EXPECT_TRUE(about.isVisible());
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(AboutBox, OpensWithoutAMainWindow)
{
    About &about = Forms::get<About>();
    about.Show();
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();
    about.command2_Click();
    EXPECT_FALSE(Forms::isLoaded<About>());
}

}  // namespace
