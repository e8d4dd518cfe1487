#include "IniFiles.h"
#include "TempAppFolder.h"
#include "TestHostWindow.h"

#include "CaptionLayout.h"
#include "ImageArea.h"
#include "UCtitlebar.h"

#include "common/MessageBoxHook.h"
#include "common/Picture.h"

#include <QCoreApplication>
#include <QFile>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

using namespace hestova::titlebar;
using hestova::controls::Picture::bitmap;

namespace {

QVariant solid(const QColor &colour, QSize size = QSize(15, 15))
{
    QPixmap pixmap(size);
    pixmap.fill(colour);
    return bitmap(pixmap);
}

QColor shownColour(const ImageArea *area)
{
    return hestova::controls::Picture::toPixmap(area->picture()).toImage().pixelColor(0, 0);
}

// Records every box the library shows and answers OK.
struct RecordedBoxes {
    QStringList boxes;
    RecordedBoxes()
    {
        hestova::controls::setMessageBoxFunction([this](QWidget *, const QString &prompt, int buttons,
                                                        const QString &title) {
            boxes << QStringLiteral("%1|%2|%3").arg(prompt).arg(buttons).arg(title);
            return 1;
        });
    }
    ~RecordedBoxes() { hestova::controls::setMessageBoxFunction({}); }
};

}  // namespace

TEST(CaptionLayout, PlacesTheAreasForTheHostsButtonSize)
{
    // A bar of 4680 twips (312 pixels), 280 twips high, Btnsize 15: 225-twip squares 27.5 twips from the top.
    const CaptionLayout both = layoutCaption(15, 4680, 280, true);
    EXPECT_EQ(both.size, 225);
    EXPECT_DOUBLE_EQ(both.top, 27.5);
    EXPECT_EQ(both.iconLeft, 120);
    EXPECT_EQ(both.closeLeft, 4680 - 225 - 60);
    EXPECT_EQ(both.maxLeft, 4680 - 450 - 90);
    EXPECT_EQ(both.minLeft, 4680 - 675 - 120);
    // 2 pixels between neighbouring buttons.
    EXPECT_EQ(both.closeLeft - (both.maxLeft + both.size), 30);
    EXPECT_EQ(both.maxLeft - (both.minLeft + both.size), 30);

    // Without the maximise button the minimise button takes its place.
    const CaptionLayout noMax = layoutCaption(15, 4680, 280, false);
    EXPECT_EQ(noMax.minLeft, both.maxLeft);
    EXPECT_EQ(noMax.closeLeft, both.closeLeft);

    const CaptionLayout sixteen = layoutCaption(16, 4680, 280, true);
    EXPECT_EQ(sixteen.size, 240);
    EXPECT_DOUBLE_EQ(sixteen.top, 20.0);
    EXPECT_EQ(sixteen.minLeft, 4680 - 720 - 120);
}

TEST(CaptionLayout, LargeButtonSizeDoesNotOverflow)
{
    // 3 x 15 twips x 800 pixels exceeds a 16-bit product.
    const CaptionLayout large = layoutCaption(800, 400000, 280, true);
    EXPECT_EQ(large.size, 12000);
    EXPECT_EQ(large.minLeft, 400000 - 36000 - 120);
    EXPECT_EQ(large.maxLeft, 400000 - 24000 - 90);
    const CaptionLayout huge = layoutCaption(100000000, 4680, 280, true);
    EXPECT_LT(huge.minLeft, 0);
    EXPECT_GT(huge.size, 0);
}

TEST(CaptionLayout, TextRectangleLeavesRoomForIconAndButtons)
{
    const QRect text = captionTextRect(15, 4680, 280);
    EXPECT_EQ(text.left(), 25);
    EXPECT_EQ(text.right() + 1, 312 - 65);
    EXPECT_EQ(text.bottom() + 1, 19);
    EXPECT_FALSE(captionTextRect(15, 300, 280).isValid());  // right edge left of the left edge
}

TEST(CaptionLayout, TilesReachTheLastPartialTile)
{
    const QList<QPoint> tiles = tileOrigins(QSize(100, 19), QSize(48, 19));
    // Columns 0, 48, 96 (the last one partly visible); rows 0 and 19 (bounds inclusive).
    EXPECT_EQ(tiles.size(), 6);
    EXPECT_TRUE(tiles.contains(QPoint(96, 0)));
    EXPECT_TRUE(tiles.contains(QPoint(96, 19)));
    EXPECT_EQ(tileOrigins(QSize(96, 10), QSize(48, 19)).size(), 3);  // exactly two tiles wide: bound 2 included
    EXPECT_TRUE(tileOrigins(QSize(100, 19), QSize(0, 0)).isEmpty());
    EXPECT_TRUE(tileOrigins(QSize(100, 19), QSize(10, 0)).isEmpty());
}

