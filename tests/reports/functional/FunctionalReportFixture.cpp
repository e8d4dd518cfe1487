#include "FunctionalReportFixture.h"

#include "db/Connection.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Forms.h"
#include "functional/Reportzn.h"
#include "spreadsheet/Spreadsheet.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

void FunctionalReportFixture::SetUp()
{
    ReportFixture::SetUp();
    const QDir source(QStringLiteral(HESTOVA_SOURCE_DIR "/data/report"));
    ASSERT_TRUE(QDir(folder.path()).mkpath(QStringLiteral("report")));
    const QStringList templates = source.entryList({QStringLiteral("znmyd*.vts")}, QDir::Files);
    ASSERT_EQ(templates.size(), 24);
    for (const QString &name : templates)
        ASSERT_TRUE(QFile::copy(source.filePath(name), folder.file(QStringLiteral("report/") + name)));
}

Reportzn &FunctionalReportFixture::open()
{
    window = &hestova::forms::Forms::get<Reportzn>();
    window->Show();
    QCoreApplication::processEvents();
    return *window;
}

void FunctionalReportFixture::answer(const char *column, std::initializer_list<int> codes)
{
    hestova::db::Connection connection;
    connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
    for (int code : codes) {
        connection.Execute(QStringLiteral("insert into reporttempzn (id, %1) values (?, ?)").arg(QLatin1String(column)),
                           {ReportedSurvey, code});
    }
    connection.Close();
}

QString FunctionalReportFixture::cell(int row, int col) const
{
    return window->sheetWidget().CellText(row, col);
}
