// Not a test: builds one department sheet of the medical-technical report over a small made-up survey, for
// looking at it under Xvfb:  yjsheet_show <application folder> <position 1..17> [--pdf <out.pdf>]
// The folder must be a copy (survey 3's rows are written into its work table); ODBCINI should name a scratch file.
#include "Mmain.h"
#include "core/AppError.h"
#include "core/AppFolder.h"
#include "db/Connection.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Fonts.h"
#include "forms/Forms.h"
#include "medtech/Reportyj.h"
#include "spreadsheet/PrinterService.h"
#include "spreadsheet/Spreadsheet.h"

#include "SheetTestSupport.h"

#include <QApplication>
#include <QDir>
#include <cstdio>

using namespace hestova;

namespace {

// Twelve questionnaires with varied answers in every column.
void fillWorkTable()
{
    db::Connection connection;
    connection.Open(QString::fromLatin1(db::SurveyConnectionString));
    connection.Execute(QStringLiteral("delete from reporttempyj"));
    const int options[63] = {5, 2, 2, 3, 5, 5, 2, 2, 3, 3, 5, 5, 2, 2, 3, 5, 5, 2, 2, 3, 5, 5, 2, 2, 5, 5, 2, 2, 5, 5, 2,
                             3, 5, 3, 3, 2, 5, 3, 3, 2, 5, 2, 3, 5, 2, 5, 5, 5, 2, 3, 5, 5, 3, 5, 2, 3, 5, 2, 5, 5, 5, 5, 2};
    for (int row = 0; row < 12; ++row) {
        QString values = QStringLiteral("3");
        for (int q = 0; q < 63; ++q)
            values += QStringLiteral(",%1").arg(1 + (row * (q + 1) + row / 3) % options[q]);
        connection.Execute(QStringLiteral("insert into reporttempyj values(%1)").arg(values));
    }
    connection.Close();
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: yjsheet_show <application folder> <position 1..17> [--pdf <out.pdf>]\n");
        return 2;
    }
    const int pdfAt = args.indexOf(QStringLiteral("--pdf"));
    if (pdfAt > 0 && pdfAt + 1 < args.size())
        spreadsheet::PrinterService::replace(std::make_unique<PdfPrinterService>(args.at(pdfAt + 1)));

    try {
        forms::installFontSubstitutions();
        AppFolder::setPath(QDir(args.at(1)).absolutePath());
        db::registerSurveyDataSource(AppFolder::file(QStringLiteral("\\myd.mdb")));
        fillWorkTable();
        Mmain::ReportSurveyNo = 3;
        Mmain::ReportSurveyDate = QDateTime(QDate(2026, 3, 14), QTime(0, 0));
        Reportyj &window = forms::Forms::get<Reportyj>();
        window.Show();
        window.BuildDepartmentSheet(args.at(2).toInt());
        if (pdfAt > 0)
            window.F1Book1().invoke("PrintSheet", {false, false});
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.boxText()));
        return 1;
    }
    return app.exec();
}
