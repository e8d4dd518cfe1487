#include "TestDatabaseFile.h"

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

}  // namespace TestDatabase
