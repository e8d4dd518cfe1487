#include "QuestionnaireWindowFixture.h"

#include "core/AppFolder.h"
#include "questionnaire/QuestionText.h"
#include "screen/Twips.h"

#include <QFile>

using hestova::forms::vbInformation;

namespace {

// jyks holding departments numbered 1..count, stored in reverse order (a table without a key keeps the order
// of its inserts), so that reading it in storage order would list the last department first.
void fillDepartments(int count)
{
    hestova::db::Connection connection;
    connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
    connection.Execute(QStringLiteral("drop table jyks"));
    connection.Execute(QStringLiteral("create table jyks (ksbh integer, ksdm varchar(20), ksmc varchar(50))"));
    for (int number = count; number >= 1; --number)
        connection.Execute(QStringLiteral("insert into jyks values(?, ?, ?)"),
                           {number, QStringLiteral("k%1").arg(number), QStringLiteral("科%1").arg(number)});
}

}  // namespace

class DepartmentRows : public QuestionnaireWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(DepartmentRows, QuestionOneListsTheDepartmentsTenToALineWithOneButtonEach)
{
    const int count = GetParam();
    fillDepartments(count);
    QuestionnaireWindow &window = open(1);

    const int listed = qMin(count, 30);
    const QStringList lines =
        window.rowLabel(1)->text().split(QLatin1Char('\n'), Qt::KeepEmptyParts);
    // Question, the empty line, the department lines.
    ASSERT_EQ(lines.size(), 2 + (listed + 9) / 10);
    EXPECT_EQ(lines[0], QStringLiteral("一、你这次在哪个科室就医？"));
    EXPECT_TRUE(lines[1].isEmpty());
    EXPECT_TRUE(lines[2].startsWith(QStringLiteral(" 1、科1 2、科2")));
    EXPECT_TRUE(lines[1 + (listed + 9) / 10].endsWith(QStringLiteral(" %1、科%1").arg(listed)));
    EXPECT_EQ(visibleOptions(window, 1), listed);
    EXPECT_EQ(window.option(1, listed - 1)->text(), QString::number(listed));
    EXPECT_EQ(window.rowPicture(1)->height(), hestova::pixelsFromTwips(listed > 15 ? 680 : 375));

    if (count > 30) {
        ASSERT_EQ(boxes->boxes().size(), 1);
        EXPECT_EQ(boxes->last().icon(), vbInformation);
        EXPECT_TRUE(boxes->last().text.contains(QString::number(count)));
    } else {
        EXPECT_TRUE(boxes->boxes().isEmpty());
    }

    // The last department's button stores its number; going back to page 1 restores the strip.
    tick(window, 1, listed);
    clickNext(window);
    EXPECT_EQ(window.rowPicture(1)->height(), hestova::pixelsFromTwips(375));
    clickPrevious(window);
    EXPECT_EQ(shownTick(window, 1), listed);
    EXPECT_EQ(window.rowPicture(1)->height(), hestova::pixelsFromTwips(listed > 15 ? 680 : 375));
    fillUpToLastPage(window);
    boxes->answerNext(hestova::forms::vbNo);
    clickNext(window);
    const QList<QVariantList> rows = storedRows(QStringLiteral("brwjdcxx"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first()[1].toInt(), answerFor(1, listed));
}

INSTANTIATE_TEST_SUITE_P(Counts, DepartmentRows, ::testing::Values(10, 11, 16, 30, 31));

TEST_F(QuestionnaireWindowTest, EmptyDepartmentTableIsToldAtLoadAndBlocksTheFinish)
{
    fillDepartments(0);
    QuestionnaireWindow &window = open(1);
    ASSERT_EQ(boxes->boxes().size(), 1);
    EXPECT_EQ(boxes->last().icon(), vbInformation);
    EXPECT_TRUE(boxes->last().text.contains(QStringLiteral("没有科室")));
    EXPECT_EQ(visibleOptions(window, 1), 0);

    boxes->clear();
    fillUpToLastPage(window);
    clickNext(window);
    ASSERT_EQ(boxes->boxes().size(), 1);
    EXPECT_EQ(boxes->last().title, QStringLiteral("未保存"));
    EXPECT_TRUE(storedRows(QStringLiteral("brwjdcxx")).isEmpty());
}

TEST_F(QuestionnaireWindowTest, UnreadableDepartmentTableIsReportedAndTheWindowStillOpens)
{
    execute(QStringLiteral("alter table jyks rename to jyks_aside"));
    QuestionnaireWindow &window = open(1);
    ASSERT_EQ(boxes->boxes().size(), 1);
    EXPECT_EQ(boxes->last().title, QStringLiteral("错误"));
    EXPECT_EQ(window.model().currentPage(), 1);
    EXPECT_EQ(visibleOptions(window, 1), 0);
    EXPECT_EQ(visibleOptions(window, 2), 12);
}

TEST_F(QuestionnaireWindowTest, AfterYesTheDepartmentsAreNotReadAgain)
{
    fillDepartments(12);
    QuestionnaireWindow &window = open(1);
    fillDepartments(3);
    fillUpToLastPage(window);
    boxes->answerNext(hestova::forms::vbYes);
    clickNext(window);
    EXPECT_EQ(visibleOptions(window, 1), 12);
}
