#include "core/AppError.h"
#include "grid/GridCells.h"

#include <gtest/gtest.h>

using hestova::AppError;
using hestova::GridCells;

namespace {

int errorNumberOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const AppError &error) {
        EXPECT_FALSE(error.description().isEmpty());
        return error.number();
    }
    return 0;
}

// The pickers' fill: a header row and one row per survey, three columns.
void fillLikePicker(GridCells &cells, const QList<QStringList> &surveys, int widthOfDescription)
{
    cells.setRows(int(surveys.size()) + 1);
    cells.setCols(3);
    cells.setColWidth(2, widthOfDescription);
    cells.setText(0, 0, QStringLiteral("调查序号"));
    cells.setText(0, 1, QStringLiteral("调查时间"));
    cells.setText(0, 2, QStringLiteral("调查说明"));
    for (int i = 0; i < surveys.size(); ++i)
        for (int c = 0; c < 3; ++c)
            cells.setText(i + 1, c, surveys[i][c]);
    cells.setRow(1);
    cells.setCol(2);
}

}  // namespace

TEST(GridCells, DesignedGridIsTwoByTwoEmptyWithCurrentCellOneOne)
{
    const GridCells cells;
    EXPECT_EQ(cells.rows(), 2);
    EXPECT_EQ(cells.cols(), 2);
    EXPECT_EQ(cells.fixedRows(), 1);
    EXPECT_EQ(cells.fixedCols(), 1);
    EXPECT_EQ(cells.row(), 1);
    EXPECT_EQ(cells.col(), 1);
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 2; ++c)
            EXPECT_TRUE(cells.text(r, c).isEmpty()) << r << "," << c;
    // What the pickers read when mydjb is empty: the current row's first column, which is empty.
    EXPECT_TRUE(cells.text(cells.row(), 0).isEmpty());
}

TEST(GridCells, IndexesOutsideTheGridRaiseSubscriptErrors)
{
    GridCells cells;
    EXPECT_EQ(errorNumberOf([&] { cells.text(2, 0); }), 9);
    EXPECT_EQ(errorNumberOf([&] { cells.text(-1, 0); }), 9);
    EXPECT_EQ(errorNumberOf([&] { cells.text(0, 2); }), 9);
    EXPECT_EQ(errorNumberOf([&] { cells.setText(0, -1, QStringLiteral("x")); }), 9);
    EXPECT_EQ(errorNumberOf([&] { cells.colWidth(2); }), 9);
    EXPECT_EQ(errorNumberOf([&] { cells.setColWidth(-1, 100); }), 9);
    EXPECT_EQ(errorNumberOf([&] { cells.setRow(2); }), 9);
    EXPECT_EQ(errorNumberOf([&] { cells.setCol(-1); }), 9);
    // A refused move leaves the current cell where it was.
    EXPECT_EQ(cells.row(), 1);
    EXPECT_EQ(cells.col(), 1);
    // The last valid indexes work.
    EXPECT_EQ(errorNumberOf([&] { cells.setText(1, 1, QStringLiteral("x")); }), 0);
    EXPECT_EQ(errorNumberOf([&] { cells.setRow(0); }), 0);
}

TEST(GridCells, InvalidSizesAndWidthsAreRefusedAndChangeNothing)
{
    GridCells cells;
    EXPECT_EQ(errorNumberOf([&] { cells.setRows(-1); }), 380);
    EXPECT_EQ(errorNumberOf([&] { cells.setRows(0); }), 380);  // below the one fixed row
    EXPECT_EQ(errorNumberOf([&] { cells.setCols(0); }), 380);
    EXPECT_EQ(errorNumberOf([&] { cells.setFixedRows(3); }), 380);
    EXPECT_EQ(errorNumberOf([&] { cells.setFixedCols(-1); }), 380);
    EXPECT_EQ(errorNumberOf([&] { cells.setColWidth(1, -5); }), 380);
    EXPECT_EQ(errorNumberOf([&] { cells.setColWidthMax(-1); }), 380);
    EXPECT_EQ(errorNumberOf([&] { cells.setRows(2000000); }), 380);
    EXPECT_EQ(cells.rows(), 2);
    EXPECT_EQ(cells.cols(), 2);
    EXPECT_EQ(cells.fixedRows(), 1);
    EXPECT_EQ(cells.fixedCols(), 1);
    EXPECT_FALSE(cells.colWidth(1)) << "not sized";
    EXPECT_EQ(cells.colWidthMax(), 0) << "no limit";
    EXPECT_EQ(cells.text(1, 1), QString());
}

