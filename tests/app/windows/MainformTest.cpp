#include "WindowsFixture.h"

#include "Mmain.h"

#include "common/Picture.h"
#include "forms/Twips.h"
#include "host/LineControl.h"
#include "imagelist/ImageList.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

using namespace hestova::forms;

namespace {

class MainWindow : public ProgramWindows {
protected:
    static constexpr int Patience = 30000;  // milliseconds, for what the platform delivers later

    Mainform &shownMainform()
    {
        Mainform &mainform = Forms::get<Mainform>();
        mainform.Show();
        return mainform;
    }

    // The window that disables the main window is owned by it, and stays above it, keeping its frameless look.
    // Activating the disabled main window (a window manager does on a click) activates the owned window. The
    // window manager's close request to the disabled main window is refused.
    static void expectOwnedByMainform(Form &window)
    {
        ASSERT_NE(window.windowHandle(), nullptr);
        Mainform *mainform = Forms::find<Mainform>();
        EXPECT_EQ(window.windowHandle()->transientParent(), mainform->windowHandle());
        EXPECT_EQ(window.windowType(), Qt::Dialog);
        EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);
        QSignalSpy activations(qApp, &QGuiApplication::focusWindowChanged);
        mainform->windowHandle()->requestActivate();  // through the platform, as a window manager activates it
        const QVariantList mainformActivated{QVariant::fromValue(mainform->windowHandle())};
        EXPECT_TRUE(QTest::qWaitFor([&] { return activations.contains(mainformActivated); }, Patience));
        EXPECT_TRUE(QTest::qWaitFor([&] { return QApplication::activeWindow() == &window; }, Patience));

        QCloseEvent request;  // as the platform delivers it to the native window
        QCoreApplication::sendEvent(mainform->windowHandle(), &request);
        EXPECT_TRUE(Forms::isLoaded<Mainform>());
        EXPECT_TRUE(mainform->isVisible());
    }

    static void click(Mainform &mainform, const QString &button)
    {
        QWidget *widget = mainform.controlWidget(button);
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
};

TEST_F(MainWindow, LoadMovesOnlyTheFourButtonsBelowTheTitleBar)
{
    Mainform &mainform = shownMainform();
    ASSERT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();
    const int titleBar = hestova::pixelsFromTwips(280);
    const int lefts[] = {120, 1800, 3480, 5160};
    for (int i = 0; i < 4; ++i) {
        QWidget *button = mainform.controlWidget(QStringLiteral("qeTobrel%1").arg(i + 1));
        EXPECT_EQ(button->y(), hestova::pixelsFromTwips(120) + titleBar) << i;
        EXPECT_EQ(Twips::left(button), lefts[i]);
    }
    EXPECT_EQ(Twips::top(mainform.controlWidget(QStringLiteral("Label1"))), 2160);
    EXPECT_EQ(Twips::top(mainform.controlWidget(QStringLiteral("Label4"))), 5895);
    auto *line1 = qobject_cast<hestova::host::LineControl *>(mainform.controlWidget(QStringLiteral("Line1")));
    ASSERT_NE(line1, nullptr);
    EXPECT_EQ(line1->startPixel(), QPoint(hestova::pixelsFromTwips(2160), hestova::pixelsFromTwips(1920)));
    EXPECT_EQ(mainform.UCtitlebar1().get("Caption").toString(), QStringLiteral("Hestova"));
    EXPECT_EQ(hestova::controls::Picture::kind(mainform.UCtitlebar1().get("ImageTitleN")),
              hestova::controls::Picture::Kind::Icon);
    EXPECT_TRUE(mainform.UCtitlebar1().get("bMax").toBool());
    EXPECT_EQ(mainform.control(QStringLiteral("qeTobrel3")).get("Caption").toString(), QStringLiteral("系    统"));
    EXPECT_EQ(mainform.control(QStringLiteral("qeTobrel4")).get("ImageSize").toInt(), 16);
    EXPECT_TRUE(hestova::controls::Picture::hasImage(mainform.control(QStringLiteral("qeTobrel1")).get("Image")));
}

TEST_F(MainWindow, ImageListHoldsSevenTaggedPictures)
{
    Mainform &mainform = Forms::get<Mainform>();
    hestova::ImageList &list = mainform.ImageList();
    EXPECT_EQ(list.ImageWidth(), 16);
    EXPECT_EQ(list.ImageHeight(), 16);
    EXPECT_EQ(list.MaskColor(), 0xC0C0C0);
    const QStringList tags{"病人满意度调查", "医技满意度调查", "行政满意度调查", "病人满意度报表",
                           "医技满意度报表", "行政满意度报表", "生成报表数据"};
    ASSERT_EQ(list.listImages()->Count(), 7);
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(list.listImages()->at(i)->Tag().toString(), tags[i]);
        EXPECT_FALSE(list.transparentImage(i).isNull()) << i;
        // The mask colour shows in every picture's corner, so the corner is transparent.
        EXPECT_EQ(qAlpha(list.transparentImage(i).pixel(0, 0)), 0) << i;
    }
}

