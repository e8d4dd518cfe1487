// Opens a report window over an application folder with a template loaded, for looking at it under Xvfb:
//   report_show <application folder> <template.vts> [br|yj|zn] [--pdf <out.pdf>]
// The folder must be a copy (its database gets survey 3 written into it); ODBCINI should name a scratch file.
// With --pdf the shown sheet is also printed to that file.
#include "Mmain.h"
#include "core/AppError.h"
#include "core/AppFolder.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Fonts.h"
#include "forms/Forms.h"
#include "functional/Reportzn.h"
#include "medtech/Reportyj.h"
#include "patient/Reportbr.h"
#include "spreadsheet/PrinterService.h"
#include "spreadsheet/Spreadsheet.h"

#include "SheetTestSupport.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

using namespace hestova;

namespace {

ReportWindow &openReport(const QString &kind)
{
    if (kind == QLatin1String("yj"))
        return forms::Forms::get<Reportyj>();
    if (kind == QLatin1String("zn"))
        return forms::Forms::get<Reportzn>();
    return forms::Forms::get<Reportbr>();
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: report_show <application folder> <template.vts> [br|yj|zn] [--pdf <out.pdf>]\n");
        return 2;
    }
    const int pdfAt = args.indexOf(QStringLiteral("--pdf"));
    if (pdfAt > 0 && pdfAt + 1 < args.size())
        spreadsheet::PrinterService::replace(std::make_unique<PdfPrinterService>(args.at(pdfAt + 1)));
    const QString kind = args.size() > 3 && args.at(3) != QLatin1String("--pdf") ? args.at(3) : QStringLiteral("br");

    try {
        forms::installFontSubstitutions();
        AppFolder::setPath(QDir(args.at(1)).absolutePath());
        db::registerSurveyDataSource(AppFolder::file(QStringLiteral("\\myd.mdb")));
        Mmain::ReportSurveyNo = 3;
        Mmain::ReportSurveyDate = QDateTime(QDate(2026, 3, 14), QTime(0, 0));
        ReportWindow &window = openReport(kind);
        window.Show();
        window.sheetWidget().ReadTemplate(args.at(2));
        window.sheetWidget().setSheetOption(false);
        window.sheetWidget().setHeaderText(QStringLiteral("青禾市中心医院      调查日期：2026-3-14"));
        if (pdfAt > 0)
            window.sheetWidget().PrintSheet(false, false);
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.boxText()));
        return 1;
    }
    return app.exec();
}
