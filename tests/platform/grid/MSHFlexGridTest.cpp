#include "core/AppError.h"
#include "forms/Fonts.h"
#include "grid/MSHFlexGrid.h"

#include <QImage>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

using hestova::AppError;
using hestova::MSHFlexGrid;

namespace {

// The pickers' grid: 4335 x 1695 twips.
constexpr QSize PickerGridSize(289, 113);

void fill(MSHFlexGrid &grid, int surveys)
{
    grid.setRows(surveys + 1);
    grid.setCols(3);
    grid.setColWidth(2, 1950);
    grid.setTextMatrix(0, 0, QStringLiteral("调查序号"));
    grid.setTextMatrix(0, 1, QStringLiteral("调查时间"));
    grid.setTextMatrix(0, 2, QStringLiteral("调查说明"));
    for (int i = 1; i <= surveys; ++i)
        grid.setTextMatrix(i, 0, QString::number(i));
    grid.setRow(1);
    grid.setCol(2);
}

class ShownGrid : public ::testing::Test {
protected:
    static void SetUpTestSuite() { hestova::forms::installFontSubstitutions(); }  // the program's 宋体

    void SetUp() override
    {
        grid.resize(PickerGridSize);
        grid.show();
    }

    // Centre of a cell on the viewport, for the grid's current scroll position.
    QPoint centreOf(int row, int col) const { return grid.cellRect(row, col).center(); }

    QRgb pixelAt(QPoint viewportPoint) const
    {
        const QImage image = grid.viewport()->grab().toImage();
        return image.pixel(viewportPoint * image.devicePixelRatio());
    }

    MSHFlexGrid grid;
};

}  // namespace

TEST(MSHFlexGrid, StartsAsTheDesignedEmptyTwoByTwoGrid)
{
    MSHFlexGrid grid;
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_TRUE(grid.TextMatrix(grid.Row(), 0).isEmpty());
    EXPECT_TRUE(grid.TextMatrix(0, 0).isEmpty());
}

TEST(MSHFlexGrid, MembersAreReachableByName)
{
    MSHFlexGrid grid;
    ASSERT_TRUE(grid.setProperty("Rows", 4));
    ASSERT_TRUE(grid.setProperty("Cols", 3));
    ASSERT_TRUE(QMetaObject::invokeMethod(&grid, "setColWidth", Q_ARG(int, 2), Q_ARG(int, 2000)));
    ASSERT_TRUE(QMetaObject::invokeMethod(&grid, "setTextMatrix", Q_ARG(int, 3), Q_ARG(int, 2),
                                          Q_ARG(QString, QStringLiteral("住院'部"))));
    ASSERT_TRUE(grid.setProperty("Row", 3));
    ASSERT_TRUE(grid.setProperty("Col", 2));

    QString text;
    int width = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(&grid, "TextMatrix", Q_RETURN_ARG(QString, text), Q_ARG(int, 3),
                                          Q_ARG(int, 2)));
    ASSERT_TRUE(QMetaObject::invokeMethod(&grid, "ColWidth", Q_RETURN_ARG(int, width), Q_ARG(int, 2)));
    EXPECT_EQ(text, QStringLiteral("住院'部"));
    EXPECT_EQ(width, 2000);
    EXPECT_EQ(grid.property("Rows").toInt(), 4);
    EXPECT_EQ(grid.property("Row").toInt(), 3);
    EXPECT_EQ(grid.property("Col").toInt(), 2);

    ASSERT_TRUE(QMetaObject::invokeMethod(&grid, "Clear"));
    EXPECT_TRUE(grid.TextMatrix(3, 2).isEmpty());
    EXPECT_EQ(grid.Rows(), 4);
}

TEST(MSHFlexGrid, BadIndexesRaiseAppErrorAndKeepTheGrid)
{
    MSHFlexGrid grid;
    fill(grid, 2);
    EXPECT_THROW(grid.setRow(3), AppError);
    EXPECT_THROW(grid.TextMatrix(1, 3), AppError);
    EXPECT_THROW(grid.setRows(0), AppError);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Rows(), 3);
}

TEST_F(ShownGrid, PickerGridShowsAllThreeColumnsWithoutSideScrolling)
{
    fill(grid, 3);
    grid.setTextMatrix(1, 1, QStringLiteral("2026年12月31日"));
    grid.setTextMatrix(2, 1, QStringLiteral("2026-12-31 08:30"));
    grid.setTextMatrix(3, 1, QStringLiteral("2026-12-31 08:30:00 第二次"));
    const QFontMetrics metrics = grid.fontMetrics();
    const int wholeTime = std::max(metrics.horizontalAdvance(grid.TextMatrix(1, 1)),
                                   metrics.horizontalAdvance(grid.TextMatrix(2, 1)));
    grid.setColWidthMax(15 * (wholeTime + 2 * hestova::GridPainter::TextPadding));  // as the pickers set it
    EXPECT_GT(grid.cellRect(2, 1).width(), metrics.horizontalAdvance(grid.TextMatrix(2, 1))) << "a whole time";
    EXPECT_LT(grid.cellRect(3, 1).width(), metrics.horizontalAdvance(grid.TextMatrix(3, 1))) << "longer ends in …";
    const int limit = grid.ColWidthMax();
    grid.setColWidthMax(0);
    EXPECT_GT(grid.cellRect(3, 1).width(), metrics.horizontalAdvance(grid.TextMatrix(3, 1))) << "no limit: whole";
    grid.setColWidthMax(limit);
    EXPECT_EQ(grid.ColWidth(0), grid.cellRect(1, 0).width() * 15);
    EXPECT_EQ(grid.horizontalScrollBar()->maximum(), 0);
    grid.setColWidth(2, 2000);  // as after an add
    EXPECT_EQ(grid.horizontalScrollBar()->maximum(), 0);
    EXPECT_EQ(grid.firstScrolledCol(), 1);
    EXPECT_FALSE(grid.verticalScrollBar()->isVisibleTo(&grid));

    grid.Clear();
    fill(grid, 12);  // more surveys than fit: a vertical bar, still all three columns
    QCoreApplication::sendPostedEvents();  // the bars show and hide themselves on a posted call
    EXPECT_TRUE(grid.verticalScrollBar()->isVisibleTo(&grid));
    EXPECT_FALSE(grid.horizontalScrollBar()->isVisibleTo(&grid));

    fill(grid, 3);
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(grid.verticalScrollBar()->isVisibleTo(&grid));
}

