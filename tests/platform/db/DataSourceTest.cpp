#include "TempAppFolder.h"
#include "TestDatabase.h"
#include "core/AppError.h"
#include "core/AppFolder.h"
#include "db/Connection.h"
#include "db/OdbcInstaller.h"
#include "db/Recordset.h"
#include "db/SurveyDataSource.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace hestova;
using namespace hestova::db;

namespace {

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.readAll());
}

}  // namespace

TEST(DataSource, RegistrationWritesMyddcWithTheFoldersDatabase)
{
    TempAppFolder folder;
    const QString database = AppFolder::file(QStringLiteral("\\myd.mdb"));
    registerSurveyDataSource(database);

    EXPECT_EQ(OdbcInstaller::dataSourceAttribute("myddc", "Database"), database);
    EXPECT_EQ(OdbcInstaller::dataSourceAttribute("myddc", "NoCreat"), "1");
    EXPECT_EQ(OdbcInstaller::dataSourceAttribute("myddc", "Driver"), "SQLite3");

    // Written to the temporary user file named by ODBCINI, nowhere else.
    const QString ini = readFile(folder.odbcIniPath());
    EXPECT_TRUE(ini.contains("[myddc]")) << ini.toStdString();
    EXPECT_TRUE(ini.contains(database)) << ini.toStdString();
}

TEST(DataSource, ReRegistrationFromAnotherFolderMovesTheDataSource)
{
    TempAppFolder folder;
    // Folder names with a blank and with Chinese characters, as users' folders may have.
    QDir(folder.path()).mkpath("first folder");
    QDir(folder.path()).mkpath("第二");
    const QString first = folder.file("first folder/myd.mdb");
    const QString second = folder.file("第二/myd.mdb");
    TestDatabase::createFile(first);
    TestDatabase::createFile(second);

    registerSurveyDataSource(first);
    {
        Connection connection;
        connection.Open(SurveyConnectionString);
        connection.Execute("insert into mydjb values(1, '2024-1-1', 'first folder')");
    }

    registerSurveyDataSource(second);
    EXPECT_EQ(OdbcInstaller::dataSourceAttribute("myddc", "Database"), second);
    const QString ini = readFile(folder.odbcIniPath());
    EXPECT_EQ(ini.count("[myddc]"), 1) << ini.toStdString();
    EXPECT_FALSE(ini.contains(first)) << ini.toStdString();

    Connection connection;
    connection.Open(SurveyConnectionString);
    Recordset surveys;
    surveys.Open("select * from mydjb", connection);
    EXPECT_EQ(surveys.RecordCount(), 0) << "the second folder's database is reached";
}

TEST(DataSource, RegistrationThatCannotBeWrittenThrowsDataSourceError)
{
    TempAppFolder folder;
    const QByteArray unwritable = QFile::encodeName(folder.file("no such folder/odbc.ini"));
    qputenv("ODBCINI", unwritable);
    try {
        registerSurveyDataSource(folder.file("myd.mdb"));
        FAIL() << "registration into a missing folder reported success";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::DataSource);
        EXPECT_FALSE(error.description().isEmpty());
    }
}
