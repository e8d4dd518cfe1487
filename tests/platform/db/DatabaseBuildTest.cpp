#include "IniFiles.h"
#include "TempAppFolder.h"

#include <QFile>
#include <QProcess>

#include <gtest/gtest.h>

namespace {

// Runs the build's database step for `database` with the given schema file.
int runDatabaseStep(const QString &database, const QString &schema)
{
    QProcess cmake;
    cmake.start(QStringLiteral(HESTOVA_CMAKE_COMMAND),
                {"-DSCHEMA=" + schema, "-DDATABASE=" + database, QStringLiteral("-DSQLITE3=sqlite3"), "-P",
                 QStringLiteral(HESTOVA_SOURCE_DIR "/data/database.cmake")});
    if (!cmake.waitForFinished(-1) || cmake.exitStatus() != QProcess::NormalExit)
        return -1;
    return cmake.exitCode();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QString schemaFile = QStringLiteral(HESTOVA_SOURCE_DIR "/data/schema.sql");

}  // namespace

TEST(DatabaseBuild, MakesTheDatabaseWhenTheFolderHasNone)
{
    TempAppFolder folder;
    const QString database = folder.file("myd.mdb");
    ASSERT_EQ(runDatabaseStep(database, schemaFile), 0);
    EXPECT_TRUE(contents(database).startsWith("SQLite format 3"));
}

TEST(DatabaseBuild, NeverOverwritesAnExistingDatabase)
{
    TempAppFolder folder;
    const QString database = folder.file("myd.mdb");
    IniFiles::write(database, "entered questionnaires");
    ASSERT_EQ(runDatabaseStep(database, schemaFile), 0);
    EXPECT_EQ(contents(database), QByteArray("entered questionnaires"));
}

TEST(DatabaseBuild, FailingSchemaLeavesNoDatabase)
{
    TempAppFolder folder;
    const QString broken = folder.file("broken.sql");
    IniFiles::write(broken, "CREATE TABLE a (x INTEGER);\nCREATE TABLE oops (;\n");
    const QString database = folder.file("myd.mdb");
    EXPECT_NE(runDatabaseStep(database, broken), 0);
    EXPECT_FALSE(QFile::exists(database));
    EXPECT_FALSE(QFile::exists(database + ".partial"));
}
