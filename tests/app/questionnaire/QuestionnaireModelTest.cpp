#include "FakeQuestionnaireWindow.h"

#include "core/AppError.h"
#include "questionnaire/QuestionText.h"
#include "questionnaire/QuestionnaireModel.h"

#include <gtest/gtest.h>

using namespace hestova::questionnaire;
using Result = QuestionnaireModel::NextResult;

namespace {

QuestionnaireModel modelOf(int kind, int departments = 20)
{
    QuestionnaireModel model(QuestionnaireCatalogue::load(kind));
    if (kind == 1) {
        QList<DepartmentRow> rows;
        for (int i = 1; i <= departments; ++i)
            rows.append({i, QStringLiteral("科%1").arg(i)});
        model.setDepartmentQuestion(DepartmentQuestion::build(model.catalogue().question(1).text, rows));
    }
    return model;
}

// A distinct answer for each question that fits its buttons, so a misplaced answer shows.
int distinctAnswer(int question, int buttons)
{
    return (question * 7) % buttons + 1;
}

// Walks the whole questionnaire page by page with the given answers; the result of the last "完成".
template <typename Answer>
Result fillAll(FakeQuestionnaireWindow &window, QuestionnaireModel &model, Answer answer)
{
    Result result = Result::PageTurned;
    for (int p = 1; p <= model.pageCount(); ++p) {
        EXPECT_EQ(model.currentPage(), p);
        result = window.fillPageAndNext(answer);
    }
    return result;
}

QString expectedStatement(const QString &table, int survey, const QList<int> &answers)
{
    QString text = QStringLiteral("insert into %1 values(%2").arg(table).arg(survey);
    for (int a : answers)
        text += QStringLiteral(",%1").arg(a);
    return text + QStringLiteral(")");
}

}  // namespace

class EveryKind : public ::testing::TestWithParam<int> {};

TEST_P(EveryKind, AFullQuestionnaireStoresEveryAnswerInColumnOrder)
{
    auto model = modelOf(GetParam());
    FakeQuestionnaireWindow window(model);
    EXPECT_EQ(fillAll(window, model, distinctAnswer), Result::Complete);
    EXPECT_EQ(model.currentPage(), model.pageCount());

    QList<int> expected;
    for (int n = 1; n <= model.catalogue().questionCount(); ++n) {
        const int buttons = n == 1 && GetParam() == 1 ? 20 : model.catalogue().question(n).buttons;
        expected.append(distinctAnswer(n, buttons));
    }
    EXPECT_EQ(model.answers(), expected);
    EXPECT_EQ(model.insertStatement(42), expectedStatement(model.catalogue().answerTable(), 42, expected));
}

TEST_P(EveryKind, GoingBackAndForwardKeepsEveryTick)
{
    auto model = modelOf(GetParam());
    FakeQuestionnaireWindow window(model);
    fillAll(window, model, distinctAnswer);
    const QList<int> kept = model.answers();

    // Back to page 1, checking each page shows exactly the ticks it had, then forward again.
    while (model.currentPage() > 1) {
        window.previous();
        for (int row = 1; row <= 5; ++row) {
            const int question = model.rowQuestion(row);
            EXPECT_EQ(window.ticked(row), question ? kept[question - 1] : 0)
                << "page " << model.currentPage() << " row " << row;
        }
    }
    while (!model.isLastPage())
        EXPECT_EQ(window.next(), Result::PageTurned);
    EXPECT_EQ(model.answers(), kept);
    EXPECT_EQ(window.next(), Result::Complete);
}

TEST_P(EveryKind, FinishCaptionAndPreviousButtonFollowThePage)
{
    auto model = modelOf(GetParam());
    FakeQuestionnaireWindow window(model);
    EXPECT_FALSE(model.previousEnabled());
    EXPECT_EQ(model.pageCaption(), QStringLiteral("第 1 页"));
    for (int p = 1; p < model.pageCount(); ++p) {
        EXPECT_EQ(model.nextCaption(), QStringLiteral("下一步")) << p;
        window.next();
        EXPECT_TRUE(model.previousEnabled());
    }
    EXPECT_EQ(model.nextCaption(), QStringLiteral("完成"));
    EXPECT_EQ(model.pageCaption(), QStringLiteral("第 %1 页").arg(model.pageCount()));
    window.previous();
    EXPECT_EQ(model.nextCaption(), QStringLiteral("下一步"));
    EXPECT_EQ(model.currentPage(), model.pageCount() - 1);
}