TEST_F(MainWindow, MenusHoldTheirItemsAndShortcuts)
{
    Mainform &mainform = Forms::get<Mainform>();
    struct Item {
        const char *menu, *name, *caption, *key;
    };
    const Item items[] = {
        {"myddc", "brmyd", "病人满意度调查", "Ctrl+A"}, {"myddc", "yjmyd", "医技满意度调查", "Ctrl+B"},
        {"myddc", "xzmyd", "行政满意度调查", "Ctrl+D"}, {"bb", "brbb", "病人满意度报表", "Ctrl+R"},
        {"bb", "yjbb", "医技满意度报表", "Ctrl+S"},     {"bb", "xzbb", "行政满意度报表", "Ctrl+T"},
        {"help", "关于", "关于", "Ctrl+G"},             {"help", "bz", "帮助", "F1"},
    };
    for (const Item &item : items) {
        QMenu *menu = mainform.menu(QString::fromUtf8(item.menu));
        auto *action = menu->findChild<QAction *>(QString::fromUtf8(item.name));
        ASSERT_NE(action, nullptr) << item.name;
        EXPECT_TRUE(menu->actions().contains(action));
        EXPECT_EQ(action->text(), QString::fromUtf8(item.caption));
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromUtf8(item.key))) << item.name;
    }
    EXPECT_EQ(mainform.menu(QStringLiteral("myddc"))->title(), QStringLiteral("满意度调查"));
    EXPECT_EQ(mainform.menu(QStringLiteral("bb"))->title(), QStringLiteral("调查报表"));
    EXPECT_EQ(mainform.menu(QStringLiteral("help"))->title(), QStringLiteral("帮助"));
}

TEST_F(MainWindow, EachButtonPopsItsMenuUpUnderItself)
{
    Mainform &mainform = shownMainform();
    const QString menusOf[] = {QStringLiteral("myddc"), QStringLiteral("bb"), QStringLiteral("help")};
    for (int i = 0; i < 3; ++i) {
        const QString button = QStringLiteral("qeTobrel%1").arg(i + 1);
        click(mainform, button);
        ASSERT_EQ(menus.popups().size(), i + 1);
        EXPECT_EQ(menus.last().menuName, menusOf[i]);
        QWidget *widget = mainform.controlWidget(button);
        const QPoint expected = mainform.client()->mapToGlobal(
            QPoint(hestova::pixelsFromTwips(Twips::left(widget) - 30), hestova::pixelsFromTwips(Twips::top(widget) + Twips::height(widget))));
        EXPECT_EQ(menus.last().position, expected);
    }
    EXPECT_TRUE(Forms::isLoaded<Mainform>());
    EXPECT_FALSE(Forms::isLoaded<ChoiceNew>());
}

struct PickerItem {
    const char *button;
    const char *item;
    bool entry;  // ChoiceNew, else ChoiceRept
    int kind;
};

class MenuItemOpensPicker : public MainWindow, public ::testing::WithParamInterface<PickerItem> {};

TEST_P(MenuItemOpensPicker, ShowsThePickerSetsTheKindAndDisablesTheMainWindowWhileLoaded)
{
    const PickerItem item = GetParam();
    Mainform &mainform = shownMainform();
    Mmain::SurveyKind = 0;
    menus.chooseNext(QString::fromUtf8(item.item));
    click(mainform, QString::fromUtf8(item.button));

    EXPECT_EQ(Mmain::SurveyKind, item.kind);
    Form *picker = item.entry ? static_cast<Form *>(Forms::find<ChoiceNew>()) : Forms::find<ChoiceRept>();
    ASSERT_NE(picker, nullptr);
    EXPECT_TRUE(picker->isVisible());
    EXPECT_EQ(item.entry ? Forms::isLoaded<ChoiceRept>() : Forms::isLoaded<ChoiceNew>(), false);
    EXPECT_FALSE(mainform.isEnabled());
    expectOwnedByMainform(*picker);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();

    picker->Unload();
    settle();
    EXPECT_TRUE(mainform.isEnabled());
    EXPECT_EQ(quits, 0);
}

