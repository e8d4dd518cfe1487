#include "TempAppFolder.h"
#include "TestDataSource.h"
#include "db/Connection.h"
#include "db/Recordset.h"

#include <QStringList>

#include <gtest/gtest.h>

using namespace hestova::db;

namespace {

struct Column {
    QString name;
    QString type;
    bool operator==(const Column &other) const { return name == other.name && type == other.type; }
};

class SurveySchema : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestDataSource::create(folder);
        connection.Open(TestDataSource::ConnectionString);
    }

    // The table's columns in order, as the database itself describes them.
    QList<Column> columnsOf(const QString &table)
    {
        Recordset info;
        info.Open("PRAGMA table_info(" + table + ")", connection);
        QList<Column> columns;
        for (; !info.Eof(); info.MoveNext())
            columns.append({info.Fields("name").text(), info.Fields("type").text().toUpper()});
        return columns;
    }

    QStringList namesOf(const QString &table)
    {
        QStringList names;
        for (const Column &column : columnsOf(table))
            names.append(column.name);
        return names;
    }

    TempAppFolder folder;
    Connection connection;
};

QStringList numbered(const QString &prefix, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names.append(prefix + QString::number(i));
    return names;
}

}  // namespace

TEST_F(SurveySchema, EveryWorkTableHasItsAnswerTablesColumns)
{
    const QList<QPair<QString, QString>> pairs{
        {"brwjdcxx", "reporttemp"}, {"yjdcxx", "reporttempyj"}, {"zndcxx", "reporttempzn"}};
    for (const auto &[answers, work] : pairs) {
        const QList<Column> answerColumns = columnsOf(answers);
        ASSERT_FALSE(answerColumns.isEmpty()) << answers.toStdString();
        EXPECT_TRUE(answerColumns == columnsOf(work)) << answers.toStdString() << " / " << work.toStdString();
        for (const Column &column : answerColumns)
            EXPECT_EQ(column.type, "INTEGER") << answers.toStdString() << "." << column.name.toStdString();
    }
}

TEST_F(SurveySchema, PatientAnswerTableHasIdDepartmentAndTwentySevenAnswers)
{
    QStringList names = namesOf("brwjdcxx");
    ASSERT_EQ(names.size(), 29);
    EXPECT_EQ(names.at(0), "id");
    EXPECT_EQ(names.at(1), "jyks1");
    EXPECT_EQ(names.removeDuplicates(), 0);
}

TEST_F(SurveySchema, MedicalTechnicalColumnsFollowTheDepartmentPattern)
{
    const QList<QPair<QString, int>> departments{
        {"jy", 5}, {"fs", 6}, {"bl", 5}, {"gn", 5}, {"ct", 4}, {"tw", 4}, {"zp", 3}, {"zy", 4}, {"xy", 4},
        {"xk", 3}, {"ss", 4}, {"gy", 3}, {"ps", 3}, {"sx", 3}, {"yy", 2}, {"yj", 3}, {"yp", 2}};
    QStringList expected{"id"};
    for (const auto &[abbreviation, questions] : departments)
        expected += numbered(abbreviation, questions);
    ASSERT_EQ(expected.size(), 64);
    EXPECT_EQ(namesOf("yjdcxx"), expected);
    // The report counts these six by name.
    for (const char *name : {"jy5", "fs6", "bl5", "gn5", "ct4", "tw4"})
        EXPECT_TRUE(expected.contains(name));
}

TEST_F(SurveySchema, FunctionalColumnsAreInReportOrder)
{
    const QList<QPair<QString, int>> units{
        {"yb", 4}, {"dw", 5}, {"jj", 4}, {"rs", 6}, {"hl", 5}, {"yj", 6}, {"sb", 4}, {"cw", 5},
        {"bw", 5}, {"mz", 5}, {"gr", 4}, {"yf", 2}, {"wg", 2}, {"xx", 5}, {"bj", 3}, {"cd", 3},
        {"zw", 3}, {"gl", 2}, {"sg", 4}, {"dg", 4}, {"mg", 3}, {"dt", 3}, {"cf", 3}, {"xj", 3}};
    QStringList expected{"id"};
    for (const auto &[abbreviation, questions] : units)
        expected += numbered(abbreviation, questions);
    ASSERT_EQ(expected.size(), 94);
    EXPECT_EQ(namesOf("zndcxx"), expected);
}

TEST_F(SurveySchema, SurveyTableHasThreeColumnsKeyedByTheFirst)
{
    const QList<Column> columns = columnsOf("mydjb");
    ASSERT_EQ(columns.size(), 3);
    Recordset info;
    info.Open("PRAGMA table_info(mydjb)", connection);
    EXPECT_EQ(info.Fields("pk").number(), 1);
    EXPECT_EQ(columns.at(0).type, "INTEGER");
}

TEST_F(SurveySchema, DepartmentsAreNumberedOneToNInStoredOrder)
{
    Recordset departments;
    departments.Open("select * from jyks", connection);
    ASSERT_GE(departments.RecordCount(), 15);
    ASSERT_LE(departments.RecordCount(), 30);
    EXPECT_EQ(departments.FieldCount(), 3);
    QStringList names;
    int expected = 1;
    for (; !departments.Eof(); departments.MoveNext(), ++expected) {
        EXPECT_EQ(departments.Fields(0).number(), expected);
        EXPECT_FALSE(departments.Fields(2).text().isEmpty());
        names.append(departments.Fields(2).text());
    }
    EXPECT_EQ(names.removeDuplicates(), 0);
    EXPECT_TRUE(names.contains("儿科"));
}
