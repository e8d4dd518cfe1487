#include "host/SkinnedForm.h"

#include "TempAppFolder.h"
#include "common/Picture.h"
#include "core/AppError.h"
#include "forms/Forms.h"
#include "forms/MessageBox.h"
#include "forms/PopupMenu.h"
#include "forms/Twips.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <gtest/gtest.h>

using namespace hestova;
using namespace hestova::forms;
using hestova::host::SkinnedForm;

namespace {

// A window built like the program's: skinned at load, two buttons moved below the title bar, a label left in
// place, one pop-up menu under the first button.
class HostWindow : public SkinnedForm {
public:
    HostWindow() : SkinnedForm(QStringLiteral("HostWindow"))
    {
        auto *label = new QLabel(client());
        applyDesign(label, QStringLiteral("Label1"));
        QMenu *menu = createMenu(QStringLiteral("tools"), QStringLiteral("工具"));
        addMenuItem(menu, QStringLiteral("first"), QStringLiteral("第一项"), QKeySequence(QStringLiteral("Ctrl+A")),
                    [this] { ++firstChosen; });
        addMenuItem(menu, QStringLiteral("inert"), QStringLiteral("无动作"), QKeySequence(Qt::Key_F1), {});
        onClick(QStringLiteral("qeTobrel1"), [this, menu] { popupUnder(menu, QStringLiteral("qeTobrel1")); });
        onClick(QStringLiteral("qeTobrel2"), [] { throw AppError(91, QStringLiteral("对象变量未设置")); });
    }

    int firstChosen = 0;
    int mouseDowns = 0;
    bool aboutOrder = false;

protected:
    void Form_Load() override
    {
        const QStringList moved{QStringLiteral("qeTobrel1"), QStringLiteral("qeTobrel2")};
        if (aboutOrder)
            skinAboutWindow(host::WindowIcon, moved);
        else
            skinWindow(host::WindowIcon, moved);
    }
    void UCtitlebar1_MouseDown(short Button, short Shift, float x, float y) override
    {
        ++mouseDowns;
        SkinnedForm::UCtitlebar1_MouseDown(Button, Shift, x, y);
    }
};

// Loaded like the About box.
class AboutStyleWindow : public HostWindow {
public:
    AboutStyleWindow() { aboutOrder = true; }
};

class SkinnedWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.copyControls();
        folder.copySkin();
        Forms::setQuitHook([] {});
    }
    void TearDown() override
    {
        Forms::unload<HostWindow>();
        Forms::unload<AboutStyleWindow>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Forms::setQuitHook(nullptr);
    }

    static int topOf(SkinnedForm &window, const QString &name) { return Twips::top(window.controlWidget(name)); }

    TempAppFolder folder;
    ScriptedMessageBoxes boxes;
    ScriptedPopupMenus menus;
};