TEST(UCtitlebar, LaysOutItsAreasForEachButtonCombination)
{
    TestHostWindow host;
    auto *bar = new UCtitlebar;
    host.attachBar(bar);
    bar->setBtnsize(15);
    bar->setbMax(true);
    ASSERT_EQ(bar->width(), 312);
    EXPECT_EQ(bar->image(1)->geometry(), QRect(8, 2, 15, 15));
    EXPECT_EQ(bar->image(4)->geometry(), QRect(312 - 15 - 4, 2, 15, 15));
    EXPECT_EQ(bar->image(3)->geometry(), QRect(312 - 30 - 6, 2, 15, 15));
    EXPECT_EQ(bar->image(2)->geometry(), QRect(312 - 45 - 8, 2, 15, 15));

    for (const bool min : {false, true}) {
        for (const bool max : {false, true}) {
            for (const bool close : {false, true}) {
                bar->setbMin(min);
                bar->setbMax(max);
                bar->setbClose(close);
                EXPECT_EQ(bar->image(2)->isVisibleTo(bar), min);
                EXPECT_EQ(bar->image(3)->isVisibleTo(bar), max);
                EXPECT_EQ(bar->image(4)->isVisibleTo(bar), close);
                EXPECT_EQ(bar->image(2)->x(), max ? 312 - 45 - 8 : 312 - 30 - 6);
                EXPECT_EQ(bar->image(4)->x(), 312 - 15 - 4);  // hiding close moves nothing
            }
        }
    }

    bar->setBtnsize(16);
    bar->setbMax(true);  // runs the layout
    // The bar is 19 pixels (285 twips) high: (285 - 240) / 2 = 22.5 twips = 1.5 pixels, halves to even.
    EXPECT_EQ(bar->image(1)->geometry(), QRect(8, 2, 16, 16));
    EXPECT_EQ(bar->image(2)->x(), 312 - 48 - 8);
}

