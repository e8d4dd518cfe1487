// A report window that meets an error while it opens or closes reports it and keeps going.
#include "ReportFixture.h"

#include "windows/Mainform.h"
#include "core/AppError.h"
#include "forms/Forms.h"
#include "patient/Reportbr.h"
#include "spreadsheet/Spreadsheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLabel>

using namespace hestova::forms;

namespace {

Reportbr &openPatientReport()
{
    Reportbr &window = Forms::get<Reportbr>();
    window.Show();
    QCoreApplication::processEvents();
    return window;
}

// A report window whose print-all run fails at its second sheet.
class FailingPrintAll : public ReportWindow {
public:
    FailingPrintAll() : ReportWindow(QStringLiteral("Reportbr"), QStringLiteral("brmydbb"), {}) {}
    int runs = 0;

protected:
    void PrintAllSheets() override
    {
        ++runs;
        throw hestova::AppError(53, QStringLiteral("文件未找到：\\report\\brmyd2.vts"));
    }
};

}  // namespace

class ReportFailureTest : public ReportFixture {
protected:
    // Every box shown was the "错误" box.
    void expectOnlyErrorBoxes() const
    {
        for (const auto &box : boxes.boxes()) {
            EXPECT_EQ(box.title, QStringLiteral("错误")) << box.text.toStdString();
            EXPECT_EQ(box.icon(), vbCritical);
        }
    }
};

TEST_F(ReportFailureTest, MissingDatabaseIsReportedAndTheWindowStillOpens)
{
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("myd.mdb"))));
    Reportbr &window = openPatientReport();

    ASSERT_EQ(boxes.boxes().size(), 1);
    expectOnlyErrorBoxes();
    EXPECT_FALSE(window.isConnected());
    EXPECT_EQ(window.WindowState(), vbMaximized);
    EXPECT_EQ(window.Label1().text(), QStringLiteral("调查序号:3"));
    EXPECT_EQ(window.Label2().text(), QStringLiteral("调查时间:2026-3-14"));

    // Printing works without the database, and closing brings the main window back.
    window.Command1_Click();
    EXPECT_EQ(boxes.boxes().size(), 1);
    window.command4_Click();
    finishUnloads();
    EXPECT_FALSE(Forms::isLoaded<Reportbr>());
    EXPECT_TRUE(Forms::isLoaded<Mainform>());
}

TEST_F(ReportFailureTest, PrintAllErrorEndsTheRunInTheErrorBox)
{
    FailingPrintAll &window = Forms::get<FailingPrintAll>();
    window.Show();
    window.command5_Click();

    EXPECT_EQ(window.runs, 1);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("53：  文件未找到：\\report\\brmyd2.vts"));
    EXPECT_EQ(boxes.last().title, QStringLiteral("错误"));
    EXPECT_EQ(boxes.last().icon(), vbCritical);
    EXPECT_TRUE(Forms::isLoaded<FailingPrintAll>());
    Forms::unload<FailingPrintAll>();
}

TEST_F(ReportFailureTest, MissingSkinPictureIsReportedOnceAndTheWindowOpens)
{
    ASSERT_TRUE(QFile::remove(folder.file(QStringLiteral("skin/close.bmp"))));
    Reportbr &window = openPatientReport();

    ASSERT_EQ(boxes.boxes().size(), 1);
    expectOnlyErrorBoxes();
    EXPECT_TRUE(boxes.last().text.contains(QStringLiteral("close.bmp"))) << boxes.last().text.toStdString();
    EXPECT_TRUE(window.isConnected());
    EXPECT_EQ(window.WindowState(), vbMaximized);
    EXPECT_EQ(window.Label1().text(), QStringLiteral("调查序号:3"));
}

TEST_F(ReportFailureTest, MissingControlLibrariesLeaveAUsableWindow)
{
    QDir(folder.file(QStringLiteral("controls"))).removeRecursively();
    Reportbr &window = openPatientReport();

    EXPECT_FALSE(boxes.boxes().isEmpty());
    // The window's own steps add no reports of controls that were never created.
    for (const auto &box : boxes.boxes()) {
        for (const char *control : {"Command1", "memurept", "UCQuillon2"})
            EXPECT_FALSE(box.text.contains(QLatin1String(control))) << box.text.toStdString();
    }
    expectOnlyErrorBoxes();
    // Everything that does not need the controls is there.
    EXPECT_TRUE(Forms::isLoaded<Reportbr>());
    EXPECT_EQ(window.WindowState(), vbMaximized);
    EXPECT_EQ(window.Label1().text(), QStringLiteral("调查序号:3"));
    EXPECT_TRUE(window.isConnected());
    window.Command1_Click();
    EXPECT_TRUE(QFile::exists(pdfPath));

    window.command4_Click();
    finishUnloads();
    EXPECT_FALSE(Forms::isLoaded<Reportbr>());
    EXPECT_TRUE(Forms::isLoaded<Mainform>());
}