TEST_F(SkinnedWindow, LoadPlacesTheTitleBarAndMovesOnlyTheListedControls)
{
    HostWindow &window = Forms::get<HostWindow>();
    ASSERT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();

    auto &titleBar = window.UCtitlebar1();
    EXPECT_EQ(titleBar.get("Top").toInt(), 0);
    EXPECT_EQ(titleBar.get("Left").toInt(), 0);
    EXPECT_EQ(titleBar.get("Btnsize").toInt(), 15);
    EXPECT_EQ(titleBar.get("BackColor").toUInt(), 0x8080FFu);
    EXPECT_EQ(titleBar.get("Width").toInt(), window.ScaleWidth());
    EXPECT_EQ(titleBar.get("Caption").toString(), QStringLiteral("皮肤窗口"));
    const int titleBarPixels = pixelsFromTwips(280);
    EXPECT_EQ(window.controlWidget(QStringLiteral("UCtitlebar1"))->height(), titleBarPixels);

    // 280 twips lower: the title bar's height in whole pixels.
    EXPECT_EQ(window.controlWidget(QStringLiteral("qeTobrel1"))->y(), pixelsFromTwips(120) + titleBarPixels);
    EXPECT_EQ(window.controlWidget(QStringLiteral("qeTobrel2"))->y(), pixelsFromTwips(120) + titleBarPixels);
    EXPECT_EQ(topOf(window, QStringLiteral("Label1")), 1500);
    EXPECT_EQ(topOf(window, QStringLiteral("UCQuillon1")), 2490);

    EXPECT_EQ(window.BorderColor1, 0xB08000u);
    EXPECT_EQ(window.BorderColor2, 0xFFFFFFu);
    EXPECT_EQ(controls::Picture::kind(titleBar.get("ImageTitleN")), controls::Picture::Kind::Icon);
    for (const char *property : {"ImageCloseN", "ImageMinN", "ImageMaxN", "ImageRestoreN", "ImageCloseD",
                                 "ImageMinD", "ImageMaxD", "ImageRestoreD", "BGpic"})
        EXPECT_EQ(controls::Picture::kind(titleBar.get(property)), controls::Picture::Kind::Bitmap) << property;
    // Hover pictures are never set.
    EXPECT_FALSE(controls::Picture::hasImage(titleBar.get("ImageCloseF")));
    EXPECT_TRUE(titleBar.get("bMin").toBool());
    EXPECT_TRUE(titleBar.get("bMax").toBool());
}

TEST_F(SkinnedWindow, DesignedPropertiesReachTheHostedControls)
{
    HostWindow &window = Forms::get<HostWindow>();
    EXPECT_EQ(window.control(QStringLiteral("qeTobrel1")).get("Caption").toString(), QStringLiteral("按钮一"));
    EXPECT_EQ(window.control(QStringLiteral("qeTobrel1")).get("ImageSize").toInt(), 16);
    EXPECT_EQ(window.control(QStringLiteral("UCQuillon1")).get("ColorLeft").toUInt(), 0xB36666u);
    EXPECT_FALSE(window.controlWidget(QStringLiteral("UCQuillon1"))->isVisibleTo(&window));
    EXPECT_THROW(window.control(QStringLiteral("Label1")), AppError);
}

TEST_F(SkinnedWindow, MissingSkinPictureIsReportedOnceAndTheWindowStillOpens)
{
    QFile::remove(folder.file(QStringLiteral("skin/close.bmp")));
    QFile::remove(folder.file(QStringLiteral("skin/maxdown.bmp")));
    HostWindow &window = Forms::get<HostWindow>();

    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.last().title, QStringLiteral("错误"));
    EXPECT_EQ(boxes.last().icon(), vbCritical);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("53：  ")));
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("close.bmp")));
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("maxdown.bmp")));

    EXPECT_TRUE(window.isLoaded());
    EXPECT_FALSE(controls::Picture::hasImage(window.UCtitlebar1().get("ImageCloseN")));
    EXPECT_TRUE(controls::Picture::hasImage(window.UCtitlebar1().get("ImageCloseD")));
    // The rest of the load still ran.
    EXPECT_EQ(window.controlWidget(QStringLiteral("qeTobrel1"))->y(), pixelsFromTwips(120) + pixelsFromTwips(280));
}

TEST_F(SkinnedWindow, AboutOrderShowsOnlyTheCloseButton)
{
    AboutStyleWindow &window = Forms::get<AboutStyleWindow>();
    ASSERT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();
    auto &titleBar = window.UCtitlebar1();
    EXPECT_FALSE(titleBar.get("bMin").toBool());
    EXPECT_FALSE(titleBar.get("bMax").toBool());
    EXPECT_TRUE(titleBar.get("bClose").toBool());
    EXPECT_TRUE(controls::Picture::hasImage(titleBar.get("ImageCloseN")));
    EXPECT_TRUE(controls::Picture::hasImage(titleBar.get("ImageCloseD")));
    EXPECT_TRUE(controls::Picture::hasImage(titleBar.get("BGpic")));
    EXPECT_FALSE(controls::Picture::hasImage(titleBar.get("ImageMinN")));
    EXPECT_FALSE(controls::Picture::hasImage(titleBar.get("ImageMaxN")));
    EXPECT_EQ(titleBar.get("Top").toInt(), 0);
    EXPECT_EQ(window.controlWidget(QStringLiteral("qeTobrel1"))->y(), pixelsFromTwips(120) + pixelsFromTwips(280));
}

