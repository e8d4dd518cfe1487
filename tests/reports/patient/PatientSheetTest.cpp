// The patient sheets built from the saved queries over a small known work table.
#include "PatientReportTest.h"

#include "forms/Forms.h"
#include "forms/MessageBox.h"
#include "patient/Reportbr.h"
#include "spreadsheet/Spreadsheet.h"

#include <QAction>
#include <QMenu>

using hestova::forms::vbCritical;
using hestova::spreadsheet::HAlign;
using hestova::spreadsheet::LineStyle;
using hestova::spreadsheet::VAlign;

namespace {

// Every cell of rows first..last, columns 1..lastCol, has the report's framed look.
void expectFramed(const hestova::spreadsheet::Sheet &sheet, int lastRow, int lastCol)
{
    for (int row = 11; row <= lastRow; ++row) {
        for (int col = 1; col <= lastCol; ++col) {
            const auto &style = sheet.style(row, col);
            EXPECT_EQ(style.fontSize, 10) << row << "," << col;
            EXPECT_EQ(style.fontName, QStringLiteral("宋体"));
            EXPECT_EQ(style.hAlign, HAlign::Center);
            EXPECT_EQ(style.vAlign, VAlign::Center);
            for (const auto &border : style.borders)
                EXPECT_EQ(border.style, LineStyle::Thin) << row << "," << col;
        }
    }
}

bool hasBorders(const hestova::spreadsheet::Sheet &sheet, int row, int col)
{
    for (const auto &border : sheet.style(row, col).borders) {
        if (border.style != LineStyle::None)
            return true;
    }
    return false;
}

}  // namespace

TEST_F(PatientReportTest, SheetMenuHoldsTheSixSheetsWithTheirKeys)
{
    Reportbr &window = openReport();
    const QList<QAction *> items = window.SheetMenu().actions();
    ASSERT_EQ(items.size(), 6);
    EXPECT_EQ(items[0]->text(), QStringLiteral("病人满意度调查报表1"));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F1));
    EXPECT_EQ(items[4]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_F5));
    EXPECT_EQ(items[5]->text(), QStringLiteral("病人满意度调查报表6"));
    EXPECT_EQ(items[5]->shortcut(), QKeySequence(Qt::SHIFT | Qt::Key_F6));
}

TEST_F(PatientReportTest, SheetOneCountsRatesTotalsAndDepartmentShares)
{
    // 消化内科 (3): five questionnaires; 血液科 (7): two.
    addRow(3, {{"zy2", 1}, {"yb3", 1}, {"dy4", 1}});
    addRow(3, {{"zy2", 1}, {"yb3", 2}, {"dy4", 1}});
    addRow(3, {{"zy2", 12}, {"yb3", 3}, {"dy4", 1}});
    addRow(3, {{"zy2", 5}, {"yb3", 6}, {"dy4", 2}});
    addRow(3, {{"zy2", 11}, {"yb3", 6}, {"dy4", 5}});
    addRow(7, {{"zy2", 12}, {"yb3", 6}, {"dy4", 3}, {"ystd5", 2}});
    addRow(7, {{"zy2", 12}, {"yb3", 6}, {"dy4", 4}, {"ystd5", 3}});
    Reportbr &window = openReport();
    pickSheet(window, 1);
    ASSERT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();

    const auto &sheet = window.sheetWidget();
    EXPECT_EQ(sheet.LastCol(), 33);
    EXPECT_EQ(sheet.LastRow(), 13);
    EXPECT_EQ(sheet.HeaderText(), QStringLiteral("青禾市中心医院      调查日期：2026-3-14"));
    EXPECT_EQ(sheet.RowSize(12), 300);

    // Names, questionnaires and their total.
    expectCells(window.sheetWidget(), {{11, 1, "合计"}, {12, 1, "消化内科"}, {13, 1, "血液科"}, {12, 2, "5"}, {13, 2, "2"},
                                       {11, 2, "7"}});

    // Occupation: "其他" has no column and never lands in question 3's first column.
    expectCells(window.sheetWidget(), {{12, 3, "2"}, {12, 7, "1"}, {12, 13, "1"}, {12, 4, ""}, {13, 14, ""},
                                       {11, 3, "2"}});

    // Question 3: 未接触 shown but left out; a department with only 未接触 gets the zero rate.
    expectCells(window.sheetWidget(), {{12, 14, "1"}, {12, 19, "2"}, {12, 20, "66.67"}, {13, 19, "2"}, {13, 20, "."},
                                       {11, 14, "1"}, {11, 19, "4"}, {11, 20, "66.67"}});

    // Question 4: counts 3, 1, 0, 0, 1 rate 80; no satisfied answer gives the zero rate.
    expectCells(window.sheetWidget(), {{12, 21, "3"}, {12, 23, ""}, {12, 26, "80."}, {13, 26, "."}, {11, 26, "57.14"}});

    // Question 5.
    expectCells(window.sheetWidget(), {{12, 32, "100."}, {13, 32, "50."}, {11, 32, "85.71"}});

    // Department shares (11 of 13 and 1 of 4 answers satisfied) and their mean.
    expectCells(window.sheetWidget(), {{12, 33, "84.62"}, {13, 33, "25."}, {11, 33, "54.81"}});

    expectFramed(sheet.sheet(), 13, 33);
    EXPECT_EQ(sheet.SelectionRef(), QStringLiteral("A1"));
}

