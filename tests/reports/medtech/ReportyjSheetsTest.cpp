// The department sheets of the medical-technical report: counts and rates in their cells for a known survey,
// the sheet menu, and print all.
#include "ReportFixture.h"

#include "db/Connection.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Forms.h"
#include "medtech/Reportyj.h"
#include "spreadsheet/Spreadsheet.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <map>

using hestova::forms::Forms;
using hestova::forms::vbCritical;

namespace {

// Answers of one column: code -> number of questionnaires.
using Answers = std::map<int, int>;

// Records the title of each sheet as it goes to the printer.
class RecordingPrinter : public PdfPrinterService {
public:
    RecordingPrinter(const QString &pdfPath, const hestova::spreadsheet::Spreadsheet &sheet)
        : PdfPrinterService(pdfPath), m_sheet(sheet)
    {
    }
    void prepare(QPrinter &printer) override
    {
        titles.append(m_sheet.CellText(1, 1));
        jobNames.append(printer.docName());
        PdfPrinterService::prepare(printer);
    }
    QStringList titles;
    QStringList jobNames;

private:
    const hestova::spreadsheet::Spreadsheet &m_sheet;
};

}  // namespace

class ReportyjSheetsTest : public ReportFixture {
protected:
    void SetUp() override
    {
        ReportFixture::SetUp();
        QDir().mkpath(folder.file(QStringLiteral("report")));
        const QDir templates(QStringLiteral(HESTOVA_SOURCE_DIR "/data/report"));
        for (const QString &name : templates.entryList({QStringLiteral("yjmyd*.vts")}))
            QFile::copy(templates.filePath(name), folder.file(QStringLiteral("report/") + name));
        execute(QStringLiteral("delete from reporttempyj"));
        window = &Forms::get<Reportyj>();
        window->Show();
        QCoreApplication::processEvents();
        ASSERT_TRUE(window->isConnected());
    }

    void execute(const QString &statement)
    {
        hestova::db::Connection connection;
        connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
        connection.Execute(statement);
        connection.Close();
    }

    // One questionnaire row per answer, holding only that answer.
    void answer(const char *column, const Answers &answers)
    {
        for (const auto &[code, count] : answers) {
            for (int i = 0; i < count; ++i) {
                execute(QStringLiteral("insert into reporttempyj (id, %1) values (%2, %3)")
                            .arg(QLatin1String(column))
                            .arg(ReportedSurvey)
                            .arg(code));
            }
        }
    }

    QString cell(int row, int col) const { return window->sheetWidget().CellText(row, col); }

    QAction *menuItem(const QString &caption) const
    {
        for (QAction *item : window->SheetMenu().actions()) {
            if (item->objectName() == caption)
                return item;
        }
        ADD_FAILURE() << "no sheet-menu item " << caption.toStdString();
        return nullptr;
    }

    void expectWorkingFieldsCleared() const
    {
        const auto &fields = window->builder();
        EXPECT_EQ(fields.SatCount1, 0);
        EXPECT_EQ(fields.SatCount2, 0);
        for (double rate : fields.QuestionRate)
            EXPECT_EQ(rate, 0);
    }

    Reportyj *window = nullptr;
};

