#include "IniFiles.h"
#include "TempAppFolder.h"
#include "TestDataSource.h"
#include "core/AppError.h"
#include "db/Command.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "db/StatementText.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace hestova;
using namespace hestova::db;

namespace {

int countRows(Connection &connection, const QString &table)
{
    Recordset rows;
    rows.Open("select count(*) from " + table, connection);
    return int(rows.Fields(0).number());
}

class OpenDatabase : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestDataSource::create(folder);
        connection.Open(TestDataSource::ConnectionString);
    }

    TempAppFolder folder;
    Connection connection;
};

}  // namespace

TEST(ConnectionOpen, MissingDatabaseFileFailsAndCreatesNothing)
{
    TempAppFolder folder;
    const QString database = folder.file("test.db");
    TestDataSource::registerOver(database);

    Connection connection;
    try {
        connection.Open(TestDataSource::ConnectionString);
        FAIL() << "opening a missing database succeeded";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::Connection);
        EXPECT_TRUE(error.description().contains(database)) << error.description().toStdString();
    }
    EXPECT_FALSE(connection.isOpen());
    EXPECT_FALSE(QFile::exists(database));
}

TEST(ConnectionOpen, DatabasePathThatIsAFolderFails)
{
    TempAppFolder folder;
    QDir(folder.path()).mkpath("test.db");
    TestDataSource::registerOver(folder.file("test.db"));

    Connection connection;
    EXPECT_THROW(connection.Open(TestDataSource::ConnectionString), AppError);
    EXPECT_FALSE(connection.isOpen());
}

TEST(ConnectionOpen, FileThatIsNoDatabaseFailsAndIsLeftAlone)
{
    TempAppFolder folder;
    const QString database = folder.file("test.db");
    IniFiles::write(database, QByteArray(4096, 'x'));
    TestDataSource::registerOver(database);

    EXPECT_THROW(
        {
            Connection connection;
            connection.Open(TestDataSource::ConnectionString);
            Recordset rows;
            rows.Open("select * from mydjb", connection);
        },
        AppError);
    QFile file(database);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(4096, 'x'));
}

TEST(ConnectionOpen, UnregisteredDataSourceGivesTheDriverManagersError)
{
    TempAppFolder folder;  // its odbc.ini holds no data source
    Connection connection;
    try {
        connection.Open(TestDataSource::ConnectionString);
        FAIL() << "opening an unregistered data source succeeded";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::Connection);
        EXPECT_FALSE(error.description().isEmpty());
    }
}

TEST(StatementText, DeleteStarFromBecomesDeleteFrom)
{
    EXPECT_EQ(preparedStatementText("delete * from reporttemp"), "delete from reporttemp");
    EXPECT_EQ(preparedStatementText("  DELETE  *  FROM reporttempyj"), "  DELETE FROM reporttempyj");
    EXPECT_EQ(preparedStatementText("delete *from reporttempzn"), "delete from reporttempzn");
    // Every other text runs as written.
    EXPECT_EQ(preparedStatementText("select * from mydjb"), "select * from mydjb");
    EXPECT_EQ(preparedStatementText("insert into mydjb values(1,'delete * from x','')"),
              "insert into mydjb values(1,'delete * from x','')");
}

TEST_F(OpenDatabase, DeleteStarFromEmptiesTheWorkTable)
{
    connection.Execute("insert into brwjdcxx (id, jyks1) values (7, 1)");
    connection.Execute("insert into reporttemp select * from brwjdcxx where id=7");
    ASSERT_EQ(countRows(connection, "reporttemp"), 1);

    Command command;
    command.ActiveConnection = &connection;
    command.CommandText = "delete * from reporttemp";
    command.Execute();
    EXPECT_EQ(countRows(connection, "reporttemp"), 0);
    EXPECT_EQ(countRows(connection, "brwjdcxx"), 1);
}

TEST_F(OpenDatabase, OperatorTextInParametersIsStoredVerbatim)
{
    const QString time = "2024-3-5 'noon'";
    const QString description = "It's \"quoted\"'); drop table mydjb; --";
    Command command;
    command.ActiveConnection = &connection;
    command.CommandText = "insert into mydjb values(?, ?, ?)";
    command.parameters = {12, time, description};
    EXPECT_EQ(command.Execute(), 1);

    Recordset surveys;
    surveys.Open("select * from mydjb", connection);
    ASSERT_EQ(surveys.RecordCount(), 1);
    EXPECT_EQ(surveys.Fields(0).number(), 12);
    EXPECT_EQ(surveys.Fields(1).text(), time);
    EXPECT_EQ(surveys.Fields(2).text(), description);
}

TEST_F(OpenDatabase, ChineseTextRoundTrips)
{
    connection.Execute("insert into mydjb values(?, ?, ?)", {3, "2024年3月5日", "第一季度病人满意度调查"});
    Recordset surveys;
    surveys.Open("select * from mydjb where dcsm = ?", connection, {"第一季度病人满意度调查"});
    ASSERT_EQ(surveys.RecordCount(), 1);
    EXPECT_EQ(surveys.Fields(1).text(), "2024年3月5日");
}

