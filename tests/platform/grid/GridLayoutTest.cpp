#include "grid/GridCells.h"
#include "grid/GridLayout.h"

#include <gtest/gtest.h>

using hestova::GridCells;
using hestova::GridLayout;

namespace {

constexpr int RowHeight = 20;

// Header row plus `dataRows` rows; columns 64, 64 and 130 pixels wide.
GridCells surveyList(int dataRows)
{
    GridCells cells;
    cells.setRows(dataRows + 1);
    cells.setCols(3);
    cells.setColWidth(2, 1950);
    return cells;
}

// Widths as the grid gives them; a column not sized is 64 pixels wide.
QList<int> pixels(const GridCells &cells)
{
    return hestova::columnPixels(cells, [](int) { return 64; });
}

}  // namespace

TEST(GridLayout, ColumnWidthsInTwipsBecomeWholePixels)
{
    GridCells cells = surveyList(1);
    cells.setColWidth(0, 7);     // under half a pixel
    cells.setColWidth(1, 2000);  // 133.3 pixels
    cells.setColWidth(2, 0);     // hidden column
    const GridLayout layout(cells, pixels(cells), RowHeight, QSize(289, 113), 1, 1);
    EXPECT_EQ(layout.cellRect(1, 0).width(), 0);
    EXPECT_EQ(layout.cellRect(1, 1), QRect(0, RowHeight, 133, RowHeight));
    EXPECT_EQ(layout.cellRect(1, 2).width(), 0);
    EXPECT_EQ(layout.cellAt(QPoint(0, RowHeight + 1)), (GridLayout::Cell{1, 1}));
}

TEST(GridLayout, CellsLieSideBySideWithTheirColumnWidths)
{
    const GridCells cells = surveyList(2);
    const GridLayout layout(cells, pixels(cells), RowHeight, QSize(289, 113), 1, 1);
    EXPECT_EQ(layout.cellRect(0, 0), QRect(0, 0, 64, RowHeight));
    EXPECT_EQ(layout.cellRect(1, 1), QRect(64, RowHeight, 64, RowHeight));
    EXPECT_EQ(layout.cellRect(2, 2), QRect(128, 2 * RowHeight, 130, RowHeight));
    EXPECT_EQ(layout.visibleRows(), (QList<int>{0, 1, 2}));
    EXPECT_EQ(layout.visibleCols(), (QList<int>{0, 1, 2}));
}

TEST(GridLayout, PointsFindTheirCellAndNothingOutsideTheCells)
{
    const GridCells cells = surveyList(2);
    const GridLayout layout(cells, pixels(cells), RowHeight, QSize(289, 113), 1, 1);
    EXPECT_EQ(layout.cellAt(QPoint(0, 0)), (GridLayout::Cell{0, 0}));
    EXPECT_EQ(layout.cellAt(QPoint(63, 39)), (GridLayout::Cell{1, 0}));
    EXPECT_EQ(layout.cellAt(QPoint(64, 40)), (GridLayout::Cell{2, 1}));
    EXPECT_EQ(layout.cellAt(QPoint(257, 59)), (GridLayout::Cell{2, 2}));
    EXPECT_FALSE(layout.cellAt(QPoint(258, 10)));  // right of the last column
    EXPECT_FALSE(layout.cellAt(QPoint(10, 60)));   // below the last row
    EXPECT_FALSE(layout.cellAt(QPoint(-1, 5)));
}

TEST(GridLayout, ScrolledRowsMoveUnderTheFixedHeaderRow)
{
    const GridCells cells = surveyList(20);
    // 100 pixels: the header and four whole rows.
    const GridLayout top(cells, pixels(cells), RowHeight, QSize(289, 100), 1, 1);
    EXPECT_EQ(top.scrollRowsShown(), 4);
    EXPECT_EQ(top.lastFirstRow(), 17);  // rows 17 to 20 fill the space under the header

    const GridLayout scrolled(cells, pixels(cells), RowHeight, QSize(289, 100), 10, 1);
    EXPECT_EQ(scrolled.cellRect(0, 0), QRect(0, 0, 64, RowHeight));
    EXPECT_EQ(scrolled.cellRect(10, 0), QRect(0, RowHeight, 64, RowHeight));
    EXPECT_TRUE(scrolled.cellRect(1, 0).isEmpty());  // scrolled out of view
    EXPECT_EQ(scrolled.cellAt(QPoint(5, 5)), (GridLayout::Cell{0, 0}));
    EXPECT_EQ(scrolled.cellAt(QPoint(5, 25)), (GridLayout::Cell{10, 0}));
    EXPECT_EQ(scrolled.visibleRows().first(), 0);
    EXPECT_EQ(scrolled.visibleRows().at(1), 10);
}

TEST(GridLayout, KeepingARowInViewScrollsOnlyAsFarAsNeeded)
{
    const GridCells cells = surveyList(20);
    const GridLayout layout(cells, pixels(cells), RowHeight, QSize(289, 100), 5, 1);
    EXPECT_EQ(layout.firstRowShowing(6), 5);   // already visible
    EXPECT_EQ(layout.firstRowShowing(3), 3);   // above: becomes the first
    EXPECT_EQ(layout.firstRowShowing(12), 9);  // below: becomes the last
    EXPECT_EQ(layout.firstRowShowing(0), 5);   // the fixed row is always visible
}

TEST(GridLayout, NarrowViewScrollsColumnsBehindTheFixedOne)
{
    const GridCells cells = surveyList(2);
    // 64 fixed + room for 100 pixels: column 2 (130) never fits whole, column 1 (64) does.
    const GridLayout layout(cells, pixels(cells), RowHeight, QSize(164, 100), 1, 1);
    EXPECT_EQ(layout.lastFirstCol(), 2);
    EXPECT_EQ(layout.firstColShowing(2), 2);
    const GridLayout scrolled(cells, pixels(cells), RowHeight, QSize(164, 100), 1, 2);
    EXPECT_EQ(scrolled.cellRect(1, 2), QRect(64, RowHeight, 130, RowHeight));
    EXPECT_EQ(scrolled.firstColShowing(1), 1);

    const GridLayout wide(cells, pixels(cells), RowHeight, QSize(289, 100), 1, 1);
    EXPECT_EQ(wide.lastFirstCol(), 1);  // everything fits: no column scrolling
}

TEST(GridLayout, EmptyDataAreaAndNoFixedCellsAreHandled)
{
    GridCells headerOnly;
    headerOnly.setRows(1);
    const GridLayout layout(headerOnly, pixels(headerOnly), RowHeight, QSize(289, 113), 1, 1);
    EXPECT_EQ(layout.visibleRows(), QList<int>{0});
    EXPECT_EQ(layout.lastFirstRow(), 1);
    EXPECT_FALSE(layout.cellAt(QPoint(10, 30)));

    GridCells plain;
    plain.setFixedRows(0);
    plain.setFixedCols(0);
    const GridLayout noFixed(plain, pixels(plain), RowHeight, QSize(289, 113), 0, 0);
    EXPECT_EQ(noFixed.cellRect(0, 0), QRect(0, 0, 64, RowHeight));
    EXPECT_EQ(noFixed.cellAt(QPoint(70, 25)), (GridLayout::Cell{1, 1}));
}
