// The sheet menu znmyd and print-all of the functional report window.
#include "FunctionalReportFixture.h"

#include "forms/MessageBox.h"
#include "functional/Reportzn.h"
#include "spreadsheet/Spreadsheet.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMenu>
#include <QPrinter>
#include <QTest>

namespace {

QStringList names(const QMenu &menu)
{
    QStringList result;
    for (const QAction *action : menu.actions())
        result.append(action->objectName());
    return result;
}

QAction *item(Reportzn &report, const QString &caption)
{
    QAction *found = report.SheetMenu().findChild<QAction *>(caption);
    if (!found) {
        for (QMenu *submenu : report.SheetMenu().findChildren<QMenu *>()) {
            for (QAction *action : submenu->actions()) {
                if (action->objectName() == caption)
                    found = action;
            }
        }
    }
    return found;
}

// Prints to numbered PDF files and records the title of each sheet it prints.
class RecordingPrinter : public hestova::spreadsheet::PrinterService {
public:
    RecordingPrinter(Reportzn &report, QString folder) : m_report(report), m_folder(std::move(folder)) {}

    void prepare(QPrinter &printer) override
    {
        printed.append(m_report.sheetWidget().CellText(1, 1));
        jobNames.append(printer.docName());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QStringLiteral("%1/print-%2.pdf").arg(m_folder).arg(printed.size()));
    }

    QStringList printed;
    QStringList jobNames;

private:
    Reportzn &m_report;
    QString m_folder;
};

QString title(const char *unit)
{
    return QString::fromUtf8(unit) + QStringLiteral("满意度调查统计表");
}

}  // namespace

TEST_F(FunctionalReportFixture, SheetMenuHasElevenItemsAndTwoSubmenusWithTheirKeys)
{
    Reportzn &report = open();
    const QStringList top = names(report.SheetMenu());
    const QStringList expectedTop = {
        "院办公室满意度报表", "党委办公室满意度报表", "纪检、监察处满意度报表", "人事处满意度报表",
        "护理部满意度报表", "医教处满意度报表", "设备处满意度报表", "财务处满意度报表",
        "保卫处满意度报表", "门诊部办公室满意度报表", "总务处满意度报表", "直属支部", "总务处及后勤班组"};
    EXPECT_EQ(top, expectedTop);

    QMenu *branch = report.SheetMenu().actions().at(11)->menu();
    QMenu *logistics = report.SheetMenu().actions().at(12)->menu();
    ASSERT_TRUE(branch && logistics);
    EXPECT_EQ(branch->title(), QStringLiteral("直属支部"));
    EXPECT_EQ(names(*branch), QStringList({"感染科满意度报表", "对外医疗服务处满意度报表", "网络管理室满意度报表",
                                           "信息科满意度报表", "保健科满意度报表", "车队满意度报表"}));
    EXPECT_EQ(names(*logistics), QStringList({"水管维修组满意度报表", "电工房满意度报表", "木工房满意度报表",
                                              "锅炉房满意度报表", "电梯房满意度报表", "厨房满意度报表",
                                              "洗浆房满意度报表"}));

    const struct {
        const char *caption;
        const char *key;
    } keys[] = {{"院办公室满意度报表", "Ctrl+F1"},  {"门诊部办公室满意度报表", "Ctrl+F11"},
                {"总务处满意度报表", "Shift+F6"},   {"木工房满意度报表", "Shift+F11"},
                {"锅炉房满意度报表", "Shift+F7"},   {"车队满意度报表", ""},
                {"洗浆房满意度报表", ""}};
    for (const auto &expected : keys) {
        QAction *action = item(report, QString::fromUtf8(expected.caption));
        ASSERT_TRUE(action) << expected.caption;
        EXPECT_EQ(action->shortcut(), QKeySequence(QString::fromLatin1(expected.key))) << expected.caption;
        EXPECT_EQ(action->text(), QString::fromUtf8(expected.caption));
    }
}

// Items past the tenth build templates out of menu order; picking an item twice gives the same sheet.
TEST_F(FunctionalReportFixture, PickedItemBuildsItsSheetFromItsTemplate)
{
    answer("zw1", {1, 3});
    Reportzn &report = open();
    for (int pick = 0; pick < 2; ++pick) {
        popups.chooseNext(QStringLiteral("总务处满意度报表"));
        report.memurept_Click();
        EXPECT_EQ(cell(1, 1), title("总务处"));
        expectCells(window->sheetWidget(), {{3, 3, "1"}, {5, 3, "1"}, {3, 4, "50."}});
    }
    EXPECT_TRUE(popups.allChoicesUsed());

    item(report, QStringLiteral("锅炉房满意度报表"))->trigger();
    EXPECT_EQ(cell(1, 1), title("锅炉房"));
    item(report, QStringLiteral("水管维修组满意度报表"))->trigger();
    EXPECT_EQ(cell(1, 1), title("水管维修组"));
    EXPECT_EQ(report.sheetWidget().LastRow(), 14);
    EXPECT_TRUE(boxes.boxes().isEmpty());
}

