#include "pickers/SurveyTable.h"

#include "PickerFixture.h"
#include "TempAppFolder.h"
#include "TestDatabase.h"
#include "core/AppError.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "surveydata/SurveyDataSource.h"

#include <gtest/gtest.h>

using hestova::AppError;
using hestova::db::Connection;
using hestova::db::Recordset;

namespace {

class SurveyTableTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestDatabase::create(folder);
        connection.Open(hestova::db::SurveyConnectionString);
    }

    QList<int> idsOf(const QString &table)
    {
        Recordset rows;
        rows.Open(QStringLiteral("select id from %1 order by id").arg(table), connection);
        QList<int> ids;
        for (; !rows.Eof(); rows.MoveNext())
            ids.append(static_cast<int>(rows.Fields(0).number()));
        return ids;
    }

    TempAppFolder folder;
    Connection connection;
};

TEST_F(SurveyTableTest, FailedCopyLeavesTheWorkTableAsItWas)
{
    connection.Execute(QStringLiteral("insert into zndcxx (id) values (4)"));
    SurveyTable::prepareWorkTable(connection, 3, 4);
    connection.Execute(QStringLiteral("drop table zndcxx"));

    EXPECT_THROW(SurveyTable::prepareWorkTable(connection, 3, 8), AppError);
    EXPECT_FALSE(connection.inTransaction());
    EXPECT_EQ(idsOf(QStringLiteral("reporttempzn")), (QList<int>{4}));

    // The connection stays usable for the next statement.
    SurveyTable::add(connection, 1, QStringLiteral("2026-1-1"), QStringLiteral("x"));
    EXPECT_EQ(SurveyTable::list(connection).size(), 1);
    EXPECT_TRUE(SurveyTable::exists(connection, 1));
    EXPECT_FALSE(SurveyTable::exists(connection, 2));
    // A number added by another program after the check: the key refuses it.
    EXPECT_THROW(SurveyTable::add(connection, 1, QStringLiteral("2026-2-1"), QStringLiteral("y")), AppError);
}

TEST(SurveyInput, NumberIsA32BitDecimalInteger)
{
    EXPECT_EQ(SurveyTable::surveyNumber(QStringLiteral("12")), 12);
    EXPECT_EQ(SurveyTable::surveyNumber(QStringLiteral(" 12 ")), 12);
    EXPECT_EQ(SurveyTable::surveyNumber(QStringLiteral("-5")), -5);
    EXPECT_EQ(SurveyTable::surveyNumber(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(SurveyTable::surveyNumber(QStringLiteral("-2147483648")), std::numeric_limits<int>::min());
    for (const char *bad : {"2147483648", "-2147483649", "99999999999", "12.5", "1e3", "abc", "", "1 2", "0x1F",
                            "１２"})
        EXPECT_FALSE(SurveyTable::surveyNumber(QString::fromUtf8(bad))) << bad;
}

TEST(SurveyInput, TimeIsWhatTheDateConversionAccepts)
{
    EXPECT_TRUE(SurveyTable::isSurveyTime(QStringLiteral("2026-12-9")));
    EXPECT_TRUE(SurveyTable::isSurveyTime(QStringLiteral("2026年12月9日")));
    EXPECT_FALSE(SurveyTable::isSurveyTime(QStringLiteral("2026-2-30")));
    EXPECT_FALSE(SurveyTable::isSurveyTime(QStringLiteral("上周")));
}

}  // namespace
