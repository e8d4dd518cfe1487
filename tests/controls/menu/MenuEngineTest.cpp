#include "MenuTestSupport.h"

#include "menu/CQuillon.h"
#include "menu/MenuGeometry.h"
#include "menu/MenuWords.h"
#include "menu/MenuEngines.h"
#include "menu/UCQuillon.h"

#include "core/AppError.h"
#include "screen/OleColor.h"
#include "screen/Twips.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStyle>
#include <gtest/gtest.h>

using namespace hestova::quillon;
using namespace menutest;
using hestova::SystemMetric::MenuHeight;
using hestova::systemMetric;

namespace {

// The main window's look: ColorLeft &HB36666, ColSytleSel 3, Colorjb &HE0E0E0, the rest at defaults.
void mainWindowLook(UCQuillon &control)
{
    control.setColorLeft(0xB36666);
    control.setColSytleSel(3);
    control.setColorjb(0xE0E0E0);
}

void pressKey(QMenu *menu, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(menu, &press);
}

class MenuEngine : public ::testing::Test {
protected:
    void convert(bool mainMenu = false)
    {
        control.Convert(QVariant::fromValue<QObject *>(host.window.get()), images.get(), mainMenu);
        engine = MenuEngines::GetMenuEngine(host.window.get());
        ASSERT_NE(engine, nullptr);
    }

    HostWindow host;
    std::unique_ptr<hestova::ImageList> images = surveyImageList();
    UCQuillon control;
    CQuillon *engine = nullptr;
};

}  // namespace

TEST_F(MenuEngine, PopupConvertsWhenItOpensAndRevertsWhenTheMenuCloses)
{
    convert();
    EXPECT_EQ(engine->records().Count(), 0);  // popups wait until they open
    openAndGrab(host.menu);
    EXPECT_EQ(engine->records().Count(), 6);
    const auto record = engine->recordOf(host.brmyd);
    ASSERT_TRUE(record);
    EXPECT_EQ(record->sMenuText, QStringLiteral("病人满意度调查\tCtrl+A"));
    EXPECT_EQ(record->iButton, 0);
    EXPECT_FALSE(record->bMainMenu);
    EXPECT_EQ(engine->recordOf(host.yjmyd)->iButton, 1);
    EXPECT_EQ(engine->recordOf(host.plain)->iButton, -1);
    EXPECT_TRUE(engine->recordOf(host.separator)->fType & MFT_SEPARATOR);
    EXPECT_EQ(host.menu->style(), engine->findChild<QStyle *>());

    host.menu->hide();
    EXPECT_EQ(engine->records().Count(), 0);
    EXPECT_FALSE(engine->recordOf(host.brmyd));
    EXPECT_EQ(CQuillon::itemDataOf(host.brmyd), 0u);
    EXPECT_NE(host.menu->style(), engine->findChild<QStyle *>());
    EXPECT_EQ(host.brmyd->text(), QStringLiteral("病人满意度调查"));  // the host's item is untouched
}

TEST_F(MenuEngine, MeasuresItemsByTheFormulas)
{
    convert();
    openAndGrab(host.menu);
    MeasureItemStruct mis;
    mis.menu = host.menu;
    mis.itemData = CQuillon::itemDataOf(host.brmyd);
    ASSERT_TRUE(engine->OnMeasureItem(mis));
    const QFontMetrics metrics(host.menu->font());
    const int textWidth = metrics.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic,
                                               QStringLiteral("病人满意度调查 Ctrl+A")).width();
    const int checkWidth = systemMetric(hestova::SystemMetric::MenuCheckWidth);
    EXPECT_EQ(mis.itemWidth, 2 * 20 + textWidth + 5 - (checkWidth - 1));
    EXPECT_EQ(mis.itemHeight, 24);

    MeasureItemStruct separator;
    separator.itemData = CQuillon::itemDataOf(host.separator);
    ASSERT_TRUE(engine->OnMeasureItem(separator));
    EXPECT_EQ(separator.itemHeight, systemMetric(MenuHeight) / 2);
    EXPECT_EQ(separator.itemWidth, 0);

    MeasureItemStruct notOurs;  // no item data: left to the menu
    EXPECT_FALSE(engine->OnMeasureItem(notOurs));

    // The open menu lays its rows out with these heights.
    EXPECT_EQ(host.menu->actionGeometry(host.brmyd).height(), 24);
    EXPECT_EQ(host.menu->actionGeometry(host.separator).height(), systemMetric(MenuHeight) / 2);
    EXPECT_GE(host.menu->actionGeometry(host.brmyd).width(), 2 * 20 + textWidth + 5);
}

