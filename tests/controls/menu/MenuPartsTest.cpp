#include "menu/ItemRecords.h"
#include "menu/MenuGeometry.h"
#include "menu/MenuWords.h"

#include "core/AppError.h"

#include <gtest/gtest.h>

using namespace hestova::quillon;
using namespace hestova::quillon::geometry;

TEST(MenuWords, SplitAndJoinSigned16BitHalves)
{
    EXPECT_EQ(LoWord(0x8001), -32767);
    EXPECT_EQ(HiWord(int32_t(0xFFFF0000u)), -1);
    EXPECT_EQ(MakeLong(-1, 3), 0x3FFFF);
    EXPECT_EQ(LoWord(MakeLong(5, MNC_SELECT)), 5);
    EXPECT_EQ(HiWord(MakeLong(5, MNC_SELECT)), MNC_SELECT);
}

TEST(ItemRecords, KeysPositionsAndTheirErrors)
{
    CItemDatas records;
    records.Add(QStringLiteral("a"), 0, 0, QStringLiteral("1"));
    records.Add(QStringLiteral("no key"), 0, 0, QString());
    records.Add(QStringLiteral("c"), 0, 0, QStringLiteral("3"));
    records.Add(QStringLiteral("d"), 0, 0, QStringLiteral("x"));

    // An empty key is reachable by position only.
    EXPECT_EQ(records.Item(2)->sMenuText, QStringLiteral("no key"));
    // The text "3" is a key, the number 3 a position.
    EXPECT_EQ(records.Item(QStringLiteral("3"))->sMenuText, QStringLiteral("c"));
    EXPECT_EQ(records.Item(3)->sMenuText, QStringLiteral("c"));
    EXPECT_EQ(records.Item(QStringLiteral("X"))->sMenuText, QStringLiteral("d"));  // case ignored

    try {
        records.Add(QStringLiteral("dup"), 0, 0, QStringLiteral("1"));
        FAIL() << "a key in use was accepted";
    } catch (const hestova::AppError &error) {
        EXPECT_EQ(error.number(), 457);
    }
    try {
        records.Item(QStringLiteral("9"));
        FAIL() << "a missing key was found";
    } catch (const hestova::AppError &error) {
        EXPECT_EQ(error.number(), 5);
    }

    records.Remove(QStringLiteral("x"));
    EXPECT_EQ(records.Count(), 3);
    EXPECT_NO_THROW(records.Add(QStringLiteral("again"), 0, 0, QStringLiteral("x")));
    EXPECT_EQ(records.Count(), 4);
}

TEST(MenuGeometry, ItemSizesFollowTheMeasuringFormulas)
{
    // Defaults: BitmapWidth 16; the menu adds a 13-pixel check column to each popup item.
    EXPECT_EQ(popupItemWidth(100, 16, 13), 2 * 20 + 100 + 5 - 12);
    EXPECT_EQ(popupItemWidth(0, 24, 1), 2 * 28 + 5);
    EXPECT_EQ(separatorHeight(19), 9);
    EXPECT_EQ(separatorHeight(20), 10);
}

TEST(MenuGeometry, IconBoxOfTheDefaultsAndHalfEvenRounding)
{
    const QRect item(0, 48, 200, 24);
    const QRect box = iconBox(item, 24, 16);
    EXPECT_EQ(box, ltrb(2, 50, 22, 70));
    EXPECT_EQ(iconPosition(box, 16), QPoint(4, 52));

    // ItemHeight 26: (26 - 16) / 4 = 2.5 rounds to 2; (16 + 26) / 2 = 21.
    const QRect odd = iconBox(QRect(0, 0, 200, 26), 26, 16);
    EXPECT_EQ(odd, ltrb(2, 2, 23, 23));
    EXPECT_EQ(iconPosition(odd, 16), QPoint(4, 4));
    // ItemHeight 30: 3.5 rounds to 4.
    EXPECT_EQ(iconBox(QRect(0, 0, 200, 30), 30, 16).topLeft(), QPoint(4, 4));
}

