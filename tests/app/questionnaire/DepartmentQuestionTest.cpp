#include "core/AppError.h"
#include "questionnaire/DepartmentQuestion.h"
#include "questionnaire/QuestionText.h"
#include "questionnaire/QuestionnaireCatalogue.h"
#include "questionnaire/QuestionnaireModel.h"

#include <gtest/gtest.h>

using namespace hestova::questionnaire;

namespace {

const QString Stem = QStringLiteral("一、你这次在哪个科室就医？_");

// Rows numbered 1..count as jyks holds them (number, name).
QList<DepartmentRow> departments(int count)
{
    QList<DepartmentRow> rows;
    for (int i = 1; i <= count; ++i)
        rows.append({QVariant(i), QVariant(QStringLiteral("科%1").arg(i))});
    return rows;
}

QString listed(int first, int last)
{
    QString line;
    for (int i = first; i <= last; ++i)
        line += QStringLiteral(" %1、科%1").arg(i);
    return line;
}

QuestionnaireModel patientWith(int count)
{
    QuestionnaireModel model(QuestionnaireCatalogue::load(1));
    model.setDepartmentQuestion(DepartmentQuestion::build(model.catalogue().question(1).text, departments(count)));
    return model;
}

}  // namespace

TEST(DepartmentQuestion, TenDepartmentsGiveThreeLines)
{
    const auto question = DepartmentQuestion::build(Stem, departments(10));
    EXPECT_EQ(question.deptCount(), 10);
    EXPECT_EQ(QuestionText::lines(question.text()),
              QStringList({QStringLiteral("一、你这次在哪个科室就医？"), QString(), listed(1, 10)}));
    EXPECT_FALSE(question.truncated());
    EXPECT_FALSE(question.empty());
}

TEST(DepartmentQuestion, TheEleventhDepartmentOpensAFourthLine)
{
    const auto question = DepartmentQuestion::build(Stem, departments(11));
    EXPECT_EQ(question.deptCount(), 11);
    EXPECT_EQ(QuestionText::lines(question.text()),
              QStringList({QStringLiteral("一、你这次在哪个科室就医？"), QString(), listed(1, 10), listed(11, 11)}));
}

TEST(DepartmentQuestion, ButtonsTakeTwoLinesFromSixteenDepartments)
{
    auto fifteen = patientWith(15);
    EXPECT_EQ(fifteen.rowButtons(1), 15);
    EXPECT_FALSE(fifteen.rowHasTwoLines(1));

    auto sixteen = patientWith(16);
    EXPECT_EQ(sixteen.rowButtons(1), 16);
    EXPECT_TRUE(sixteen.rowHasTwoLines(1));
    EXPECT_EQ(QuestionText::lines(sixteen.rowText(1)).size(), 4);
    EXPECT_EQ(QuestionText::lines(sixteen.rowText(1)).last(), listed(11, 16));
    EXPECT_FALSE(sixteen.rowHasTwoLines(2));  // question 2's twelve buttons stay on one line
}

TEST(DepartmentQuestion, MoreThanThirtyDepartmentsListAndCountTheFirstThirtyAndSaySo)
{
    const auto question = DepartmentQuestion::build(Stem, departments(31));
    EXPECT_EQ(question.deptCount(), 30);
    EXPECT_EQ(question.rowsRead(), 31);
    EXPECT_TRUE(question.truncated());
    EXPECT_TRUE(question.truncatedMessage().contains(QStringLiteral("31")));
    const QStringList lines = QuestionText::lines(question.text());
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines.last(), listed(21, 30));
    EXPECT_FALSE(question.text().contains(QStringLiteral("科31")));

    // The model never offers a button the window does not have, and refuses a tick past them.
    auto model = patientWith(31);
    EXPECT_EQ(model.rowButtons(1), 30);
    EXPECT_THROW(model.storePage({31, 1, 1, 1, 1}), hestova::AppError);
    EXPECT_EQ(model.answer(1), 0);
    model.storePage({30, 1, 1, 1, 1});
    EXPECT_EQ(model.answer(1), 30);
}

TEST(DepartmentQuestion, AnEmptyTableGivesNoButtonsAndAFlagForTheLoadMessage)
{
    const auto question = DepartmentQuestion::build(Stem, {});
    EXPECT_TRUE(question.empty());
    EXPECT_EQ(question.deptCount(), 0);
    EXPECT_EQ(question.text(), Stem);
    EXPECT_FALSE(DepartmentQuestion::emptyMessage().isEmpty());

    auto model = patientWith(0);
    EXPECT_EQ(model.rowButtons(1), 0);
    EXPECT_THROW(model.storePage({1}), hestova::AppError);
}

TEST(DepartmentQuestion, FieldsConvertAsTextWithNumbersInPlainDecimalAndEmptyFieldsAsNothing)
{
    const QList<DepartmentRow> rows = {{QVariant(1.0), QVariant(QStringLiteral("内科"))},
                                       {QVariant(qlonglong(2)), QVariant()},
                                       {QVariant(QStringLiteral("3")), QVariant(QStringLiteral("外科"))}};
    const auto question = DepartmentQuestion::build(Stem, rows);
    EXPECT_EQ(question.text(), Stem + QStringLiteral("_ 1、内科 2、 3、外科"));
}