TEST_P(EveryKind, AnyUnansweredQuestionBlocksTheFinishAndKeepsTheAnswers)
{
    const int count = QuestionnaireCatalogue::load(GetParam()).questionCount();
    for (int missing : {1, count / 2, count}) {
        auto model = modelOf(GetParam());
        FakeQuestionnaireWindow window(model);
        const auto allButOne = [missing](int question, int) { return question == missing ? 0 : 1; };
        EXPECT_EQ(fillAll(window, model, allButOne), Result::Incomplete) << missing;
        EXPECT_TRUE(model.isLastPage());
        EXPECT_FALSE(model.allAnswered());
        EXPECT_EQ(model.answers().count(1), count - 1);
        EXPECT_THROW(model.insertStatement(1), hestova::AppError);
        EXPECT_EQ(window.next(), Result::Incomplete);  // pressing again: same message, same page
        EXPECT_TRUE(model.isLastPage());
    }
}

TEST_P(EveryKind, StartingAnewClearsEveryAnswerAndShowsPageOne)
{
    auto model = modelOf(GetParam());
    FakeQuestionnaireWindow window(model);
    fillAll(window, model, distinctAnswer);
    window.restart();
    EXPECT_EQ(model.currentPage(), 1);
    EXPECT_FALSE(model.previousEnabled());
    EXPECT_EQ(model.nextCaption(), QStringLiteral("下一步"));
    EXPECT_EQ(model.answers(), QList<int>(model.catalogue().questionCount(), 0));
    for (int row = 1; row <= 5; ++row)
        EXPECT_EQ(window.ticked(row), 0);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryKind, ::testing::Values(1, 2, 3));

TEST(QuestionnaireModel, StatementsHoldTheSurveyAndEveryAnswerInPlainDecimal)
{
    const struct {
        int kind;
        const char *head;
        int values;
    } kinds[] = {{1, "insert into brwjdcxx values(7", 29}, {2, "insert into yjdcxx values(7", 64},
                 {3, "insert into zndcxx values(7", 94}};
    for (const auto &k : kinds) {
        auto model = modelOf(k.kind);
        FakeQuestionnaireWindow window(model);
        fillAll(window, model, [](int, int) { return 1; });
        const QString statement = model.insertStatement(7);
        EXPECT_TRUE(statement.startsWith(QLatin1String(k.head))) << k.kind;
        EXPECT_TRUE(statement.endsWith(QLatin1Char(')')));
        EXPECT_EQ(statement.count(QLatin1Char(',')) + 1, k.values) << k.kind;
        EXPECT_EQ(statement, QLatin1String(k.head) + QStringLiteral(",1").repeated(k.values - 1) + QLatin1Char(')'));
    }
}

TEST(QuestionnaireModel, FunctionalPagesTwelveAndTwentyOneFillTheirOwnColumns)
{
    auto model = modelOf(3);
    FakeQuestionnaireWindow window(model);
    // Tick 2 everywhere except 总务处 (page 12) with 1 and 锅炉房 (page 21) with 1.
    fillAll(window, model, [&model](int, int) {
        return model.currentPage() == 12 || model.currentPage() == 21 ? 1 : 2;
    });
    QStringList values = model.insertStatement(5).section(QLatin1Char('('), 1).chopped(1).split(QLatin1Char(','));
    ASSERT_EQ(values.size(), 94);
    for (int column = 2; column <= 94; ++column) {
        const bool own = (column >= 70 && column <= 74);  // zw1-zw3 in 70-72, gl1-gl2 in 73-74
        EXPECT_EQ(values[column - 1], own ? QStringLiteral("1") : QStringLiteral("2")) << "column " << column;
    }
    EXPECT_EQ(model.catalogue().question(72 - 1).column, QStringLiteral("zw3"));
}

