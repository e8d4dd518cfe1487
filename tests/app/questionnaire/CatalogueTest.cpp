#include "core/AppError.h"
#include "questionnaire/QuestionnaireCatalogue.h"

#include <algorithm>
#include <gtest/gtest.h>

using hestova::AppError;
using hestova::questionnaire::Question;
using hestova::questionnaire::QuestionnaireCatalogue;

namespace {

// Answers enumerated in a text: ① to ⑳ and ⑴ to ⒇.
int enumeratedAnswers(const QString &text)
{
    int count = 0;
    for (QChar c : text) {
        if (c.unicode() >= 0x2460 && c.unicode() <= 0x2487)
            ++count;
    }
    return count;
}

const QString Ideographic = QString(QChar(0x3000));

}  // namespace

class EveryCatalogue : public ::testing::TestWithParam<int> {};

TEST_P(EveryCatalogue, ButtonCountsEqualTheEnumeratedAnswersAndFitTheWindowRows)
{
    const QuestionnaireCatalogue catalogue = QuestionnaireCatalogue::load(GetParam());
    for (int p = 1; p <= catalogue.pageCount(); ++p) {
        const auto &rows = catalogue.page(p).rows;
        for (int k = 0; k < rows.size(); ++k) {
            const Question &question = catalogue.question(rows[k]);
            if (question.departments)
                continue;
            EXPECT_EQ(question.buttons, enumeratedAnswers(question.text)) << "answer " << question.answer;
            EXPECT_LE(question.buttons, catalogue.rowCapacity()[k]) << "page " << p << " row " << k + 1;
        }
    }
}

