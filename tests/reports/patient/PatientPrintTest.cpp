// "打印全部" of the patient report: six sheets built and printed in menu order, the first error ends the run.
#include "PatientReportTest.h"

#include "forms/MessageBox.h"
#include "patient/Reportbr.h"
#include "spreadsheet/Spreadsheet.h"

#include <QFile>

TEST_F(PatientReportTest, PrintAllPrintsTheSixSheetsAndLeavesTheLastShown)
{
    addRow(3, {{"yq28", 2}});
    addRow(17, {{"yq28", 6}});
    Reportbr &window = openReport();
    window.command5_Click();

    ASSERT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();
    EXPECT_EQ(pdf->prepared, 6);
    EXPECT_EQ(cell(window, 1, 1), QStringLiteral("病人满意度调查统计表（六）"));

    // The last print is sheet 6, on one landscape page, header line and all.
    EXPECT_EQ(pdfPageCount(pdfPath), 1);
    const QSizeF page = pdfPageSize(pdfPath);
    EXPECT_GT(page.width(), page.height());
    const QString text = pdfText(pdfPath);
    for (const char *expected : {"病人满意度调查统计表（六）", "调查日期：2026-3-14", "科室", "满意率", "合计",
                                 "消化内科", "耳鼻咽喉科", "50."}) {
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    }
}

TEST_F(PatientReportTest, PrintAllToAChosenFileNamesEachFileByItsSheetsPlace)
{
    addRow(3, {});
    const QString chosen = folder.file(QStringLiteral("报表.pdf"));
    usePrinter(std::make_unique<FileChosenInSetUp>(chosen));
    Reportbr &window = openReport();
    window.Command2_Click();
    pickSheet(window, 2);
    window.Command1_Click();  // a single print before the run changes nothing of the run's names
    window.command5_Click();

    ASSERT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();
    EXPECT_TRUE(pdfText(chosen).contains(QStringLiteral("统计表（二）")));
    // Each print is named after the report and its sheet's menu item.
    const QString name = QStringLiteral("病人满意度调查报表 - 病人满意度调查报表%1");
    EXPECT_EQ(pdfTitle(chosen), name.arg(2));
    const QStringList places = {QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三"),
                                QStringLiteral("四"), QStringLiteral("五"), QStringLiteral("六")};
    for (int n = 1; n <= 6; ++n) {
        const QString file = folder.file(QStringLiteral("报表-%1.pdf").arg(n));
        EXPECT_TRUE(pdfText(file).contains(QStringLiteral("统计表（%1）").arg(places[n - 1]))) << n;
        EXPECT_EQ(pdfTitle(file), name.arg(n));
    }
    EXPECT_FALSE(QFile::exists(folder.file(QStringLiteral("报表-7.pdf"))));
}

TEST_F(PatientReportTest, PrintAllStopsAtTheFirstFailingSheet)
{
    addRow(3, {});
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("report/brmyd4.vts"))));
    Reportbr &window = openReport();
    window.command5_Click();

    EXPECT_EQ(pdf->prepared, 3);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.last().title, QStringLiteral("错误"));
    EXPECT_EQ(boxes.last().icon(), hestova::forms::vbCritical);
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("brmyd4.vts"))) << boxes.last().text.toStdString();
    // The failed read left sheet 3 shown.
    EXPECT_EQ(cell(window, 1, 1), QStringLiteral("病人满意度调查统计表（三）"));
}

TEST_F(PatientReportTest, PrintAllOnASurveyWithoutAnswersStillPrintsSixSheets)
{
    Reportbr &window = openReport();
    window.command5_Click();

    EXPECT_TRUE(boxes.boxes().isEmpty());
    EXPECT_EQ(pdf->prepared, 6);
    EXPECT_EQ(window.sheetWidget().LastRow(), 10);
}