TEST_F(PatientReportTest, SheetSixRatesLeaveOutDontKnowAndCountEveryBanquetAnswer)
{
    // 肾内科 (5)
    addRow(5, {{"hd23", 4}, {"xs24", 2}, {"sy27", 2}, {"yq28", 1}});
    addRow(5, {{"hd23", 4}, {"xs24", 2}, {"sy27", 2}, {"yq28", 1}});
    addRow(5, {{"hd23", 4}, {"xs24", 2}, {"sy27", 2}, {"yq28", 5}});
    addRow(5, {{"hd23", 4}, {"xs24", 2}, {"sy27", 2}, {"yq28", 6}});
    // 骨科 (9)
    addRow(9, {{"hd23", 1}, {"xs24", 1}, {"sy27", 1}, {"yq28", 2}});
    addRow(9, {{"hd23", 2}, {"xs24", 4}, {"sy27", 1}, {"yq28", 2}});
    Reportbr &window = openReport();
    pickSheet(window, 6);
    ASSERT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();

    EXPECT_EQ(window.sheetWidget().LastRow(), 13);
    expectCells(window.sheetWidget(), {{12, 1, "肾内科"}, {13, 1, "骨科"}});

    // Question 23: only 不知道 gives the zero rate; the totals leave 不知道 out.
    expectCells(window.sheetWidget(), {{12, 5, "4"}, {12, 6, "."}, {13, 6, "50."}, {11, 5, "4"}, {11, 6, "50."}});
    // Question 24: 难说 counts but does not satisfy.
    expectCells(window.sheetWidget(), {{12, 8, "4"}, {12, 11, "."}, {13, 10, "1"}, {13, 11, "100."}, {11, 11, "20."}});
    // Question 25.
    EXPECT_EQ(cell(window, 12, 15), QStringLiteral("100."));
    // Question 27 rates 有.
    expectCells(window.sheetWidget(), {{12, 21, "4"}, {12, 22, "."}, {13, 22, "100."}, {11, 22, "33.33"}});
    // Question 28: all six codes in the denominator.
    expectCells(window.sheetWidget(), {{12, 23, "2"}, {12, 27, "1"}, {12, 28, "1"}, {12, 29, "50."}, {13, 29, "100."},
                                       {11, 29, "66.67"}});

    expectFramed(window.sheetWidget().sheet(), 13, 29);
}

TEST_F(PatientReportTest, SheetFourLeavesNotEncounteredOutOfBothRates)
{
    addRow(1, {{"mz16", 1}});
    addRow(1, {{"mz16", 3}});
    addRow(1, {{"mz16", 5}});
    Reportbr &window = openReport();
    pickSheet(window, 4);
    ASSERT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();

    expectCells(window.sheetWidget(), {{12, 1, "心血管内科"}, {12, 20, "1"}, {12, 21, "50."}, {11, 20, "1"}, {11, 21, "50."},
                                       {12, 8, "100."}});
}

TEST_F(PatientReportTest, EmptySurveyShowsTheTemplateAndHeaderOnly)
{
    Reportbr &window = openReport();
    pickSheet(window, 3);

    EXPECT_TRUE(boxes.boxes().isEmpty());
    const auto &sheet = window.sheetWidget();
    EXPECT_EQ(cell(window, 1, 1), QStringLiteral("病人满意度调查统计表（三）"));
    EXPECT_EQ(sheet.HeaderText(), QStringLiteral("青禾市中心医院      调查日期：2026-3-14"));
    EXPECT_EQ(sheet.LastRow(), 10);
    EXPECT_EQ(cell(window, 11, 1), QString());
    EXPECT_FALSE(hasBorders(sheet.sheet(), 11, 1));
}

TEST_F(PatientReportTest, MissingQueryIsReportedAndTheEarlierBlocksStayUnframed)
{
    addRow(2, {{"jy10", 2}, {"fs11", 3}});
    execute(QStringLiteral("drop view jc12"));
    Reportbr &window = openReport();
    pickSheet(window, 3);

    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.last().title, QStringLiteral("错误"));
    EXPECT_EQ(boxes.last().icon(), vbCritical);
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("jc12"))) << boxes.last().text.toStdString();
    EXPECT_TRUE(hestova::forms::Forms::isLoaded<Reportbr>());

    expectCells(window.sheetWidget(), {{12, 1, "呼吸内科"}, {12, 8, "100."}, {12, 11, "1"}, {11, 15, "."}, {12, 16, ""}});
    EXPECT_FALSE(hasBorders(window.sheetWidget().sheet(), 12, 2));

    // The window stays usable: the next sheet builds.
    pickSheet(window, 2);
    EXPECT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(cell(window, 12, 7), QStringLiteral("100."));
}