TEST_F(ReportyjSheetsTest, LaboratorySheetShowsCountsRatesAndTheirMean)
{
    answer("jy1", {{1, 6}, {2, 2}, {4, 2}, {5, 10}});  // 未接触 left out: 8 × 100 / 10
    answer("jy2", {{1, 3}, {2, 1}});                   // 75
    answer("jy4", {{1, 1}, {2, 1}, {3, 1}});           // every code counted: 66.67
    answer("jy5", {{5, 3}});                           // counted directly; only 未接触: rate 0
    answer("jy5", {{0, 2}});                           // 0 is no answer

    for (int build = 0; build < 2; ++build) {
        window->BuildDepartmentSheet(1);
        EXPECT_EQ(window->F1Book1().get("HeaderText").toString(),
                  QStringLiteral("青禾市中心医院      调查日期：2026-3-14"));
        EXPECT_EQ(cell(1, 1), QStringLiteral("检验科满意度调查统计表"));
        const QStringList counts = {"6", "2", "", "2", "10", "3", "1", "", "", "1", "1", "1", "", "", "", "", "3"};
        for (int row = 3; row <= 19; ++row)
            EXPECT_EQ(cell(row, 3), counts[row - 3]) << "row " << row;
        // Row 10 has no answers: the template's empty cell. Row 20: (80 + 75 + 0 + 66.67 + 0) / 5, the divisor
        // staying 5.
        expectCells(window->sheetWidget(),
                    {{3, 4, "80."}, {8, 4, "75."}, {10, 4, ""}, {12, 4, "66.67"}, {15, 4, "."}, {20, 4, "44.33"}});
        expectWorkingFieldsCleared();
    }
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ReportyjSheetsTest, RadiologySheetCountsItsLastQuestionDirectly)
{
    answer("fs2", {{1, 6}, {2, 2}});  // code 1 only satisfied: 75
    answer("fs3", {{2, 4}});          // no satisfied answer: 0
    answer("fs6", {{1, 1}, {2, 1}, {3, 2}, {5, 4}});
    window->BuildDepartmentSheet(2);
    expectCells(window->sheetWidget(), {{8, 3, "6"}, {8, 4, "75."}, {11, 3, "4"}, {10, 4, "."}, {18, 3, "1"},
                                        {22, 3, "4"}, {18, 4, "50."}});
    EXPECT_EQ(cell(23, 4), QStringLiteral("20.83"));  // (75 + 0 + 50) / 6
}

TEST_F(ReportyjSheetsTest, EverySheetOfAnEmptySurveyShowsOnlyItsZeroMean)
{
    const int overallRows[] = {20, 23, 20, 20, 17, 17, 13, 16, 16, 13, 20, 13, 16, 13, 10, 18, 10};
    for (int position = 1; position <= 17; ++position) {
        window->BuildDepartmentSheet(position);
        EXPECT_EQ(cell(overallRows[position - 1], 4), QStringLiteral(".")) << "sheet " << position;
        EXPECT_EQ(cell(3, 3), QString()) << "sheet " << position;
        EXPECT_EQ(cell(3, 4), QString()) << "sheet " << position;
        EXPECT_EQ(window->sheetWidget().LastRow(), overallRows[position - 1]) << "sheet " << position;
    }
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

TEST_F(ReportyjSheetsTest, NoCountOfOneSheetEntersTheNext)
{
    answer("ss4", {{1, 3}, {2, 1}, {4, 1}});  // operating theatre question 4: 4 × 100 / 5
    answer("ct1", {{1, 2}, {3, 2}});          // no 较满意: 2 × 100 / 4
    window->BuildDepartmentSheet(11);
    expectCells(window->sheetWidget(), {{15, 3, "3"}, {16, 3, "1"}, {18, 3, "1"}, {15, 4, "80."}, {20, 4, "20."}});

    window->BuildDepartmentSheet(5);
    expectCells(window->sheetWidget(), {{3, 4, "50."}, {17, 4, "12.5"}});
}

TEST_F(ReportyjSheetsTest, SheetMenuListsTheSeventeenSheetsAndBuildsTheChosenOne)
{
    const QList<QAction *> items = window->SheetMenu().actions();
    ASSERT_EQ(items.size(), 17);
    EXPECT_EQ(items[0]->text(), QStringLiteral("检验科满意度报表"));
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(QStringLiteral("Ctrl+F1")));
    EXPECT_EQ(items[9]->objectName(), QStringLiteral("西药库房满意度报表"));
    EXPECT_EQ(items[9]->shortcut(), QKeySequence(QStringLiteral("Ctrl+F11")));
    EXPECT_EQ(items[16]->text(), QStringLiteral("药品分析室满意度报表"));
    EXPECT_EQ(items[16]->shortcut(), QKeySequence(QStringLiteral("Ctrl+F")));

    answer("yy2", {{1, 3}, {2, 1}});  // nutrition room question 2 ("yy2")
    menuItem(QStringLiteral("营养室满意度报表"))->trigger();
    expectCells(window->sheetWidget(), {{1, 1, "营养室满意度调查统计表"}, {8, 4, "75."}, {10, 4, "37.5"}});
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

// A failing build from the menu reports its error and leaves nothing behind for the next sheet.
TEST_F(ReportyjSheetsTest, FailedBuildShowsTheErrorBoxAndLeavesNoRateBehind)
{
    answer("fs1", {{1, 2}});  // radiology question 1: 100
    answer("fs2", {{3, 1}});  // a code the two-answer question does not have
    menuItem(QStringLiteral("放射科满意度报表"))->trigger();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.last().title, QStringLiteral("错误"));
    EXPECT_EQ(boxes.last().icon(), vbCritical);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("9：  "))) << boxes.last().text.toStdString();
    EXPECT_EQ(cell(3, 4), QStringLiteral("100."));
    EXPECT_EQ(cell(10, 3), QString());  // not written into question 3's rows
    EXPECT_TRUE(Forms::isLoaded<Reportyj>());
    expectWorkingFieldsCleared();

    window->BuildDepartmentSheet(1);  // no laboratory answers
    EXPECT_EQ(cell(20, 4), QStringLiteral("."));
}