TEST(QuestionnaireModel, ShortPagesHideTheirLastRows)
{
    auto medtech = modelOf(2);
    FakeQuestionnaireWindow window(medtech);
    window.turnTo(16);
    EXPECT_EQ(medtech.rowCount(), 2);
    EXPECT_TRUE(medtech.rowShown(2));
    for (int row = 3; row <= 5; ++row) {
        EXPECT_FALSE(medtech.rowShown(row));
        EXPECT_EQ(medtech.rowText(row), QString());
        EXPECT_EQ(medtech.rowCaption(row), QString());
        EXPECT_EQ(medtech.rowButtons(row), 0);
        EXPECT_EQ(medtech.rowQuestion(row), 0);
    }
    // Ticks handed over for hidden rows are dropped, not stored anywhere.
    medtech.storePage({1, 2, 5, 5, 5});
    EXPECT_EQ(medtech.answer(57), 1);
    EXPECT_EQ(medtech.answer(58), 2);
    EXPECT_EQ(medtech.answer(59), 0);

    auto patient = modelOf(1);
    FakeQuestionnaireWindow patientWindow(patient);
    patientWindow.turnTo(6);
    EXPECT_EQ(patient.rowCount(), 3);
    EXPECT_FALSE(patient.rowShown(4));
    EXPECT_EQ(patient.rowButtons(3), 6);
}

TEST(QuestionnaireModel, TicksBeyondARowsButtonsAreRefusedAndNothingIsKept)
{
    auto model = modelOf(2);
    EXPECT_THROW(model.storePage({1, 3, 1, 1, 1}), hestova::AppError);  // question 2 has two answers
    EXPECT_THROW(model.next({-1, 1, 1, 1, 1}), hestova::AppError);
    EXPECT_EQ(model.answers(), QList<int>(63, 0));
    EXPECT_EQ(model.currentPage(), 1);
}

TEST(QuestionnaireModel, RowsShowTheirTextsSplitAtTheMarker)
{
    auto model = modelOf(3);
    EXPECT_EQ(QuestionText::lines(model.rowText(1)),
              QStringList({QStringLiteral("一、院办公室"), QStringLiteral(" "),
                           QStringLiteral("1、您对您所接触的院办公室人员的服务态度，工作作风是否满意"), QStringLiteral(" "),
                           QStringLiteral("①满意 ②较满意 ③不满意 ④很不满意 ⑤未接触")}));
    EXPECT_TRUE(model.rowCaption(1).endsWith(QStringLiteral("⑤未接触\r")));
    EXPECT_EQ(model.rowCaption(1).count(QLatin1Char('\r')), 5);

    auto patient = modelOf(1, 10);
    EXPECT_EQ(patient.rowCaption(1).count(QLatin1Char('\r')), 3);
    EXPECT_TRUE(patient.rowCaption(1).startsWith(QStringLiteral("一、你这次在哪个科室就医？\r\r 1、科1 2、科2")));
}

TEST(QuestionnaireModel, PageIndicatorKeepsASignPositionBeforeTheNumber)
{
    auto model = modelOf(2);
    FakeQuestionnaireWindow window(model);
    window.turnTo(17);
    EXPECT_EQ(model.pageCaption(), QStringLiteral("第 17 页"));
}

TEST(QuestionText, LinesAndCaptions)
{
    EXPECT_EQ(QuestionText::lines(QString()), QStringList());
    EXPECT_EQ(QuestionText::caption(QString()), QString());
    EXPECT_EQ(QuestionText::caption(QStringLiteral("a_ _b")), QStringLiteral("a\r \rb\r"));
    EXPECT_EQ(QuestionText::caption(QStringLiteral("a_")), QStringLiteral("a\r\r"));
    EXPECT_EQ(QuestionText::lines(QStringLiteral("   2、x_ _    ①y")),
              QStringList({QStringLiteral("   2、x"), QStringLiteral(" "), QStringLiteral("    ①y")}));
}