TEST(MenuGeometry, HighlightAndTextRectangles)
{
    const QRect item(0, 0, 200, 24);
    EXPECT_EQ(highlightRect(item, 24, true, 1), ltrb(1, 1, 199, 23));
    EXPECT_EQ(highlightRect(item, 24, true, 4), ltrb(25, 1, 199, 23));
    EXPECT_EQ(highlightRect(item, 24, false, 5), ltrb(1, 1, 199, 23));
    EXPECT_EQ(popupTextRect(item, 24), ltrb(28, 0, 192, 24));
}

TEST(MenuGradients, ToMiddleVerticalOnA22PixelHighlight)
{
    const quint32 start = 0x8080FF, end = 0xE0E0E0;
    const QRect r = ltrb(1, 1, 199, 23);  // 22 pixels high
    const QList<GradientLine> lines = GradientToMiddleV(r, start, end);
    ASSERT_EQ(lines.size(), 20);  // n = 9: rows 0 to 9 from each edge
    QSet<int> rows;
    for (const GradientLine &line : lines) {
        rows.insert(line.from.y());
        EXPECT_EQ(line.from.x(), 1);
        EXPECT_EQ(line.to.x(), 199);
    }
    EXPECT_FALSE(rows.contains(1 + 10));  // the two middle rows keep the solid end colour
    EXPECT_FALSE(rows.contains(1 + 11));
    EXPECT_EQ(lines[0].from.y(), 1);
    EXPECT_EQ(lines[1].from.y(), 22);
    EXPECT_EQ(lines[0].color, QColor(0xFF, 0x80, 0x80));  // the edges: start colour
    EXPECT_EQ(lines[18].color, QColor(0xE0, 0xE0, 0xE0)); // row n: end colour
    // Row 1: t = 1/9; red 255 + round(-31 / 9 = -3.44) = 252.
    EXPECT_EQ(lines[2].color, QColor(252, 128 + 11, 128 + 11));
}

TEST(MenuGradients, LeftRightAndTopBottomStepPerPixel)
{
    const QRect r = ltrb(10, 0, 14, 2);  // 4 wide, 2 high
    const QList<GradientLine> across = GradientLeftRight(r, 0x000000, 0x0000FF);
    ASSERT_EQ(across.size(), 4);
    EXPECT_EQ(across[0].color, QColor(0, 0, 0));
    EXPECT_EQ(across[1].color, QColor(64, 0, 0));   // 255 / 4 = 63.75
    EXPECT_EQ(across[2].color, QColor(128, 0, 0));  // 127.5 rounds to the even 128
    EXPECT_EQ(across[3].from, QPoint(13, 0));
    EXPECT_EQ(across[3].to, QPoint(13, 2));
    const QList<GradientLine> down = GradientTopBottom(r, 0x000000, 0xFF0000);
    ASSERT_EQ(down.size(), 2);
    EXPECT_EQ(down[1].color, QColor(0, 0, 128));  // 127.5 -> 128
}

TEST(MenuGradients, ToMiddleStylesDrawNothingWithoutRoomForAStep)
{
    // Under 2 pixels the step count rounds to 0: the solid fill stays instead of a division by zero.
    EXPECT_TRUE(GradientToMiddleV(ltrb(0, 0, 100, 1), 0x8080FF, 0xFFFFFF).isEmpty());
    EXPECT_TRUE(GradientToMiddleH(ltrb(0, 0, 1, 20), 0x8080FF, 0xFFFFFF).isEmpty());
    EXPECT_TRUE(GradientToMiddleV(ltrb(0, 0, 100, 0), 0x8080FF, 0xFFFFFF).isEmpty());
    EXPECT_EQ(GradientToMiddleV(ltrb(0, 0, 100, 2), 0x8080FF, 0xFFFFFF).size(), 4);  // n = 1
}

TEST(MenuColors, SplitRGBReadsPlainNumbers)
{
    const Rgb c = SplitRGB(0xB36666);
    EXPECT_EQ(c.red, 0x66);
    EXPECT_EQ(c.green, 0x66);
    EXPECT_EQ(c.blue, 0xB3);
    EXPECT_EQ(colorOf(0xB36666), QColor(0x66, 0x66, 0xB3));
    EXPECT_EQ(colorOf(0x80000005), QColor(5, 0, 0));  // system colours are not translated
}
