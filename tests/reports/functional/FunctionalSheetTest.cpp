// The functional sheets: layouts against their templates, counts and rates for small known answer sets.
#include "FunctionalReportFixture.h"

#include "functional/FunctionalSheets.h"
#include "functional/Reportzn.h"
#include "spreadsheet/Spreadsheet.h"

#include <QSet>

using namespace hestova::reports;

namespace {

QString templatePath(const FunctionalSheet &sheet)
{
    return QStringLiteral(HESTOVA_SOURCE_DIR "/data/report/") + sheet.templateFile();
}

}  // namespace

// Every block follows the one before from row 3 on, the overall row follows the last block, and the template
// has exactly those rows with empty count, rate and overall cells.
TEST(FunctionalSheetLayout, BlocksAreContiguousAndTemplatesLeaveTheirCellsFree)
{
    useSongFace();
    const QList<FunctionalSheet> &sheets = functionalSheets();
    ASSERT_EQ(sheets.size(), 24);
    QSet<QString> columns;
    for (int i = 0; i < sheets.size(); ++i) {
        const FunctionalSheet &sheet = sheets[i];
        SCOPED_TRACE(sheet.templateFile().toStdString());
        EXPECT_EQ(sheet.templateNumber, i + 1);
        EXPECT_GE(sheet.questions.size(), 2);
        EXPECT_LE(sheet.questions.size(), 6);
        int next = 3;
        for (const QuestionBlock &question : sheet.questions) {
            EXPECT_EQ(question.firstRow, next) << question.column.toStdString();
            next = question.lastRow + 1;
            columns.insert(question.column);
        }
        EXPECT_EQ(sheet.overallRow, next);

        hestova::spreadsheet::Spreadsheet book;
        book.ReadTemplate(templatePath(sheet));
        EXPECT_EQ(book.LastRow(), sheet.overallRow);
        EXPECT_EQ(book.LastCol(), 4);
        EXPECT_TRUE(book.CellText(1, 1).startsWith(sheet.unit)) << book.CellText(1, 1).toStdString();
        for (const QuestionBlock &question : sheet.questions) {
            EXPECT_FALSE(book.CellText(question.firstRow, 1).isEmpty());
            EXPECT_EQ(book.CellText(question.firstRow, RateColumn), QString());
            for (int row = question.firstRow; row <= question.lastRow; ++row)
                EXPECT_EQ(book.CellText(row, CountColumn), QString()) << row;
        }
        EXPECT_EQ(book.CellText(sheet.overallRow, RateColumn), QString());
    }
    EXPECT_EQ(columns.size(), 93);
}

// Answers 1, 1, 2, 3, 5 to the first question: 3 satisfied of 4 counted (5 is left out). A code the question
// does not have (6, a damaged row) is left out too: it would land in the next question's rows.
TEST_F(FunctionalReportFixture, CountsRatesAndMeanOfTheFirstSheet)
{
    answer("yb1", {1, 1, 2, 3, 5, 6});
    answer("yb3", {2});        // answers, none satisfied
    answer("yb4", {1, 1, 2});  // two answers, every one counted
    Reportzn &report = open();
    report.BuildZnSheet(1);

    EXPECT_EQ(report.sheetWidget().HeaderText(), QStringLiteral("青禾市中心医院      调查日期：2026-3-14"));
    expectCells(window->sheetWidget(), {{1, 1, "院办公室满意度调查统计表"}, {3, 3, "2"}, {4, 3, "1"}, {5, 3, "1"}, {6, 3, ""},
                                        {7, 3, "1"}, {3, 4, "75."}});
    // The question without answers keeps the template's cells, also the one code 6 of yb1 would reach.
    for (int row = 8; row <= 12; ++row)
        EXPECT_EQ(cell(row, 3), QString()) << row;
    expectCells(window->sheetWidget(), {{8, 4, ""}, {14, 3, "1"}, {13, 4, "."}, {15, 3, "2"}, {15, 4, "66.67"}});
    // (75 + 0 + 0 + 66.666..) / 4, the empty question included.
    expectCells(window->sheetWidget(), {{17, 4, "35.42"}, {2, 3, "人数"}});
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

// The answer sets of the 人事处 sheet: "未接触" stays out of the total, the other sets count every answer.
TEST_F(FunctionalReportFixture, AnswerSetsLeaveOutOnlyTheirUncountedCode)
{
    answer("rs1", {3, 5, 5});        // Grade4NeScale without satisfied answers
    answer("rs3", {1, 1, 2, 3, 3});  // YesNoNeScale: 2 of 3
    answer("rs5", {1, 2, 2, 2});     // TwoChoiceScale: 1 of 4
    answer("rs6", {1, 2, 3, 4});     // Grade4Scale: 2 of 4
    Reportzn &report = open();
    report.BuildZnSheet(4);

    expectCells(window->sheetWidget(), {{5, 3, "1"}, {7, 3, "2"}, {3, 4, "."}, {15, 3, "2"}, {13, 4, "66.67"},
                                        {21, 4, "25."}, {26, 3, "1"}, {23, 4, "50."}});
    // (0 + 0 + 66.666.. + 0 + 25 + 50) / 6
    EXPECT_EQ(cell(27, 4), QStringLiteral("23.61"));
}

// Without answers a sheet gets its header and an overall rate of 0; each sheet divides by its question count.
TEST_F(FunctionalReportFixture, EmptyQuestionsCountAsZeroInTheSheetsMean)
{
    Reportzn &report = open();
    report.BuildZnSheet(4);
    for (int row = 3; row <= 26; ++row) {
        EXPECT_EQ(cell(row, 3), QString()) << row;
        EXPECT_EQ(cell(row, 4), QString()) << row;
    }
    EXPECT_EQ(cell(27, 4), QStringLiteral("."));
    EXPECT_FALSE(report.sheetWidget().HeaderText().isEmpty());

    answer("yf1", {1, 2});
    report.BuildZnSheet(12);
    expectCells(window->sheetWidget(), {{3, 4, "100."}, {13, 4, "50."}});

    answer("cf3", {1, 5});
    report.BuildZnSheet(23);
    expectCells(window->sheetWidget(), {{10, 4, "100."}, {15, 4, "33.33"}});
}

// The printed sheet carries the title, the header line and the filled cells.
TEST_F(FunctionalReportFixture, PrintedSheetShowsTitleHeaderAndRates)
{
    answer("xj2", {1, 1, 2, 4, 5});
    Reportzn &report = open();
    report.BuildZnSheet(24);
    report.Command1_Click();

    ASSERT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();
    EXPECT_EQ(pdfPageCount(pdfPath), 1);
    const QString text = pdfText(pdfPath);
    for (const char *expected : {"洗浆房满意度调查统计表", "调查日期：2026-3-14", "较清洁干净", "75.", "25.", "平均满意率"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
}
