#include "TestDataSource.h"

#include "TempAppFolder.h"
#include "TestDatabaseFile.h"
#include "odbcini/OdbcInstaller.h"

namespace TestDataSource {

void registerOver(const QString &databaseFile)
{
    hestova::odbcini::OdbcInstaller::registerUserDataSource(
        QString::fromLatin1(Name), QStringLiteral("SQLite3"),
        {{QStringLiteral("Database"), databaseFile}, {QStringLiteral("NoCreat"), QStringLiteral("1")},
         {QStringLiteral("Timeout"), QStringLiteral("2000")}});
}

QString create(const TempAppFolder &folder)
{
    const QString databaseFile = folder.file(QStringLiteral("test.db"));
    TestDatabase::createFile(databaseFile);
    registerOver(databaseFile);
    return databaseFile;
}

}  // namespace TestDataSource