TEST_F(MenuEngine, DrawsColumnsSeparatorIconsAndGrayedText)
{
    mainWindowLook(control);
    convert();
    const QImage shot = openAndGrab(host.menu);
    const QRect first = host.menu->actionGeometry(host.brmyd);
    const QRect plainRow = host.menu->actionGeometry(host.plain);

    // Icon column in ColorLeft, text part in ColorRight (default &HE0E0E0).
    EXPECT_EQ(pixel(shot, plainRow.left() + 1, plainRow.top() + 1), bgr(0xB36666));
    EXPECT_EQ(pixel(shot, plainRow.left() + 30, plainRow.top() + 1), bgr(0xE0E0E0));
    // The icon found by its tag, at (4, 4) in the row, its mask colour transparent.
    EXPECT_EQ(pixel(shot, first.left() + 4 + 8, first.top() + 4 + 8), imageColor(0));
    EXPECT_EQ(pixel(shot, first.left() + 4, first.top() + 4), bgr(0xB36666));
    EXPECT_EQ(pixel(shot, host.menu->actionGeometry(host.yjmyd).left() + 12,
                    host.menu->actionGeometry(host.yjmyd).top() + 12), imageColor(1));

    // Separator: both columns, one etched line (shadow over highlight) at the middle.
    const QRect sep = host.menu->actionGeometry(host.separator);
    const int middle = sep.top() + sep.height() / 2;
    using hestova::SystemColor::ButtonHighlight;
    using hestova::SystemColor::ButtonShadow;
    EXPECT_EQ(pixel(shot, sep.left() + 40, middle), bgr(hestova::systemColor(ButtonShadow)));
    EXPECT_EQ(pixel(shot, sep.left() + 40, middle + 1), bgr(hestova::systemColor(ButtonHighlight)));
    EXPECT_EQ(pixel(shot, sep.left() + 1, sep.top()), bgr(0xB36666));

    // Grayed item: text in &H808080, no normal ColorFore text; its icon embossed, not in colour.
    const QRect grayed = host.menu->actionGeometry(host.xzmyd);
    const QRect grayedText(grayed.left() + 28, grayed.top(), grayed.width() - 36, grayed.height());
    EXPECT_TRUE(contains(shot, grayedText, QColor(0x80, 0x80, 0x80)));
    EXPECT_FALSE(contains(shot, grayedText, QColor(0, 0, 0)));
    EXPECT_FALSE(contains(shot, QRect(grayed.left() + 4, grayed.top() + 4, 16, 16), imageColor(2)));
    // Normal item text in ColorFore (black).
    EXPECT_TRUE(contains(shot, QRect(plainRow.left() + 28, plainRow.top(), plainRow.width() - 36, 24), Qt::black));
    // Checked item without an image and no SelIcon: the icon column shows only ColorLeft.
    const QRect checkedRow = host.menu->actionGeometry(host.checked);
    EXPECT_EQ(pixel(shot, checkedRow.left() + 12, checkedRow.top() + 12), bgr(0xB36666));
}