TEST(GridCells, TextsRoundTripExactly)
{
    GridCells cells;
    const QString quoted = QStringLiteral("它's \"门诊\" 调查, 第一季度; drop table mydjb");
    const QString long_(500, QChar(u'满'));
    cells.setText(1, 1, quoted);
    cells.setText(0, 0, long_);
    cells.setText(1, 0, QStringLiteral(" 12 "));
    EXPECT_EQ(cells.text(1, 1), quoted);
    EXPECT_EQ(cells.text(0, 0), long_);
    EXPECT_EQ(cells.text(1, 0), QStringLiteral(" 12 "));
    EXPECT_EQ(cells.text(0, 1), QString());
}

TEST(GridCells, PickerFillKeepsEveryCellAndWidth)
{
    GridCells cells;
    fillLikePicker(cells,
                   {{QStringLiteral("3"), QStringLiteral("2024-3-1"), QStringLiteral("门诊")},
                    {QStringLiteral("5"), QStringLiteral("2024-6-1"), QStringLiteral("住院'部\"")}},
                   1950);
    EXPECT_EQ(cells.rows(), 3);
    EXPECT_EQ(cells.cols(), 3);
    EXPECT_EQ(cells.text(0, 2), QStringLiteral("调查说明"));
    EXPECT_EQ(cells.text(1, 0), QStringLiteral("3"));
    EXPECT_EQ(cells.text(2, 2), QStringLiteral("住院'部\""));
    EXPECT_FALSE(cells.colWidth(0)) << "not sized";
    EXPECT_FALSE(cells.colWidth(1)) << "not sized";
    EXPECT_EQ(cells.colWidth(2), 1950);
    EXPECT_EQ(cells.row(), 1);
    EXPECT_EQ(cells.col(), 2);

    // The add variant fills again over the same grid: one more survey, width 2000 read back as set.
    fillLikePicker(cells,
                   {{QStringLiteral("3"), QStringLiteral("2024-3-1"), QStringLiteral("门诊")},
                    {QStringLiteral("5"), QStringLiteral("2024-6-1"), QStringLiteral("住院")},
                    {QStringLiteral("7"), QStringLiteral("2024-9-1"), QStringLiteral("体检")}},
                   2000);
    EXPECT_EQ(cells.rows(), 4);
    EXPECT_EQ(cells.colWidth(2), 2000);
    EXPECT_EQ(cells.text(3, 0), QStringLiteral("7"));
    EXPECT_EQ(cells.text(2, 2), QStringLiteral("住院"));
    EXPECT_EQ(cells.row(), 1);
    EXPECT_EQ(cells.col(), 2);
}

TEST(GridCells, ShrinkingDropsCellsAndGrowingBringsEmptyOnes)
{
    GridCells cells;
    cells.setRows(4);
    cells.setCols(3);
    cells.setText(3, 2, QStringLiteral("old"));
    cells.setText(1, 1, QStringLiteral("kept"));
    cells.setColWidth(2, 3000);
    cells.setRows(2);
    cells.setCols(2);
    cells.setRows(4);
    cells.setCols(3);
    EXPECT_EQ(cells.text(3, 2), QString());
    EXPECT_EQ(cells.text(1, 1), QStringLiteral("kept"));
    EXPECT_FALSE(cells.colWidth(2)) << "not sized";
}

TEST(GridCells, CurrentCellFollowsSizeChanges)
{
    GridCells cells;
    cells.setRows(5);
    cells.setCols(4);
    cells.setRow(4);
    cells.setCol(3);

    cells.setRows(8);  // growing keeps the current cell
    cells.setCols(6);
    EXPECT_EQ(cells.row(), 4);
    EXPECT_EQ(cells.col(), 3);

    cells.setRows(3);  // shrinking past it moves it to the last row / column
    cells.setCols(2);
    EXPECT_EQ(cells.row(), 2);
    EXPECT_EQ(cells.col(), 1);
    EXPECT_EQ(cells.text(cells.row(), cells.col()), QString());

    cells.setRows(1);  // only the header row remains
    EXPECT_EQ(cells.row(), 0);

    cells.setRows(3);
    cells.setFixedRows(2);  // a current row inside the fixed rows moves below them
    EXPECT_EQ(cells.row(), 2);
}

TEST(GridCells, ClearEmptiesTextsButKeepsShapeWidthsAndCurrentCell)
{
    GridCells cells;
    cells.setRows(3);
    cells.setCols(3);
    cells.setColWidth(2, 1950);
    cells.setText(0, 0, QStringLiteral("调查序号"));
    cells.setText(2, 2, QStringLiteral("x"));
    cells.setRow(2);
    cells.setCol(2);
    cells.clear();
    EXPECT_EQ(cells.rows(), 3);
    EXPECT_EQ(cells.cols(), 3);
    EXPECT_EQ(cells.colWidth(2), 1950);
    EXPECT_EQ(cells.row(), 2);
    EXPECT_EQ(cells.col(), 2);
    EXPECT_EQ(cells.text(0, 0), QString());
    EXPECT_EQ(cells.text(2, 2), QString());
}