TEST_F(SkinnedWindow, ResizeStretchesTheTitleBar)
{
    HostWindow &window = Forms::get<HostWindow>();
    window.Show();
    window.setWidth(9000);
    EXPECT_EQ(window.UCtitlebar1().get("Width").toInt(), window.ScaleWidth());
    EXPECT_EQ(window.ScaleWidth(), 9000 - 2 * Form::FrameTwips);
}

TEST_F(SkinnedWindow, ButtonPopsItsMenuUpUnderItselfAndTheChosenItemRuns)
{
    HostWindow &window = Forms::get<HostWindow>();
    window.Show();
    menus.chooseNext(QStringLiteral("first"));
    QWidget *button = window.controlWidget(QStringLiteral("qeTobrel1"));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());

    ASSERT_EQ(menus.popups().size(), 1);
    EXPECT_EQ(menus.last().menuName, QStringLiteral("tools"));
    EXPECT_EQ(menus.last().items, (QStringList{QStringLiteral("first"), QStringLiteral("inert")}));
    const QPoint expected = window.client()->mapToGlobal(
        QPoint(pixelsFromTwips(Twips::left(button) - 30), pixelsFromTwips(Twips::top(button) + Twips::height(button))));
    EXPECT_EQ(menus.last().position, expected);
    EXPECT_EQ(window.firstChosen, 1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(SkinnedWindow, ShortcutsActWhileTheWindowIsActiveAndAnInertItemDoesNothing)
{
    HostWindow &window = Forms::get<HostWindow>();
    window.Show();
    QApplication::setActiveWindow(&window);
    QTest::keyClick(&window, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(window.firstChosen, 1);
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(window.firstChosen, 1);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(SkinnedWindow, ErrorInAnEventHandlerIsReportedAndTheWindowStays)
{
    HostWindow &window = Forms::get<HostWindow>();
    window.Show();
    QWidget *button = window.controlWidget(QStringLiteral("qeTobrel2"));
    QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("91：  对象变量未设置"));
    EXPECT_EQ(boxes.last().title, QStringLiteral("错误"));
    EXPECT_TRUE(Forms::isLoaded<HostWindow>());
}

TEST_F(SkinnedWindow, TitleBarMouseDownReachesTheWindow)
{
    HostWindow &window = Forms::get<HostWindow>();
    window.Show();
    QWidget *titleBar = window.controlWidget(QStringLiteral("UCtitlebar1"));
    QTest::mousePress(titleBar, Qt::LeftButton, {}, QPoint(titleBar->width() / 2, titleBar->height() / 2));
    QTest::mouseRelease(titleBar, Qt::LeftButton, {}, QPoint(titleBar->width() / 2, titleBar->height() / 2));
    EXPECT_EQ(window.mouseDowns, 1);
}

TEST_F(SkinnedWindow, MissingControlLibrariesAreReportedNotFatal)
{
    QDir(folder.file(QStringLiteral("controls"))).removeRecursively();
    HostWindow &window = Forms::get<HostWindow>();
    ASSERT_FALSE(boxes.boxes().isEmpty());
    EXPECT_EQ(boxes.boxes().first().title, QStringLiteral("错误"));
    EXPECT_TRUE(boxes.boxes().first().text.startsWith(QStringLiteral("429：  ")));
    EXPECT_TRUE(Forms::isLoaded<HostWindow>());
    EXPECT_FALSE(window.hasHostedControl(QStringLiteral("UCtitlebar1")));
}

}  // namespace
