#include "FakeQuestionnaireWindow.h"

#include "TempAppFolder.h"
#include "TestDatabase.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "surveydata/SurveyDataSource.h"
#include "questionnaire/QuestionnaireModel.h"

#include <gtest/gtest.h>

using namespace hestova::questionnaire;
using hestova::db::Connection;
using hestova::db::Recordset;

namespace {

// Question 1 as the patient window builds it at load, from the database's own department table.
DepartmentQuestion departmentsOf(Connection &connection, const QString &stem)
{
    Recordset rows;
    rows.Open(DepartmentQuestion::selectStatement(), connection);
    QList<DepartmentRow> departments;
    for (; !rows.Eof(); rows.MoveNext())
        departments.append({rows.Fields(0).Value(), rows.Fields(2).Value()});
    return DepartmentQuestion::build(stem, departments);
}

}  // namespace

class StoredRow : public ::testing::TestWithParam<int> {};

// The statement a finished questionnaire builds is accepted by the shipped table and lands every answer in
// the column the report reads for it.
TEST_P(StoredRow, FinishedQuestionnaireLandsInTheAnswerTableColumnByColumn)
{
    TempAppFolder folder;
    TestDatabase::create(folder);
    Connection connection;
    connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));

    QuestionnaireModel model(QuestionnaireCatalogue::load(GetParam()));
    if (GetParam() == 1) {
        const DepartmentQuestion departments = departmentsOf(connection, model.catalogue().question(1).text);
        ASSERT_GT(departments.deptCount(), 0);
        ASSERT_FALSE(departments.truncated());
        model.setDepartmentQuestion(departments);
    }
    FakeQuestionnaireWindow window(model);
    QuestionnaireModel::NextResult result{};
    for (int p = 1; p <= model.pageCount(); ++p)
        result = window.fillPageAndNext([](int question, int buttons) { return (question * 5) % buttons + 1; });
    ASSERT_EQ(result, QuestionnaireModel::NextResult::Complete);

    EXPECT_EQ(connection.Execute(model.insertStatement(7)), 1);

    Recordset stored;
    stored.Open(QStringLiteral("select * from ") + model.catalogue().answerTable(), connection);
    ASSERT_EQ(stored.RecordCount(), 1);
    ASSERT_EQ(stored.FieldCount(), model.catalogue().questionCount() + 1);
    EXPECT_EQ(stored.Fields(QStringLiteral("id")).text(), QStringLiteral("7"));
    for (int n = 1; n <= model.catalogue().questionCount(); ++n) {
        EXPECT_EQ(stored.Fields(n).text().toInt(), model.answer(n)) << "answer " << n;
        const QString column = model.catalogue().question(n).column;
        if (!column.isEmpty())
            EXPECT_EQ(stored.fieldNames()[n], column) << "answer " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Kinds, StoredRow, ::testing::Values(1, 2, 3));

TEST(StoredRow, DepartmentsComeInTheOrderOfTheirNumbers)
{
    TempAppFolder folder;
    TestDatabase::create(folder);
    Connection connection;
    connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
    // A department added later with a smaller number still gets the button of its number.
    connection.Execute(QStringLiteral("delete from jyks"));
    connection.Execute(QStringLiteral("insert into jyks values(2, 'b', ?)"), {QStringLiteral("外科")});
    connection.Execute(QStringLiteral("insert into jyks values(1, 'a', ?)"), {QStringLiteral("内科")});

    const auto question = departmentsOf(connection, QStringLiteral("一、你这次在哪个科室就医？_"));
    EXPECT_EQ(question.text(), QStringLiteral("一、你这次在哪个科室就医？__ 1、内科 2、外科"));
    EXPECT_EQ(question.deptCount(), 2);
}
