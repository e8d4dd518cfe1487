#include "ReportFixture.h"

#include "windows/Mainform.h"
#include "Mmain.h"
#include "TestDatabase.h"
#include "db/Connection.h"
#include "surveydata/SurveyDataSource.h"
#include "spreadsheet/Spreadsheet.h"
#include "forms/Forms.h"
#include "functional/Reportzn.h"
#include "medtech/Reportyj.h"
#include "patient/Reportbr.h"

#include <QCoreApplication>

using hestova::forms::Forms;

void expectCells(const hestova::spreadsheet::Spreadsheet &sheet, std::initializer_list<ExpectedCell> cells)
{
    for (const ExpectedCell &cell : cells)
        EXPECT_EQ(sheet.CellText(cell.row, cell.col).toStdString(), cell.text) << "cell " << cell.row << "," << cell.col;
}

void ReportFixture::SetUp()
{
    useSongFace();
    Forms::setQuitHook([] {});
    TestDatabase::create(folder);
    folder.copyControls();
    folder.copySkin();

    // What the report picker leaves behind after generating survey 3.
    hestova::db::Connection connection;
    connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
    connection.Execute(QStringLiteral("insert into mydjb values (?, ?, ?)"),
                       {ReportedSurvey, QStringLiteral("2026-3-14"), QStringLiteral("一季度调查")});
    for (const char *table : {"reporttemp", "reporttempyj", "reporttempzn"})
        connection.Execute(QStringLiteral("insert into %1 (id) values (?)").arg(QLatin1String(table)), {ReportedSurvey});
    connection.Close();
    Mmain::ReportSurveyNo = ReportedSurvey;
    Mmain::ReportSurveyDate = reportedSurveyDate();

    pdfPath = folder.file(QStringLiteral("sheet.pdf"));
    auto service = std::make_unique<PdfPrinterService>(pdfPath);
    pdf = service.get();
    printer = std::make_unique<ScopedPrinterService>(std::move(service));
}

void ReportFixture::TearDown()
{
    Forms::unload<Reportbr>();
    Forms::unload<Reportyj>();
    Forms::unload<Reportzn>();
    Forms::unload<Mainform>();
    finishUnloads();
    printer.reset();
    Forms::setQuitHook(nullptr);
}

void ReportFixture::usePrinter(std::unique_ptr<hestova::spreadsheet::PrinterService> service)
{
    pdf = dynamic_cast<PdfPrinterService *>(service.get());
    printer.reset();
    printer = std::make_unique<ScopedPrinterService>(std::move(service));
}

void ReportFixture::finishUnloads()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