TEST_F(MenuEngine, HighlightFillsAndBordersPerStyle)
{
    struct Case {
        int fill;
        int border;
    };
    for (const Case c : {Case{0, 1}, Case{3, 0}, Case{1, 2}, Case{4, 3}, Case{2, 4}, Case{0, 5}}) {
        SCOPED_TRACE(testing::Message() << "fill " << c.fill << " border " << c.border);
        control.setColSytleSel(c.fill);
        control.setBorderSytleSel(c.border);
        control.setColorjb(0xE0E0E0);
        convert();
        const QImage shot = openAndGrab(host.menu, host.plain);
        const QRect row = host.menu->actionGeometry(host.plain);
        const QRect hr = row.adjusted(1, 1, -1, -1);
        const QColor start = bgr(0x8080FF), end = bgr(0xE0E0E0);
        const int midX = hr.left() + hr.width() / 2, midY = hr.top() + hr.height() / 2;
        using hestova::quillon::geometry::blend;
        switch (c.fill) {
        case 0:
            EXPECT_EQ(pixel(shot, midX, midY), start);
            break;
        case 1:  // left to right, one step per column
            EXPECT_EQ(pixel(shot, hr.left() + 1, midY), blend(0x8080FF, 0xE0E0E0, 1.0 / hr.width()));
            EXPECT_EQ(pixel(shot, hr.right() - 1, midY), blend(0x8080FF, 0xE0E0E0, (hr.width() - 2.0) / hr.width()));
            break;
        case 2:  // top to bottom, one step per row
            EXPECT_EQ(pixel(shot, midX, hr.top() + 1), blend(0x8080FF, 0xE0E0E0, 1.0 / hr.height()));
            EXPECT_EQ(pixel(shot, midX, hr.bottom() - 1), blend(0x8080FF, 0xE0E0E0, (hr.height() - 2.0) / hr.height()));
            break;
        case 3: {  // edges to the middle, vertically: 22 rows, n = 9
            ASSERT_EQ(hr.height(), 22);
            EXPECT_EQ(pixel(shot, midX, hr.top()), start);
            EXPECT_EQ(pixel(shot, midX, hr.top() + 1), blend(0x8080FF, 0xE0E0E0, 1.0 / 9));
            EXPECT_EQ(pixel(shot, midX, hr.bottom() - 1), blend(0x8080FF, 0xE0E0E0, 1.0 / 9));
            EXPECT_EQ(pixel(shot, midX, midY), end);
            break;
        }
        case 4: {  // edges to the middle, across
            const int n = int(hestova::roundHalfEven(3.0 * hr.width() / 7.0));
            EXPECT_EQ(pixel(shot, hr.left() + 1, midY), blend(0x8080FF, 0xE0E0E0, 1.0 / n));
            EXPECT_EQ(pixel(shot, hr.right() - 1, midY), blend(0x8080FF, 0xE0E0E0, 1.0 / n));
            EXPECT_EQ(pixel(shot, midX, midY), end);
            break;
        }
        }
        const QColor edge = pixel(shot, midX, hr.top());
        using namespace hestova;
        switch (c.border) {
        case 0:
            EXPECT_EQ(edge, start);  // the fill reaches the edge (styles 0 and 3 start there)
            break;
        case 1:
        case 4:
        case 5:
            EXPECT_EQ(edge, bgr(0x800000));
            break;
        case 2:
            EXPECT_EQ(edge, bgr(systemColor(SystemColor::ButtonHighlight)));
            EXPECT_EQ(pixel(shot, midX, hr.bottom()), bgr(systemColor(SystemColor::ButtonShadow)));
            break;
        case 3:
            EXPECT_EQ(edge, bgr(systemColor(SystemColor::ButtonShadow)));
            break;
        }
        // Selected text in ColorForeSel.
        EXPECT_TRUE(contains(shot, QRect(row.left() + 28, row.top(), row.width() - 36, row.height()), bgr(0xC00000)));
        host.menu->hide();
    }
}

TEST_F(MenuEngine, SelectedIconIsLiftedWithItsShadow)
{
    control.setBorderSytleSel(4);
    convert();
    const QImage shot = openAndGrab(host.menu, host.brmyd);
    const QRect row = host.menu->actionGeometry(host.brmyd);
    // The icon box in ColorLeftSel with a raised edge, the highlight starting right of the icon column.
    EXPECT_EQ(pixel(shot, row.left() + 2, row.top() + 2), bgr(0xFFFFFF));  // raised edge: highlight colour
    EXPECT_EQ(pixel(shot, row.left() + 3, row.top() + 3), bgr(0xE0E0E0));  // ColorLeftSel inside the box
    EXPECT_EQ(pixel(shot, row.left() + 25, row.top() + 1), bgr(0x800000)); // frame of the highlight
    // Image one pixel up-left of its place ((4, 4) -> (3, 3)); its shadow one pixel down-right ((5, 5)).
    EXPECT_EQ(pixel(shot, row.left() + 3 + 2, row.top() + 3 + 2), imageColor(0));
    EXPECT_EQ(pixel(shot, row.left() + 5 + 13, row.top() + 5 + 13), bgr(0x808080));
}

