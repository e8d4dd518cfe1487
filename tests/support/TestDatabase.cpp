#include "TestDatabase.h"

#include "TempAppFolder.h"
#include "core/AppError.h"
#include "surveydata/SurveyDataSource.h"

#include <QFile>
#include <QProcess>

#include <stdexcept>

namespace TestDatabase {

void createFile(const QString &databaseFile)
{
    QFile::remove(databaseFile);
    QProcess sqlite;
    sqlite.setStandardInputFile(QStringLiteral(HESTOVA_SOURCE_DIR "/data/schema.sql"));
    sqlite.start(QStringLiteral("sqlite3"), {QStringLiteral("-bail"), databaseFile});
    if (!sqlite.waitForFinished(-1) || sqlite.exitStatus() != QProcess::NormalExit || sqlite.exitCode() != 0)
        throw std::runtime_error("sqlite3 could not make " + databaseFile.toStdString() + ": " +
                                 sqlite.readAllStandardError().toStdString() + sqlite.errorString().toStdString());
}

QString create(const TempAppFolder &folder)
{
    const QString databaseFile = folder.file(QStringLiteral("myd.mdb"));
    createFile(databaseFile);
    try {
        hestova::db::registerSurveyDataSource(databaseFile);
    } catch (const hestova::AppError &error) {
        throw std::runtime_error(error.boxText().toStdString());
    }
    return databaseFile;
}

}  // namespace TestDatabase