INSTANTIATE_TEST_SUITE_P(AllItems, MenuItemOpensPicker,
                         ::testing::Values(PickerItem{"qeTobrel1", "brmyd", true, 1},
                                           PickerItem{"qeTobrel1", "yjmyd", true, 2},
                                           PickerItem{"qeTobrel1", "xzmyd", true, 3},
                                           PickerItem{"qeTobrel2", "brbb", false, 1},
                                           PickerItem{"qeTobrel2", "yjbb", false, 2},
                                           PickerItem{"qeTobrel2", "xzbb", false, 3}));

TEST_F(MainWindow, AfterAPickerClosesTheSameItemShowsAFreshOne)
{
    Mainform &mainform = shownMainform();
    mainform.brmyd_Click();
    ChoiceNew *first = Forms::find<ChoiceNew>();
    first->Unload();
    settle();
    mainform.yjmyd_Click();
    EXPECT_TRUE(Forms::isLoaded<ChoiceNew>());
    EXPECT_EQ(Mmain::SurveyKind, 2);
    EXPECT_FALSE(mainform.isEnabled());
}

TEST_F(MainWindow, AboutItemShowsTheAboutBoxAndHelpDoesNothing)
{
    Mainform &mainform = shownMainform();
    menus.chooseNext(QStringLiteral("bz"));
    click(mainform, QStringLiteral("qeTobrel3"));
    EXPECT_EQ(Forms::loadedCount(), 1);
    EXPECT_TRUE(mainform.isEnabled());

    menus.chooseNext(QStringLiteral("关于"));
    click(mainform, QStringLiteral("qeTobrel3"));
    ASSERT_TRUE(Forms::isLoaded<About>());
    EXPECT_FALSE(mainform.isEnabled());
    expectOwnedByMainform(*Forms::find<About>());
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();
}

TEST_F(MainWindow, ShortcutKeysActWhileTheWindowIsActive)
{
    Mainform &mainform = shownMainform();
    QApplication::setActiveWindow(&mainform);
    QTest::keyClick(&mainform, Qt::Key_T, Qt::ControlModifier);
    EXPECT_TRUE(Forms::isLoaded<ChoiceRept>());
    EXPECT_EQ(Mmain::SurveyKind, 3);
    Forms::unload<ChoiceRept>();
    settle();

    QApplication::setActiveWindow(&mainform);
    QTest::keyClick(&mainform, Qt::Key_F1);
    EXPECT_EQ(Forms::loadedCount(), 1);
    QTest::keyClick(&mainform, Qt::Key_G, Qt::ControlModifier);
    EXPECT_TRUE(Forms::isLoaded<About>());
    EXPECT_TRUE(menus.popups().isEmpty());

    // While the About box is loaded the main window is disabled, and so are its keys.
    QApplication::setActiveWindow(&mainform);
    QTest::keyClick(&mainform, Qt::Key_A, Qt::ControlModifier);
    EXPECT_FALSE(Forms::isLoaded<ChoiceNew>());
    EXPECT_EQ(Mmain::SurveyKind, 3);
}

TEST_F(MainWindow, LeaveQuestionNoKeepsEverythingYesUnloads)
{
    Mainform &mainform = shownMainform();
    boxes.answerNext(vbNo);
    click(mainform, QStringLiteral("qeTobrel4"));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("你是否真的退出本系统?"));
    EXPECT_EQ(boxes.last().title, QStringLiteral("请确定"));
    EXPECT_EQ(boxes.last().buttonSet(), vbYesNo);
    EXPECT_EQ(boxes.last().icon(), 0);
    EXPECT_TRUE(Forms::isLoaded<Mainform>());
    EXPECT_TRUE(mainform.isVisible());
    EXPECT_EQ(quits, 0);

    boxes.answerNext(vbYes);
    click(mainform, QStringLiteral("qeTobrel4"));
    EXPECT_TRUE(boxes.allAnswersUsed());
    EXPECT_FALSE(Forms::isLoaded<Mainform>());
    EXPECT_EQ(quits, 1);
}

TEST_F(MainWindow, ResizingStretchesTheTitleBar)
{
    Mainform &mainform = shownMainform();
    mainform.setWindowStateValue(vbMaximized);
    mainform.setWidth(12000);
    EXPECT_EQ(mainform.UCtitlebar1().get("Width").toInt(), mainform.ScaleWidth());
}

}  // namespace
