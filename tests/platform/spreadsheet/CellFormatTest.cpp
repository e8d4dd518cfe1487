#include "core/AppError.h"
#include "spreadsheet/CellFormat.h"
#include "spreadsheet/Spreadsheet.h"

#include <gtest/gtest.h>
#include <memory>

using namespace hestova;
using namespace hestova::spreadsheet;

namespace {

std::unique_ptr<CellFormat> currentFormat(Spreadsheet &book)
{
    return std::unique_ptr<CellFormat>(qobject_cast<CellFormat *>(book.CurrentFormat()));
}

}  // namespace

TEST(CellFormat, StartsFromTheSelectionsFirstCell)
{
    Spreadsheet book;
    CellStyle style;
    style.fontSize = 12;
    style.hAlign = HAlign::Right;
    style.vAlign = VAlign::Top;
    style.borders[TopEdge] = {LineStyle::Medium, QColor(0x10, 0x20, 0x30)};
    const_cast<Sheet &>(book.sheet()).setStyle(3, 4, style);
    book.SelectRange(3, 4, 5, 6);
    const auto fmt = currentFormat(book);
    ASSERT_TRUE(fmt);
    EXPECT_EQ(fmt->FontSize(), 12);
    EXPECT_EQ(fmt->FontName(), QStringLiteral("宋体"));
    EXPECT_EQ(fmt->FontCharSet(), 134);
    EXPECT_EQ(fmt->AlignHorizontal(), 4);
    EXPECT_EQ(fmt->AlignVertical(), 1);
    EXPECT_EQ(fmt->BorderStyle(2), 2);
    EXPECT_EQ(fmt->BorderColor(2), 0x302010);
    EXPECT_EQ(fmt->BorderStyle(0), 0);
}

TEST(CellFormat, RejectsUnknownIndexesAndCodes)
{
    CellFormat fmt{CellStyle{}};
    EXPECT_THROW(fmt.setBorderStyle(4, 1), AppError);
    EXPECT_THROW(fmt.setBorderStyle(-1, 1), AppError);
    EXPECT_THROW(fmt.setBorderStyle(0, 7), AppError);
    EXPECT_THROW(fmt.BorderColor(5), AppError);
    EXPECT_THROW(fmt.setBorderColor(0, 0x1000000), AppError);
    EXPECT_THROW(fmt.setAlignHorizontal(0), AppError);
    EXPECT_THROW(fmt.setAlignVertical(4), AppError);
    EXPECT_THROW(fmt.setFontSize(0), AppError);
    EXPECT_THROW(fmt.setFontName(QStringLiteral(" ")), AppError);
    EXPECT_THROW(fmt.setFontCharSet(256), AppError);
}

TEST(CellFormat, OutlineIndexesFrameOnlyTheRangesEdges)
{
    Spreadsheet book;
    book.SelectRange(2, 2, 4, 4);
    const auto fmt = currentFormat(book);
    for (int index : {0, 1, 2, 3}) {
        fmt->setBorderStyle(index, 5);
        fmt->setBorderColor(index, 0x0000FF);
    }
    book.ApplyFormat(fmt.get());
    const Sheet &sheet = book.sheet();
    const Border red{LineStyle::Thick, QColor(0xFF, 0, 0)};
    EXPECT_EQ(sheet.style(2, 2).borders[LeftEdge], red);
    EXPECT_EQ(sheet.style(2, 2).borders[TopEdge], red);
    EXPECT_EQ(sheet.style(2, 2).borders[RightEdge].style, LineStyle::None);
    EXPECT_EQ(sheet.style(4, 4).borders[RightEdge], red);
    EXPECT_EQ(sheet.style(4, 4).borders[BottomEdge], red);
    for (const Border &border : sheet.style(3, 3).borders)
        EXPECT_EQ(border.style, LineStyle::None);
    // Font and alignment were not set, so they stay.
    EXPECT_EQ(sheet.style(3, 3).fontSize, sheet.defaultStyle().fontSize);
    EXPECT_EQ(sheet.style(3, 3).hAlign, HAlign::General);
}

TEST(CellFormat, InsideIndexDrawsOnlyTheLinesBetweenCells)
{
    Spreadsheet book;
    book.SelectRange(2, 2, 3, 3);
    const auto fmt = currentFormat(book);
    fmt->setBorderStyle(CellFormat::InsideIndex, 3);
    book.ApplyFormat(fmt.get());
    const Sheet &sheet = book.sheet();
    EXPECT_EQ(sheet.style(2, 2).borders[RightEdge].style, LineStyle::Dashed);
    EXPECT_EQ(sheet.style(2, 2).borders[BottomEdge].style, LineStyle::Dashed);
    EXPECT_EQ(sheet.style(2, 2).borders[LeftEdge].style, LineStyle::None);
    EXPECT_EQ(sheet.style(2, 2).borders[TopEdge].style, LineStyle::None);
    EXPECT_EQ(sheet.style(3, 3).borders[LeftEdge].style, LineStyle::Dashed);
    EXPECT_EQ(sheet.style(3, 3).borders[RightEdge].style, LineStyle::None);
}
