#include "PatientReportTest.h"

#include "db/Connection.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Forms.h"
#include "patient/Reportbr.h"
#include "spreadsheet/Spreadsheet.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenu>

namespace {
const char *const AnswerColumns[] = {"zy2",  "yb3",  "dy4",  "ystd5", "ysjs6", "hstd7", "hsjs8", "rygh9", "jy10",
                                     "fs11", "gn12", "bl13", "tw14",  "ct15",  "mz16",  "ssh17", "cf18",  "sf19",
                                     "ss20", "ws21", "bf22", "hd23",  "xs24",  "yl25",  "jd26",  "sy27",  "yq28"};
}

void PatientReportTest::SetUp()
{
    ReportFixture::SetUp();
    QDir().mkpath(folder.file(QStringLiteral("report")));
    for (int n = 1; n <= 6; ++n) {
        const QString name = QStringLiteral("brmyd%1.vts").arg(n);
        ASSERT_TRUE(QFile::copy(QStringLiteral(HESTOVA_SOURCE_DIR "/data/report/") + name,
                                folder.file(QStringLiteral("report/") + name)));
    }
    execute(QStringLiteral("delete from reporttemp"));
}

void PatientReportTest::addRow(int department, const std::vector<std::pair<const char *, int>> &answers)
{
    QVariantList values{ReportedSurvey, department};
    QStringList marks{QStringLiteral("?"), QStringLiteral("?")};
    for (const char *column : AnswerColumns) {
        int code = 1;
        for (const auto &[name, value] : answers) {
            if (qstrcmp(name, column) == 0)
                code = value;
        }
        values << code;
        marks << QStringLiteral("?");
    }
    hestova::db::Connection connection;
    connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
    connection.Execute(QStringLiteral("insert into reporttemp values (%1)").arg(marks.join(QLatin1Char(','))), values);
}

void PatientReportTest::execute(const QString &statement)
{
    hestova::db::Connection connection;
    connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
    connection.Execute(statement);
}

Reportbr &PatientReportTest::openReport()
{
    Reportbr &window = hestova::forms::Forms::get<Reportbr>();
    window.Show();
    QCoreApplication::processEvents();
    return window;
}

void PatientReportTest::pickSheet(Reportbr &window, int n)
{
    window.SheetMenu().actions().at(n - 1)->trigger();
}

QString PatientReportTest::cell(Reportbr &window, int row, int col) const
{
    return window.sheetWidget().CellText(row, col);
}