TEST_F(ShownGrid, ClickingAnyCellOfADataRowMakesTheRowCurrentButTheHeaderAndBackgroundDoNot)
{
    fill(grid, 3);
    QSignalSpy changes(&grid, &MSHFlexGrid::RowColChange);

    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(2, 1));
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(changes.count(), 1);

    grid.setCol(2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(3, 0));  // survey number column
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Col(), 1);
    EXPECT_EQ(pixelAt(centreOf(3, 2)), grid.look().highlightBack.rgb());
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, centreOf(1, 0));
    EXPECT_EQ(grid.Row(), 1);

    changes.clear();
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, centreOf(0, 2));  // header
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(grid.viewport()->width() - 2, 5));
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(ShownGrid, ArrowKeysStayInsideTheDataCells)
{
    fill(grid, 3);
    QTest::keyClick(&grid, Qt::Key_Up);
    EXPECT_EQ(grid.Row(), 1);  // not into the header
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down);
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 3);
    QTest::keyClick(&grid, Qt::Key_Left);
    QTest::keyClick(&grid, Qt::Key_Left);
    EXPECT_EQ(grid.Col(), 1);  // not into the survey number column
    QTest::keyClick(&grid, Qt::Key_Right);
    QTest::keyClick(&grid, Qt::Key_Right);
    EXPECT_EQ(grid.Col(), 2);
}

TEST_F(ShownGrid, LongListsScrollUnderTheHeaderAndKeepTheCurrentRowInView)
{
    fill(grid, 40);
    ASSERT_GT(grid.verticalScrollBar()->maximum(), 0);
    for (int i = 0; i < 20; ++i)
        QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(grid.Row(), 21);
    EXPECT_GT(grid.firstScrolledRow(), 1);
    const QRect current = grid.cellRect(21, 2);
    ASSERT_FALSE(current.isEmpty());
    EXPECT_LE(current.bottom(), grid.viewport()->height());

    // A click on the first row under the header picks the scrolled-to row.
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, QPoint(80, grid.rowHeight() + 2));
    EXPECT_EQ(grid.Row(), grid.firstScrolledRow());

    grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
    EXPECT_EQ(grid.firstScrolledRow(), grid.verticalScrollBar()->maximum() + 1);
}

TEST_F(ShownGrid, RefillingWithFewerRowsResetsTheScrollPosition)
{
    fill(grid, 40);
    grid.verticalScrollBar()->setValue(30);
    ASSERT_EQ(grid.firstScrolledRow(), 31);
    fill(grid, 2);
    EXPECT_EQ(grid.firstScrolledRow(), 1);
    EXPECT_EQ(grid.verticalScrollBar()->maximum(), 0);
    EXPECT_FALSE(grid.viewport()->grab().isNull());
}

TEST_F(ShownGrid, LooksLikeADataGrid)
{
    fill(grid, 2);
    grid.setTextMatrix(0, 2, QString());  // blank cells so that the centre pixels show the background
    grid.setTextMatrix(1, 0, QString());
    grid.setTextMatrix(2, 0, QString());
    const auto &look = grid.look();
    EXPECT_EQ(pixelAt(centreOf(0, 2)), look.fixedBack.rgb());      // header row
    EXPECT_EQ(pixelAt(centreOf(2, 0)), look.fixedBack.rgb());      // fixed column
    EXPECT_EQ(pixelAt(centreOf(1, 1)), look.highlightBack.rgb());  // current row
    EXPECT_EQ(pixelAt(centreOf(2, 1)), look.cellBack.rgb());       // another row
    const QRect last = grid.cellRect(2, 2);
    EXPECT_EQ(pixelAt(QPoint(5, last.bottom() + 5)), look.background.rgb());  // below the last row
    EXPECT_EQ(pixelAt(QPoint(last.left() + 5, last.bottom())), look.gridLine.rgb());

    grid.setRow(2);  // the highlight follows the current row
    EXPECT_EQ(pixelAt(centreOf(1, 1)), look.cellBack.rgb());
    EXPECT_EQ(pixelAt(centreOf(2, 1)), look.highlightBack.rgb());
}