TEST_F(MenuEngine, CheckedItemShowsSelIcon)
{
    QPixmap mark(16, 16);
    mark.fill(QColor(10, 120, 10));
    control.setSelIcon(QVariant::fromValue(mark));
    convert();
    const QImage normal = openAndGrab(host.menu);
    const QRect row = host.menu->actionGeometry(host.checked);
    EXPECT_EQ(pixel(normal, row.left() + 12, row.top() + 12), QColor(10, 120, 10));
    const QImage selected = openAndGrab(host.menu, host.checked);
    EXPECT_EQ(pixel(selected, row.left() + 3, row.top() + 3), QColor(10, 120, 10));     // lifted to (3, 3)
    EXPECT_EQ(pixel(selected, row.left() + 19, row.top() + 19), bgr(0x808080));       // shadow to (5, 5)-(20, 20)
}

TEST_F(MenuEngine, MnemonicWithOneMatchRunsTheItem)
{
    QAction *print = host.menu->addAction(QStringLiteral("&Print"));
    QSignalSpy triggered(print, &QAction::triggered);
    convert();
    openAndGrab(host.menu);
    pressKey(host.menu, QStringLiteral("p"));
    EXPECT_EQ(triggered.count(), 1);
    EXPECT_FALSE(host.menu->isVisible());
    EXPECT_EQ(engine->records().Count(), 0);  // closing reverted the popup
}

TEST_F(MenuEngine, MnemonicWithSeveralMatchesSelects)
{
    QAction *save = host.menu->addAction(QStringLiteral("&Save"));
    QAction *send = host.menu->addAction(QStringLiteral("&Send"));
    QSignalSpy saved(save, &QAction::triggered);
    QSignalSpy sent(send, &QAction::triggered);
    convert();
    openAndGrab(host.menu);
    pressKey(host.menu, QStringLiteral("S"));
    EXPECT_EQ(host.menu->activeAction(), save);
    host.menu->setActiveAction(send);
    pressKey(host.menu, QStringLiteral("s"));
    EXPECT_EQ(host.menu->activeAction(), send);
    EXPECT_EQ(saved.count() + sent.count(), 0);
    EXPECT_TRUE(host.menu->isVisible());

    // A key no item marks is left to the menu.
    EXPECT_EQ(engine->OnMenuChar(QLatin1Char('z'), 0, host.menu), 0);
    EXPECT_EQ(engine->OnMenuChar(QLatin1Char('s'), 0, host.menu),
              MakeLong(qint16(host.menu->actions().indexOf(send)), MNC_SELECT));
}

TEST_F(MenuEngine, TwoWindowsKeepTheirOwnLook)
{
    HostWindow other;
    UCQuillon otherControl;
    otherControl.setColorLeft(0x00FF00);
    control.setColorLeft(0x0000FF);
    convert();
    otherControl.Convert(QVariant::fromValue<QObject *>(other.window.get()), images.get(), false);
    ASSERT_NE(MenuEngines::GetMenuEngine(other.window.get()), engine);
    EXPECT_EQ(MenuEngines::GetMenuEngine(host.window.get()), engine);  // the first window keeps its engine

    const QImage first = openAndGrab(host.menu);
    const QRect row = host.menu->actionGeometry(host.plain);
    EXPECT_EQ(pixel(first, row.left() + 1, row.top() + 1), QColor(255, 0, 0));
    host.menu->hide();
    const QImage second = openAndGrab(other.menu);
    EXPECT_EQ(pixel(second, row.left() + 1, row.top() + 1), QColor(0, 255, 0));
    other.menu->hide();

    // Unloading the first control's window leaves the second converted.
    control.UnloadMenu();
    EXPECT_EQ(MenuEngines::GetMenuEngine(host.window.get()), nullptr);
    openAndGrab(host.menu);
    EXPECT_EQ(CQuillon::itemDataOf(host.brmyd), 0u);
    EXPECT_NE(host.menu->style()->metaObject()->className(), QByteArray("hestova::quillon::QuillonStyle"));
    host.menu->hide();
    openAndGrab(other.menu);
    EXPECT_NE(CQuillon::itemDataOf(other.brmyd), 0u);
}

TEST_F(MenuEngine, ConvertingAWindowAgainReplacesItsEngine)
{
    convert();
    QPointer<CQuillon> first = engine;
    control.setColorLeft(0x00FF00);
    convert();
    EXPECT_TRUE(first.isNull());  // the old engine is gone, not left hooked
    const QImage shot = openAndGrab(host.menu);
    EXPECT_EQ(engine->records().Count(), 6);  // converted once, by the new engine
    const QRect row = host.menu->actionGeometry(host.plain);
    EXPECT_EQ(pixel(shot, row.left() + 1, row.top() + 1), QColor(0, 255, 0));
}