TEST_F(OpenDatabase, FailingStatementCarriesTheDriversMessage)
{
    try {
        connection.Execute("select * from nosuchtable");
        FAIL() << "a statement on a missing table succeeded";
    } catch (const AppError &error) {
        EXPECT_NE(error.number(), 0);
        EXPECT_TRUE(error.description().contains("nosuchtable")) << error.description().toStdString();
    }
    Recordset rows;
    EXPECT_THROW(rows.Open("select * from nosuchtable", connection), AppError);
    EXPECT_FALSE(rows.isOpen());
}

TEST_F(OpenDatabase, DuplicateSurveyNumberIsRejected)
{
    connection.Execute("insert into mydjb values(?, ?, ?)", {5, "2024-1-1", "a"});
    EXPECT_THROW(connection.Execute("insert into mydjb values(?, ?, ?)", {5, "2024-2-2", "b"}), AppError);
    EXPECT_EQ(countRows(connection, "mydjb"), 1);
}

TEST_F(OpenDatabase, WrongNumberOfParametersIsAnError)
{
    EXPECT_THROW(connection.Execute("insert into mydjb values(?, ?, ?)", {5, "2024-1-1"}), AppError);
    EXPECT_EQ(countRows(connection, "mydjb"), 0);
}

TEST_F(OpenDatabase, FailedTransactionLeavesTheTableAsItWas)
{
    connection.Execute("insert into brwjdcxx (id, jyks1) values (1, 2)");
    connection.Execute("insert into reporttemp select * from brwjdcxx");
    ASSERT_EQ(countRows(connection, "reporttemp"), 1);

    connection.BeginTrans();
    try {
        connection.Execute("delete * from reporttemp");
        connection.Execute("insert into reporttemp select * from nosuchtable where id=1");
        connection.CommitTrans();
        FAIL() << "the copy from a missing table succeeded";
    } catch (const AppError &) {
        connection.RollbackTrans();
    }
    EXPECT_FALSE(connection.inTransaction());
    EXPECT_EQ(countRows(connection, "reporttemp"), 1);

    // Autocommit is back: a later statement persists for another connection.
    connection.Execute("delete * from reporttemp");
    Connection other;
    other.Open(TestDataSource::ConnectionString);
    EXPECT_EQ(countRows(other, "reporttemp"), 0);
}

TEST_F(OpenDatabase, CommittedTransactionIsSeenByAnotherConnection)
{
    connection.BeginTrans();
    connection.Execute("insert into mydjb values(?, ?, ?)", {1, "2024-1-1", "a"});
    connection.Execute("insert into mydjb values(?, ?, ?)", {2, "2024-1-2", "b"});
    connection.CommitTrans();

    Connection other;
    other.Open(TestDataSource::ConnectionString);
    EXPECT_EQ(countRows(other, "mydjb"), 2);
}

TEST_F(OpenDatabase, ClosingWithAnOpenTransactionRollsBack)
{
    connection.BeginTrans();
    connection.Execute("insert into mydjb values(?, ?, ?)", {1, "2024-1-1", "a"});
    connection.Close();

    connection.Open(TestDataSource::ConnectionString);
    EXPECT_EQ(countRows(connection, "mydjb"), 0);
}

TEST(CommandExecute, WithoutActiveConnectionIsAnError)
{
    Command command;
    command.CommandText = "delete * from reporttemp";
    EXPECT_THROW(command.Execute(), AppError);
    Connection closed;
    command.ActiveConnection = &closed;
    EXPECT_THROW(command.Execute(), AppError);
}

TEST_F(OpenDatabase, TransactionCallsOutOfOrderAreErrors)
{
    EXPECT_THROW(connection.CommitTrans(), AppError);
    EXPECT_THROW(connection.RollbackTrans(), AppError);
    connection.BeginTrans();
    EXPECT_THROW(connection.BeginTrans(), AppError);
    connection.RollbackTrans();
    EXPECT_THROW(connection.Open(TestDataSource::ConnectionString), AppError);
    EXPECT_TRUE(connection.isOpen());
}

TEST_F(OpenDatabase, ReaderOnAnotherConnectionSeesOnlyCommittedRowsAndHoldsNoLock)
{
    Connection reader;
    reader.Open(TestDataSource::ConnectionString);
    Recordset before;
    before.Open("select * from mydjb", reader);

    connection.BeginTrans();
    connection.Execute("insert into mydjb values(?, ?, ?)", {1, "2024-1-1", "a"});
    EXPECT_EQ(countRows(reader, "mydjb"), 0);
    connection.CommitTrans();
    EXPECT_EQ(countRows(reader, "mydjb"), 1);
}