TEST_F(ReportyjSheetsTest, PrintAllPrintsEverySheetInMenuOrder)
{
    auto service = std::make_unique<RecordingPrinter>(pdfPath, window->sheetWidget());
    RecordingPrinter *printer = service.get();
    usePrinter(std::move(service));
    answer("yp1", {{1, 1}, {3, 1}});

    window->command5_Click();
    EXPECT_TRUE(boxes.boxes().isEmpty());
    ASSERT_EQ(printer->titles.size(), 17);
    EXPECT_EQ(printer->titles[0], QStringLiteral("检验科满意度调查统计表"));
    EXPECT_EQ(printer->titles[9], QStringLiteral("西药库房满意度调查统计表"));
    EXPECT_EQ(printer->titles[16], QStringLiteral("药品分析室满意度调查统计表"));
    EXPECT_EQ(printer->jobNames[0], QStringLiteral("医技科室满意度调查报表 - 检验科满意度报表"));
    EXPECT_EQ(printer->jobNames[16], QStringLiteral("医技科室满意度调查报表 - 药品分析室满意度报表"));
    EXPECT_EQ(cell(1, 1), QStringLiteral("药品分析室满意度调查统计表"));

    // The last print: one portrait page with the header, the labels and the counts.
    EXPECT_EQ(pdfPageCount(pdfPath), 1);
    const QSizeF page = pdfPageSize(pdfPath);
    EXPECT_LT(page.width(), page.height());
    const QString text = pdfText(pdfPath);
    for (const char *expected : {"青禾市中心医院", "2026-3-14", "药品分析室满意度调查统计表", "平均满意率",
                                 "2、药品分析室是否能及时", "50.", "25."}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << "\n" << text.toStdString();
    }
}

TEST_F(ReportyjSheetsTest, MissingTemplateStopsPrintAllAtItsSheet)
{
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("report/yjmyd3.vts"))));
    window->command5_Click();
    EXPECT_EQ(pdf->prepared, 2);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("53：  "))) << boxes.last().text.toStdString();
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("yjmyd3.vts")));
    EXPECT_EQ(cell(1, 1), QStringLiteral("放射科满意度调查统计表"));  // the failed step kept the sheet before
    EXPECT_TRUE(Forms::isLoaded<Reportyj>());
}