TEST_F(MenuEngine, UnloadMenuReturnsPlainMenusAndNeedsAnEngine)
{
    auto *bar = new QMenuBar(host.window.get());
    QAction *file = bar->addAction(QStringLiteral("文件"));
    convert(true);
    ASSERT_TRUE(engine->recordOf(file));
    EXPECT_TRUE(engine->recordOf(file)->bMainMenu);
    EXPECT_EQ(engine->recordOf(file)->iButton, -1);  // the image list comes after the menu bar

    EXPECT_FALSE(control.UnloadMenu().isValid());
    EXPECT_EQ(CQuillon::itemDataOf(file), 0u);
    EXPECT_NE(bar->style()->metaObject()->className(), QByteArray("hestova::quillon::QuillonStyle"));
    try {
        control.UnloadMenu();
        FAIL() << "a second UnloadMenu found an engine";
    } catch (const hestova::AppError &error) {
        EXPECT_EQ(error.number(), 91);
    }
}

TEST_F(MenuEngine, MenuBarItemsMeasureTheirTextAndDrawInTheMenuColour)
{
    auto *bar = new QMenuBar(host.window.get());
    QAction *file = bar->addAction(QStringLiteral("文件"));
    convert(true);
    MeasureItemStruct mis;
    mis.menu = bar;
    mis.itemData = CQuillon::itemDataOf(file);
    ASSERT_TRUE(engine->OnMeasureItem(mis));
    EXPECT_EQ(mis.itemWidth, QFontMetrics(bar->font())
                                 .boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, QStringLiteral("文件"))
                                 .width());
    EXPECT_EQ(mis.itemHeight, 24);
}

TEST_F(MenuEngine, EveryItemConvertsWhenNumbersWouldCollide)
{
    // Two popups converted, the first reverted, a third converted: counting records would hand the third
    // popup a number the second still holds.
    QMenu first, second, third;
    for (QMenu *menu : {&first, &second, &third})
        for (int i = 0; i < 3; ++i)
            menu->addAction(QStringLiteral("项目%1").arg(i));
    convert();
    engine->ConvertMenu(&first, 0, false, true, false);
    engine->ConvertMenu(&second, 0, false, true, false);
    engine->ConvertMenu(&first, 0, false, false, false);
    engine->ConvertMenu(&third, 0, false, true, false);
    QSet<quint32> numbers;
    for (QMenu *menu : {&second, &third}) {
        for (QAction *action : menu->actions()) {
            EXPECT_TRUE(engine->recordOf(action)) << qPrintable(action->text());
            numbers.insert(CQuillon::itemDataOf(action));
        }
    }
    EXPECT_EQ(numbers.size(), 6);
    engine->ConvertMenu(&second, 0, false, false, false);
    engine->ConvertMenu(&third, 0, false, false, false);
}

TEST_F(MenuEngine, IconMatchingComparesEachTagWithTheCaptionStart)
{
    hestova::ImageList list;
    QPixmap picture(16, 16);
    picture.fill(Qt::red);
    const QStringList tags = {QStringLiteral("X"), QString(), QStringLiteral("病人满意度报表"), QStringLiteral("report")};
    for (const QString &tag : tags)
        static_cast<hestova::ListImage *>(list.listImages()->Add(QVariant(), QString(), picture))->setTag(tag);
    control.Convert(QVariant::fromValue<QObject *>(host.window.get()), &list, false);
    engine = MenuEngines::GetMenuEngine(host.window.get());
    // A short first tag no longer shortens the comparison for later images, and an empty tag matches nothing.
    EXPECT_EQ(engine->GetButtonIndex(QStringLiteral("病人满意度调查")), -1);
    EXPECT_EQ(engine->GetButtonIndex(QStringLiteral("病人满意度报表\tCtrl+R")), 2);
    EXPECT_EQ(engine->GetButtonIndex(QStringLiteral("REPORT 1")), 3);
    EXPECT_EQ(engine->GetButtonIndex(QStringLiteral("xzbb")), 0);
    EXPECT_EQ(engine->GetButtonIndex(QStringLiteral("")), -1);
}