// The items' keys act while the window is active, the hidden menu closed.
TEST_F(FunctionalReportFixture, ItemKeysBuildTheirSheets)
{
    Reportzn &report = open();
    report.activateWindow();
    QCoreApplication::processEvents();
    ASSERT_TRUE(report.isActiveWindow());
    QTest::keyClick(&report, Qt::Key_F11, Qt::ControlModifier);
    EXPECT_EQ(cell(1, 1), title("门诊部办公室"));
    QTest::keyClick(&report, Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(cell(1, 1), title("锅炉房"));
}

// A picked sheet whose template is missing is reported; the window goes on with the sheet it showed.
TEST_F(FunctionalReportFixture, MissingTemplateOfAPickedSheetIsReported)
{
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("report/znmyd2.vts"))));
    Reportzn &report = open();
    item(report, QStringLiteral("院办公室满意度报表"))->trigger();
    item(report, QStringLiteral("党委办公室满意度报表"))->trigger();

    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("53：  "))) << boxes.last().text.toStdString();
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("znmyd2.vts")));
    EXPECT_EQ(boxes.last().title, QStringLiteral("错误"));
    EXPECT_EQ(boxes.last().icon(), hestova::forms::vbCritical);
    EXPECT_EQ(cell(1, 1), title("院办公室"));
    EXPECT_TRUE(report.isVisible());
}

// Print all builds and prints the 24 sheets in template order, with an empty work table too.
TEST_F(FunctionalReportFixture, PrintAllPrintsEverySheetInTemplateOrder)
{
    Reportzn &report = open();
    auto service = std::make_unique<RecordingPrinter>(report, folder.path());
    RecordingPrinter &printer = *service;
    usePrinter(std::move(service));
    report.command5_Click();

    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();
    const char *units[] = {"院办公室", "党委办公室", "纪检、监察处", "人事处", "护理部", "医教处", "设备处", "财务处",
                           "保卫处", "门诊部办公室", "感染科", "对外医疗服务处", "网络管理室", "信息科", "保健科",
                           "车队", "总务处", "锅炉房", "水管维修组", "电工房", "木工房", "电梯房", "厨房", "洗浆房"};
    QStringList expected;
    QStringList jobNames;
    for (const char *unit : units) {
        expected.append(title(unit));
        jobNames.append(QStringLiteral("行政职能科室满意度调查报表 - %1满意度报表").arg(QString::fromUtf8(unit)));
    }
    EXPECT_EQ(printer.printed, expected);
    EXPECT_EQ(printer.jobNames, jobNames);
    EXPECT_EQ(cell(1, 1), title("洗浆房"));
    EXPECT_EQ(cell(18, 4), QStringLiteral("."));
    EXPECT_EQ(pdfPageCount(folder.file(QStringLiteral("print-24.pdf"))), 1);
}

// The first failing sheet ends print all in the "错误" box: the sheets before it stay printed.
TEST_F(FunctionalReportFixture, PrintAllStopsAtTheFirstFailingSheet)
{
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("report/znmyd5.vts"))));
    Reportzn &report = open();
    auto service = std::make_unique<RecordingPrinter>(report, folder.path());
    RecordingPrinter &printer = *service;
    usePrinter(std::move(service));
    report.command5_Click();

    EXPECT_EQ(printer.printed, QStringList({title("院办公室"), title("党委办公室"), title("纪检、监察处"), title("人事处")}));
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("53：  "))) << boxes.last().text.toStdString();
    EXPECT_EQ(boxes.last().title, QStringLiteral("错误"));
    EXPECT_TRUE(report.isVisible());

    // The window stays usable: the next pick builds its sheet.
    answer("hl1", {1});
    ASSERT_TRUE(QFile::copy(QStringLiteral(HESTOVA_SOURCE_DIR "/data/report/znmyd5.vts"),
                            folder.file(QStringLiteral("report/znmyd5.vts"))));
    item(report, QStringLiteral("护理部满意度报表"))->trigger();
    expectCells(window->sheetWidget(), {{3, 4, "100."}, {23, 4, "20."}});
}