TEST_P(EveryCatalogue, PagePlanPlacesEveryQuestionOnce)
{
    const QuestionnaireCatalogue catalogue = QuestionnaireCatalogue::load(GetParam());
    QList<int> placed;
    for (int p = 1; p <= catalogue.pageCount(); ++p)
        placed += catalogue.page(p).rows;
    std::sort(placed.begin(), placed.end());
    QList<int> expected;
    for (int n = 1; n <= catalogue.questionCount(); ++n)
        expected.append(n);
    EXPECT_EQ(placed, expected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryCatalogue, ::testing::Values(1, 2, 3));

TEST(Catalogue, KindsHaveTheirTablesHeadingsQuestionsAndPages)
{
    const auto patient = QuestionnaireCatalogue::load(1);
    EXPECT_EQ(patient.answerTable(), QStringLiteral("brwjdcxx"));
    EXPECT_EQ(patient.heading(), QStringLiteral("病人满意度调查"));
    EXPECT_EQ(patient.titleBar(), QStringLiteral("病人满意度调查项目"));
    EXPECT_EQ(patient.questionCount(), 28);
    EXPECT_EQ(patient.pageCount(), 6);
    EXPECT_EQ(patient.rowCapacity(), QList<int>({30, 12, 6, 6, 6}));
    EXPECT_TRUE(patient.question(1).departments);
    EXPECT_EQ(patient.question(1).text, QStringLiteral("一、你这次在哪个科室就医？_"));

    const auto medtech = QuestionnaireCatalogue::load(2);
    EXPECT_EQ(medtech.answerTable(), QStringLiteral("yjdcxx"));
    EXPECT_EQ(medtech.titleBar(), QStringLiteral("医技科室满意度调查项目"));
    EXPECT_EQ(medtech.questionCount(), 63);
    EXPECT_EQ(medtech.pageCount(), 18);

    const auto functional = QuestionnaireCatalogue::load(3);
    EXPECT_EQ(functional.answerTable(), QStringLiteral("zndcxx"));
    EXPECT_EQ(functional.heading(), QStringLiteral("行政职能科室满意度调查"));
    EXPECT_EQ(functional.questionCount(), 93);
    EXPECT_EQ(functional.pageCount(), 24);
}

TEST(Catalogue, PatientTextsAreVerbatimWithTheirIdeographicSpaces)
{
    const auto patient = QuestionnaireCatalogue::load(1);
    EXPECT_EQ(patient.question(2).text,
              QStringLiteral("二、你的主要职业是_ _⑴工人") + Ideographic + QStringLiteral("⑵农民") + Ideographic
                  + QStringLiteral("⑶军人") + Ideographic + QStringLiteral("⑷教师") + Ideographic
                  + QStringLiteral("⑸医务人员或科研人员") + Ideographic + QStringLiteral("⑹企事业机关干部")
                  + Ideographic + QStringLiteral("⑺个体从业者_⑻商业服务人员") + Ideographic
                  + QStringLiteral("⑼离退休人员") + Ideographic + QStringLiteral("⑽无职业者") + Ideographic
                  + QStringLiteral("⑾学生") + Ideographic + QStringLiteral("⑿其他"));
    EXPECT_EQ(patient.question(3).text,
              QStringLiteral("三、你对医保工作人员的服务态度、办事效率是否满意_ _①满意  ②较满意  ③一般  ④不满意  ⑤很不满意")
                  + Ideographic + QStringLiteral("⑥未接触"));
    EXPECT_EQ(patient.question(27).text,
              QStringLiteral("二十七、您在这次就医期间，医院工作人员是否索要或暗示送钱物_ _①有  ②没有"));
    EXPECT_EQ(patient.question(27).answerSet, QStringLiteral("TwoChoiceScale"));
    // Every six-answer question has the ideographic space before ⑥, and only there (besides question 2).
    for (int n = 3; n <= 28; ++n) {
        const QString text = patient.question(n).text;
        EXPECT_EQ(text.count(Ideographic), patient.question(n).buttons == 6 ? 1 : 0) << n;
        if (patient.question(n).buttons == 6)
            EXPECT_TRUE(text.contains(Ideographic + QStringLiteral("⑥"))) << n;
    }
}

TEST(Catalogue, MedicalTechnicalTextsKeepTheirLeadingBlanksAndOddWordings)
{
    const auto medtech = QuestionnaireCatalogue::load(2);
    EXPECT_EQ(medtech.question(1).text,
              QStringLiteral("一、检验科_ _    1、您所接触的检验科工作人员服务态度是否满意？_ _    ①满意  ②较满意  ③不满意  ④很不满意  ⑤未接触"));
    EXPECT_EQ(medtech.question(9).text,
              QStringLiteral("    放射科_ _    4、放射科开展项目能否满意临床需要_ _    ①完全满足  ②较能满足  ③不能满足"));
    EXPECT_EQ(medtech.question(30).text,
              QStringLiteral("七、中普制剂室_ _   1、您所接触的中普制剂室工作人员的服务态度是否满意_ _    ①满意  ②较满意  ③不满意  ④很不满意  ⑤未接触"));
    EXPECT_EQ(medtech.question(31).text, QStringLiteral("   2、制剂质量是否合格_ _    ①合格  ②不合格"));
    EXPECT_EQ(medtech.question(31).wording, QStringLiteral("合格/不合格"));
    // The same text on pages 1, 4 and 5 stays three questions.
    EXPECT_EQ(medtech.question(5).text, medtech.question(16).text);
    EXPECT_EQ(medtech.question(5).text, medtech.question(21).text);
    EXPECT_EQ(medtech.page(4).rows.last(), 16);
    EXPECT_EQ(medtech.page(5).rows.last(), 21);
}

TEST(Catalogue, MedicalTechnicalPagesShowTwoToFiveRows)
{
    const auto medtech = QuestionnaireCatalogue::load(2);
    const QList<int> rows = {5, 3, 3, 5, 5, 4, 4, 3, 4, 4, 3, 4, 3, 3, 3, 2, 3, 2};
    for (int p = 1; p <= 18; ++p)
        EXPECT_EQ(medtech.page(p).rows.size(), rows[p - 1]) << p;
}

TEST(Catalogue, FunctionalAnswersFollowTheTableColumnsNotThePages)
{
    const auto functional = QuestionnaireCatalogue::load(3);
    EXPECT_EQ(functional.page(12).rows, QList<int>({69, 70, 71}));
    EXPECT_EQ(functional.page(13).rows, QList<int>({50, 51, 52, 53}));
    EXPECT_EQ(functional.page(17).rows, QList<int>({66, 67, 68}));
    EXPECT_EQ(functional.page(18).rows, QList<int>({74, 75, 76, 77}));
    EXPECT_EQ(functional.page(21).rows, QList<int>({72, 73}));
    EXPECT_EQ(functional.question(69).column, QStringLiteral("zw1"));
    EXPECT_EQ(functional.question(72).column, QStringLiteral("gl1"));
    EXPECT_EQ(functional.question(74).column, QStringLiteral("sg1"));
    EXPECT_EQ(functional.question(93).column, QStringLiteral("xj3"));
}

TEST(Catalogue, FunctionalTextsKeepTheirOwnNumberingAndSingleBreaks)
{
    const auto functional = QuestionnaireCatalogue::load(3);
    EXPECT_EQ(functional.question(1).text,
              QStringLiteral("一、院办公室_ _1、您对您所接触的院办公室人员的服务态度，工作作风是否满意_ _①满意 ②较满意 ③不满意 ④很不满意 ⑤未接触"));
    EXPECT_EQ(functional.question(16).text,
              QStringLiteral("3、您对您所接触的人事处人员是否按规定进行考核_ _①是 ②不是") + Ideographic
                  + QStringLiteral("③未接触"));
    EXPECT_EQ(functional.question(17).text.section(QLatin1Char('_'), 0, 0), QStringLiteral("人事处"));
    EXPECT_EQ(functional.question(31).text,
              QStringLiteral("七、设备处_ _1、您对您所接触的设备处人员的服务态度，工作作风是否满意_①满意 ②较满意 ③不满意 ④很不满意 ⑤未接触"));
    EXPECT_TRUE(functional.question(56).text.startsWith(QStringLiteral("十一、直属支部 （三）、网络管理室_ _1、")));
    EXPECT_TRUE(functional.question(56).text.contains(QStringLiteral("工作作风是否满意_①满意 ")));
    EXPECT_EQ(functional.question(49).text,
              QStringLiteral("5、门诊办公室能否及时有效地协调好窗口秩序，杜绝三“三长一短”_ _①能 ②不能"));
    EXPECT_EQ(functional.question(75).text, functional.question(79).text);  // sg2, dg2
    EXPECT_EQ(functional.question(77).text, functional.question(81).text);  // sg4, dg4
    EXPECT_EQ(functional.question(19).buttons, 4);  // rs6
    EXPECT_EQ(functional.question(8).buttons, 3);   // dw4
}

TEST(Catalogue, UnknownKindIsRefused)
{
    EXPECT_THROW(QuestionnaireCatalogue::load(0), AppError);
    EXPECT_THROW(QuestionnaireCatalogue::load(4), AppError);
}

TEST(Catalogue, DamagedFilesAreRefusedWithTheProblem)
{
    const QByteArray head = R"({"kind": 9, "answerTable": "t", "rowCapacity": [5, 5, 5, 5, 5], "questions": [
        {"answer": 1, "text": "a_ _①x ②y", "buttons": 2}, {"answer": 2, "text": "b_ _①x ②y", "buttons": 2}],)";
    const auto refused = [&](const QByteArray &pages) {
        try {
            QuestionnaireCatalogue::fromJson(head + pages + "}", QStringLiteral("test.json"));
        } catch (const AppError &error) {
            EXPECT_EQ(error.number(), hestova::ErrorNumber::BadFileFormat);
            EXPECT_TRUE(error.description().contains(QStringLiteral("test.json")));
            return true;
        }
        return false;
    };
    EXPECT_FALSE(refused(R"("pages": [{"rows": [2, 1]}])"));
    EXPECT_TRUE(refused(R"("pages": [{"rows": [1]}])"));              // question 2 on no page
    EXPECT_TRUE(refused(R"("pages": [{"rows": [1, 2]}, {"rows": [2]}])"));  // question 2 twice
    EXPECT_TRUE(refused(R"("pages": [{"rows": [1, 3]}])"));           // no question 3
    EXPECT_TRUE(refused(R"("pages": [{"rows": [1, 2, 1, 2, 1, 2]}])"));  // six rows
    EXPECT_TRUE(refused(R"("pages": [{"rows": [1, 2]}] trailing)"));  // not JSON
    EXPECT_THROW(QuestionnaireCatalogue::fromJson(
                     R"({"kind": 9, "answerTable": "t", "rowCapacity": [1, 5, 5, 5, 5],
                         "questions": [{"answer": 1, "text": "a_①x ②y", "buttons": 2}], "pages": [{"rows": [1]}]})",
                     QStringLiteral("narrow.json")),
                 AppError);
}