namespace {
// An image list that can name its images but not draw them.
class TagOnlyImageList : public QObject {
    Q_OBJECT
    Q_PROPERTY(QObject *ListImages READ listImages)
public:
    TagOnlyImageList() { m_list = surveyImageList(); }
    QObject *listImages() const { return m_list->listImagesObject(); }

private:
    std::unique_ptr<hestova::ImageList> m_list;
};
}  // namespace

TEST_F(MenuEngine, ADrawingFailureCostsOnlyThatItem)
{
    TagOnlyImageList broken;
    control.Convert(QVariant::fromValue<QObject *>(host.window.get()), &broken, false);
    engine = MenuEngines::GetMenuEngine(host.window.get());
    const QImage shot = openAndGrab(host.menu);
    EXPECT_TRUE(engine->isInstalled());
    EXPECT_EQ(engine->recordOf(host.brmyd)->iButton, 0);
    // The item with no icon is still drawn by the engine (its icon column colour).
    const QRect row = host.menu->actionGeometry(host.plain);
    EXPECT_EQ(pixel(shot, row.left() + 1, row.top() + 1), bgr(0xFF8080));
    host.menu->hide();
    // The engine stays: the next opening converts again.
    openAndGrab(host.menu);
    EXPECT_EQ(engine->records().Count(), 6);
}

TEST_F(MenuEngine, MenusAddedAfterConvertAndSubmenusConvertToo)
{
    convert();
    auto *later = new QMenu(host.window.get());
    QAction *item = later->addAction(QStringLiteral("病人满意度报表"));
    QMenu *sub = later->addMenu(QStringLiteral("更多"));
    QAction *subItem = sub->addAction(QStringLiteral("生成报表数据"));
    openAndGrab(later);
    EXPECT_EQ(engine->recordOf(item)->iButton, 3);
    later->setActiveAction(sub->menuAction());
    sub->popup(QPoint(200, 50));
    QApplication::processEvents();
    ASSERT_TRUE(engine->recordOf(subItem));
    EXPECT_EQ(engine->recordOf(subItem)->iButton, 6);
    sub->hide();
    EXPECT_TRUE(engine->recordOf(item));  // the parent popup is still open
    later->hide();
    EXPECT_EQ(engine->records().Count(), 0);
}

TEST_F(MenuEngine, SetFontDrawsInTheHostWindowsFont)
{
    QFont large = host.window->font();
    large.setPixelSize(30);
    host.window->setFont(large);
    control.setSetFont(true);
    convert();
    openAndGrab(host.menu);
    EXPECT_EQ(engine->GetMenuFont(false).pixelSize(), 30);
    MeasureItemStruct mis;
    mis.menu = host.menu;
    mis.itemData = CQuillon::itemDataOf(host.plain);
    ASSERT_TRUE(engine->OnMeasureItem(mis));
    const int width = mis.itemWidth;
    control.setSetFont(false);
    host.menu->hide();
    convert();
    openAndGrab(host.menu);
    mis.itemData = CQuillon::itemDataOf(host.plain);
    ASSERT_TRUE(engine->OnMeasureItem(mis));
    EXPECT_GT(width, mis.itemWidth);
}

TEST_F(MenuEngine, MenuBarDrawsInTheMenuColourAndPressedInColorLeft)
{
    auto *bar = new QMenuBar(host.window.get());
    QMenu *file = bar->addMenu(QStringLiteral("文件"));
    file->addAction(QStringLiteral("病人满意度调查"));
    control.setColorLeft(0x00FF00);
    convert(true);
    host.window->show();
    bar->resize(300, 30);
    const QImage normal = bar->grab().toImage();
    const QRect item = bar->actionGeometry(file->menuAction());
    ASSERT_FALSE(item.isEmpty());
    EXPECT_EQ(item.height(), 24);
    EXPECT_EQ(pixel(normal, item.left() + 1, item.top() + 1),
              bgr(hestova::systemColor(hestova::SystemColor::Menu)));
    bar->setActiveAction(file->menuAction());
    QApplication::processEvents();
    const QImage pressed = bar->grab().toImage();
    EXPECT_EQ(pixel(pressed, item.left() + 3, item.top() + 3), QColor(0, 255, 0));
    file->hide();
}

#include "MenuEngineTest.moc"