TEST(UCtitlebar, PictureStatesFollowTheMouse)
{
    TestHostWindow host;
    auto *bar = new UCtitlebar;
    host.attachBar(bar);
    host.show();
    bar->setImageCloseN(solid(Qt::red));
    bar->setImageCloseD(solid(Qt::darkRed));
    bar->setImageMinN(solid(Qt::green));
    bar->setImageMinD(solid(Qt::darkGreen));
    bar->setImageMinF(hestova::controls::Picture::none());
    bar->setImageMaxN(solid(Qt::blue));
    bar->setImageMaxD(solid(Qt::darkBlue));
    bar->setImageMaxF(solid(Qt::cyan));
    bar->setImageRestoreN(solid(Qt::yellow));
    ImageArea *close = bar->image(4);
    ImageArea *min = bar->image(2);
    ImageArea *max = bar->image(3);

    // Left press shows the pressed picture; another button changes nothing.
    QTest::mousePress(close, Qt::RightButton);
    EXPECT_EQ(shownColour(close), QColor(Qt::red));
    QTest::mouseRelease(close, Qt::RightButton);
    QTest::mousePress(close, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(shownColour(close), QColor(Qt::darkRed));
    // The hover picture is empty (a new control's): released over the area, it blanks the area.
    QTest::mouseRelease(close, Qt::RightButton, {}, QPoint(3, 3));
    EXPECT_TRUE(hestova::controls::Picture::isEmpty(close->picture()));
    // A move over the bar's surface puts the normal pictures back.
    QTest::mouseMove(bar, QPoint(100, 5));
    EXPECT_EQ(shownColour(close), QColor(Qt::red));

    // A hover picture that is none leaves the area as it is; release then falls back to the normal picture.
    QTest::mousePress(min, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(shownColour(min), QColor(Qt::darkGreen));
    host.hide();  // the host is not minimised by this release: only the pictures are checked here
    bar->setfrm(nullptr);
    QTest::mouseRelease(min, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(shownColour(min), QColor(Qt::green));

    // Image3 uses the current trio, which the paint routine takes from the host's state.
    bar->setfrm(&host);
    bar->setCaption(QStringLiteral("重画"));  // repaints: host normal, the maximise trio
    EXPECT_EQ(shownColour(max), QColor(Qt::blue));
    EXPECT_EQ(max->toolTip(), QStringLiteral("最大化"));
    QTest::mousePress(max, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(shownColour(max), QColor(Qt::darkBlue));
    host.setWindowStateValue(2);
    bar->setCaption(QStringLiteral("重画"));
    EXPECT_EQ(shownColour(max), QColor(Qt::yellow));
    EXPECT_EQ(max->toolTip(), QStringLiteral("还原"));
    host.setWindowStateValue(1);  // minimised: both stay
    bar->setCaption(QStringLiteral("重画"));
    EXPECT_EQ(shownColour(max), QColor(Qt::yellow));
    EXPECT_EQ(max->toolTip(), QStringLiteral("还原"));
}

TEST(UCtitlebar, ButtonsMinimiseMaximiseRestoreAndCloseTheHost)
{
    TestHostWindow host;
    auto *bar = new UCtitlebar;
    host.attachBar(bar);
    host.show();

    QTest::mouseClick(bar->image(3), Qt::LeftButton);
    EXPECT_EQ(host.windowStateValue(), 2);
    QTest::mouseClick(bar->image(3), Qt::LeftButton);
    EXPECT_EQ(host.windowStateValue(), 0);

    // A double-click on the surface toggles too, but only with bMax and a sizable host.
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_EQ(host.windowStateValue(), 2);
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_EQ(host.windowStateValue(), 0);
    bar->setbMax(false);
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_EQ(host.windowStateValue(), 0);
    bar->setbMax(true);
    host.borderStyle = 1;
    QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_EQ(host.windowStateValue(), 0);
    host.borderStyle = 2;

    QTest::mouseClick(bar->image(2), Qt::LeftButton);
    EXPECT_EQ(host.windowStateValue(), 1);
    // Restore does nothing to a minimised host.
    QTest::mouseClick(bar->image(3), Qt::LeftButton);
    EXPECT_EQ(host.windowStateValue(), 1);
    host.setWindowStateValue(0);

    QTest::mouseClick(bar->image(4), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(host.unloadCount, 1);

    // Without a host the buttons do nothing.
    UCtitlebar loose;
    QTest::mouseClick(loose.image(2), Qt::LeftButton);
    QTest::mouseClick(loose.image(4), Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(host.unloadCount, 1);
}

TEST(UCtitlebar, DragMovesTheHostThenRaisesMouseDown)
{
    TestHostWindow host;
    auto *bar = new UCtitlebar;
    host.attachBar(bar);
    host.move(50, 60);
    host.show();
    QStringList events;
    QObject::connect(bar, &UCtitlebar::MouseDown, [&] { events << QStringLiteral("MouseDown"); });
    QObject::connect(bar, &UCtitlebar::Mouseup, [&] { events << QStringLiteral("Mouseup"); });
    QObject::connect(bar, &UCtitlebar::Click, [&] { events << QStringLiteral("Click"); });

    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_TRUE(events.isEmpty());  // the drag comes first
    QTest::mouseMove(bar, QPoint(130, 25));
    EXPECT_EQ(host.pos(), QPoint(80, 80));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(100, 5));
    EXPECT_EQ(events, QStringList({"MouseDown", "Mouseup", "Click"}));
}

TEST(UCtitlebar, EmptyBackgroundPictureSkipsTiling)
{
    auto *bar = new UCtitlebar;
    TestHostWindow host;
    host.attachBar(bar);
    bar->setBackColor(0x8080FF);
    bar->setBGpic(hestova::controls::Picture::empty());
    const QImage shot = bar->grab().toImage();
    EXPECT_EQ(shot.pixelColor(60, 3), QColor(0xFF, 0x80, 0x80));

    bar->setBGpic(solid(Qt::blue, QSize(7, 5)));
    const QImage tiled = bar->grab().toImage();
    EXPECT_EQ(tiled.pixelColor(bar->width() - 1, bar->height() - 1), QColor(Qt::blue));
}

TEST(UCtitlebar, BadBackgroundFileIsReportedOncePerWindow)
{
    TempAppFolder folder;
    RecordedBoxes boxes;
    const QString bad = folder.file(QStringLiteral("Bkground.BMP"));
    IniFiles::write(bad, "no picture");

    TestHostWindow host;
    auto *bar = new UCtitlebar;
    host.attachBar(bar);
    host.backgroundFile = bad;
    for (int i = 0; i < 3; ++i) {
        host.grab();
        QCoreApplication::processEvents();
    }
    bar->DrawBG(&host, folder.file(QStringLiteral("missing.bmp")));
    EXPECT_EQ(boxes.boxes, QStringList({"载入背景图出错！|16|错误"}));

    TestHostWindow other;
    bar->DrawBG(&other, folder.file(QStringLiteral("missing.bmp")));
    EXPECT_EQ(boxes.boxes.size(), 2);
}

TEST(UCtitlebar, DrawBgTilesTheClientArea)
{
    TempAppFolder folder;
    QImage tile(40, 30, QImage::Format_RGB32);
    tile.fill(Qt::green);
    tile.setPixelColor(0, 0, Qt::magenta);
    ASSERT_TRUE(tile.save(folder.file(QStringLiteral("tile.bmp"))));

    TestHostWindow host;
    auto *bar = new UCtitlebar;
    host.attachBar(bar);
    bar->hide();
    host.backgroundFile = folder.file(QStringLiteral("tile.bmp"));
    const QImage shot = host.grab().toImage();
    // The tiles start at the client area's corner (4, 4) and reach its far corner.
    EXPECT_EQ(shot.pixelColor(4, 4), QColor(Qt::magenta));
    EXPECT_EQ(shot.pixelColor(44, 34), QColor(Qt::magenta));
    EXPECT_EQ(shot.pixelColor(4 + 280, 4 + 180), QColor(Qt::magenta));
    EXPECT_EQ(shot.pixelColor(315, 195), QColor(Qt::green));
}
