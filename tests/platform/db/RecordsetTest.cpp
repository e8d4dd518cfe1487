#include "TempAppFolder.h"
#include "TestDataSource.h"
#include "core/AppError.h"
#include "db/Connection.h"
#include "db/Recordset.h"

#include <gtest/gtest.h>

using namespace hestova;
using namespace hestova::db;

namespace {

class SurveyRecords : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestDataSource::create(folder);
        connection.Open(TestDataSource::ConnectionString);
        connection.Execute("insert into mydjb values(1, '2024-1-10', '一月')");
        connection.Execute("insert into mydjb values(2, '2024-2-10', '二月')");
        connection.Execute("insert into mydjb values(3, '2024-3-10', '三月')");
    }

    TempAppFolder folder;
    Connection connection;
};

}  // namespace

TEST_F(SurveyRecords, ReadsCountOrderAndFieldsByPosition)
{
    Recordset surveys;
    surveys.Open("select * from mydjb", connection);
    ASSERT_EQ(surveys.RecordCount(), 3);
    EXPECT_EQ(surveys.FieldCount(), 3);

    const QStringList expectedTimes{"2024-1-10", "2024-2-10", "2024-3-10"};
    const QStringList expectedDescriptions{"一月", "二月", "三月"};
    int row = 0;
    for (; !surveys.Eof(); surveys.MoveNext(), ++row) {
        ASSERT_LT(row, 3);
        EXPECT_EQ(surveys.Fields(0).number(), row + 1);
        EXPECT_EQ(surveys.Fields(0).text(), QString::number(row + 1));
        EXPECT_EQ(surveys.Fields(1).text(), expectedTimes.at(row));
        EXPECT_EQ(surveys.Fields(2).text(), expectedDescriptions.at(row));
    }
    EXPECT_EQ(row, 3);

    // Static: the rows can be walked again.
    surveys.MoveFirst();
    EXPECT_FALSE(surveys.Eof());
    EXPECT_EQ(surveys.Fields(0).number(), 1);
}

TEST_F(SurveyRecords, FieldsByNameIgnoreCase)
{
    Recordset surveys;
    surveys.Open("select dcxh, dcsm as Description from mydjb where dcxh = ?", connection, {2});
    ASSERT_EQ(surveys.RecordCount(), 1);
    EXPECT_EQ(surveys.Fields("DCXH").number(), 2);
    EXPECT_EQ(surveys.Fields("description").text(), "二月");
    EXPECT_EQ(surveys.Fields("description").Name(), "Description");
    try {
        surveys.Fields("nosuchfield");
        FAIL() << "an unknown field name was found";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::FieldMissing);
    }
    EXPECT_THROW(surveys.Fields(2), AppError);
    EXPECT_THROW(surveys.Fields(-1), AppError);
}

TEST_F(SurveyRecords, CodeCountsReadByNumericFieldNames)
{
    connection.Execute("insert into reporttemp (id, jyks1, zy2) values (1, 3, 2)");
    connection.Execute("insert into reporttemp (id, jyks1, zy2) values (1, 3, 2)");
    connection.Execute("insert into reporttemp (id, jyks1, zy2) values (1, 3, 5)");
    Recordset counts;
    counts.Open("select jyks1, sum(case when zy2 = 2 then 1 else 0 end) as \"2\", "
                "sum(case when zy2 = 5 then 1 else 0 end) as \"5\" from reporttemp group by jyks1",
                connection);
    ASSERT_EQ(counts.RecordCount(), 1);
    EXPECT_EQ(counts.Fields("2").number(), 2);
    EXPECT_EQ(counts.Fields("5").number(), 1);

    Recordset grouped;
    grouped.Open("SELECT zy2, count(*) From reporttemp Where zy2 > 0 GROUP BY zy2", connection);
    ASSERT_EQ(grouped.RecordCount(), 2);
    EXPECT_EQ(grouped.Fields(0).number(), 2);
    EXPECT_EQ(grouped.Fields(1).number(), 2);
}

TEST_F(SurveyRecords, NullIsDistinguishedFromZeroAndEmptyText)
{
    connection.Execute("insert into reporttemp (id, jyks1, zy2) values (?, ?, ?)", {9, 0, QVariant()});
    // An empty line edit gives a null QString: it is stored as empty text, not as Null.
    connection.Execute("insert into mydjb values(?, ?, ?)", {4, "2024-4-1", QString()});

    Recordset answers;
    answers.Open("select id, jyks1, zy2 from reporttemp", connection);
    ASSERT_EQ(answers.RecordCount(), 1);
    EXPECT_FALSE(answers.Fields(1).isNull());
    EXPECT_EQ(answers.Fields(1).number(), 0);
    EXPECT_TRUE(answers.Fields(2).isNull());
    EXPECT_EQ(answers.Fields(2).text(), QString());
    EXPECT_THROW(answers.Fields(2).number(), AppError);

    Recordset survey;
    survey.Open("select dcsm from mydjb where dcxh = 4", connection);
    EXPECT_FALSE(survey.Fields(0).isNull());
    EXPECT_EQ(survey.Fields(0).text(), "");
}

TEST_F(SurveyRecords, TextThatIsNoNumberIsATypeMismatch)
{
    Recordset surveys;
    surveys.Open("select dcsm from mydjb where dcxh = 1", connection);
    try {
        surveys.Fields(0).number();
        FAIL() << "text converted to a number";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::TypeMismatch);
    }
}

TEST_F(SurveyRecords, EmptyResultIsAtEofAndHasNoCurrentRecord)
{
    Recordset none;
    none.Open("select * from mydjb where dcxh > 100", connection);
    EXPECT_EQ(none.RecordCount(), 0);
    EXPECT_TRUE(none.Eof());
    EXPECT_THROW(none.Fields(0), AppError);
    try {
        none.MoveNext();
        FAIL() << "moved past the end";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::NoCurrentRecord);
    }
}

TEST_F(SurveyRecords, RowsStayReadableAfterTheConnectionCloses)
{
    Recordset surveys;
    surveys.Open("select * from mydjb", connection);
    connection.Close();
    EXPECT_EQ(surveys.RecordCount(), 3);
    EXPECT_EQ(surveys.Fields(2).text(), "一月");
}

TEST(RecordsetOpen, OnAClosedConnectionIsAnError)
{
    Connection closed;
    Recordset rows;
    try {
        rows.Open("select * from mydjb", closed);
        FAIL() << "a closed connection ran a query";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::Connection);
    }
    EXPECT_THROW(rows.RecordCount(), AppError);
}
