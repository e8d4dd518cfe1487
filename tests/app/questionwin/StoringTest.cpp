#include "QuestionnaireWindowFixture.h"

#include "core/AppError.h"
#include "questionnaire/QuestionnaireTexts.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

#include <utility>

namespace texts = hestova::questionnaire::QuestionnaireTexts;
using hestova::forms::vbCritical;
using hestova::forms::vbInformation;
using hestova::forms::vbNo;
using hestova::forms::vbYes;
using hestova::forms::vbYesNo;

TEST_P(EveryQuestionnaireWindow, FullQuestionnaireStoresOneRowInColumnOrder)
{
    QuestionnaireWindow &window = open(GetParam());
    fillUpToLastPage(window);
    boxes->answerNext(vbNo);
    clickNext(window);

    const QList<QVariantList> rows = storedRows(answerTable(GetParam()));
    ASSERT_EQ(rows.size(), 1);
    const QVariantList &row = rows.first();
    const auto &catalogue = window.model().catalogue();
    ASSERT_EQ(row.size(), catalogue.questionCount() + 1);
    EXPECT_EQ(row[0].toInt(), 7);
    for (int answer = 1; answer <= catalogue.questionCount(); ++answer) {
        const auto &question = catalogue.question(answer);
        const int buttons = question.departments ? window.model().departmentQuestion()->deptCount() : question.buttons;
        EXPECT_EQ(row[answer].toInt(), answerFor(answer, buttons)) << "column " << answer + 1;
    }
    ASSERT_EQ(boxes->boxes().size(), 1);
    EXPECT_EQ(boxes->last().title, texts::continueTitle());
    EXPECT_EQ(boxes->last().text, texts::continueQuestion());
    EXPECT_EQ(boxes->last().buttons, vbYesNo);
}

namespace {

// A keyboard operator: Tab and Shift+Tab go from row to row, Space ticks the focused button, the arrows move
// the focus, and a row's tick with it.
class Keyboard {
public:
    explicit Keyboard(QuestionnaireWindow &window) : m_window(window) {}

    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &m_window;
        QTest::keyClick(target, Qt::Key(key), modifiers);
    }

    // Row and button index of the focus; row 0 when no answer button has it.
    std::pair<int, int> focus() const
    {
        for (int row = 1; row <= QuestionnaireWindow::Rows; ++row)
            for (int index = 0; index < m_window.optionCount(row); ++index)
                if (m_window.option(row, index)->hasFocus())
                    return {row, index};
        return {0, -1};
    }

    // The rows that Tab (or Shift+Tab) reaches, in order, until the focus is back where it started.
    QList<int> walk(Qt::KeyboardModifiers modifiers)
    {
        QWidget *start = QApplication::focusWidget();
        QList<int> rows;
        for (int step = 0; step < 100; ++step) {
            press(Qt::Key_Tab, modifiers);
            if (focus().first)
                rows.append(focus().first);
            if (QApplication::focusWidget() == start)
                break;
        }
        return rows;
    }

private:
    QuestionnaireWindow &m_window;
};

}  // namespace

// Every page's rows are typed by keyboard, each with its last button, so that a shorter row on the next page
// follows a tick that its row no longer shows.
TEST_P(EveryQuestionnaireWindow, KeyboardReachesEveryRowInOrderAndStoresWhatWasTyped)
{
    QuestionnaireWindow &window = open(GetParam());
    window.Show();
    QApplication::setActiveWindow(&window);
    Keyboard keys(window);
    for (int step = 0; step < 100 && keys.focus().first != 1; ++step)
        keys.press(Qt::Key_Tab);
    QMap<int, int> typed;
    for (;;) {
        const auto &model = window.model();
        const QString page = QStringLiteral("page %1").arg(model.currentPage());
        QList<int> rows;
        for (int row = 1; row <= model.rowCount(); ++row)
            if (model.rowButtons(row) > 0)
                rows.append(row);
        // Each page starts on its first row.
        ASSERT_EQ(keys.focus(), std::make_pair(rows.first(), 0)) << page.toStdString();

        QList<int> forward = rows.mid(1);
        forward.append(rows.first());
        EXPECT_EQ(keys.walk(Qt::NoModifier), forward) << page.toStdString();
        QList<int> backward(rows.rbegin(), rows.rend());
        EXPECT_EQ(keys.walk(Qt::ShiftModifier), backward) << page.toStdString();

        for (int row : rows) {
            ASSERT_EQ(keys.focus(), std::make_pair(row, 0)) << page.toStdString() << " row " << row;
            keys.press(Qt::Key_Space);
            EXPECT_EQ(shownTick(window, row), 1) << page.toStdString() << " row " << row;
            const int buttons = model.rowButtons(row);
            for (int step = 1; step < buttons; ++step)
                keys.press(Qt::Key_Right);
            EXPECT_EQ(shownTick(window, row), buttons) << page.toStdString() << " row " << row;
            typed[model.rowQuestion(row)] = buttons;
            keys.press(Qt::Key_Tab);
        }
        if (model.isLastPage())
            break;
        clickNext(window);
    }
    // Back on a typed page, a row's stop is its ticked button.
    clickPrevious(window);
    const int row = 1, buttons = window.model().rowButtons(row);
    EXPECT_EQ(keys.focus(), std::make_pair(row, buttons - 1));
    keys.press(Qt::Key_Tab, Qt::ShiftModifier);
    keys.press(Qt::Key_Tab);
    EXPECT_EQ(keys.focus(), std::make_pair(row, buttons - 1));
    clickNext(window);

    boxes->answerNext(vbNo);
    clickNext(window);

    const QList<QVariantList> stored = storedRows(answerTable(GetParam()));
    ASSERT_EQ(stored.size(), 1);
    ASSERT_EQ(stored.first().size(), typed.size() + 1);
    for (int answer = 1; answer <= typed.size(); ++answer)
        EXPECT_EQ(stored.first()[answer].toInt(), typed.value(answer)) << "column " << answer + 1;
}

TEST_P(EveryQuestionnaireWindow, YesStartsAnEmptyQuestionnaireOnPageOneAndNoClosesTheWindow)
{
    QuestionnaireWindow &window = open(GetParam());
    fillUpToLastPage(window);
    boxes->answerNext(vbYes);
    clickNext(window);

    ASSERT_TRUE(isOpen(GetParam()));
    EXPECT_EQ(window.model().currentPage(), 1);
    EXPECT_EQ(window.pageLabel()->text(), QStringLiteral("第 1 页"));
    EXPECT_FALSE(previousEnabled(window));
    EXPECT_EQ(nextCaption(window), texts::nextCaption());
    for (int row = 1; row <= QuestionnaireWindow::Rows; ++row)
        EXPECT_EQ(shownTick(window, row), 0) << "row " << row;
    EXPECT_FALSE(window.model().answers().contains(1) || window.model().answers().contains(2));
    EXPECT_TRUE(window.surveyLabel()->text().startsWith(QStringLiteral("第 7 号调查")));

    // The second questionnaire goes through as the first did.
    fillUpToLastPage(window);
    boxes->answerNext(vbNo);
    clickNext(window);
    flushDeletes();
    EXPECT_FALSE(isOpen(GetParam()));
    EXPECT_EQ(storedRows(answerTable(GetParam())).size(), 2);
    EXPECT_TRUE(boxes->allAnswersUsed());
}

TEST_P(EveryQuestionnaireWindow, ClosingByTheTitleBarStoresNothingAndReopensEmpty)
{
    QuestionnaireWindow &window = open(GetParam());
    fillUpToLastPage(window);
    window.close();
    flushDeletes();
    EXPECT_FALSE(isOpen(GetParam()));
    EXPECT_TRUE(storedRows(answerTable(GetParam())).isEmpty());

    QuestionnaireWindow &again = open(GetParam());
    EXPECT_EQ(again.model().currentPage(), 1);
    EXPECT_FALSE(again.model().answers().contains(1));
    EXPECT_TRUE(boxes->boxes().isEmpty());
}

TEST_P(EveryQuestionnaireWindow, UnansweredQuestionRefusesTheFinishAndKeepsEverything)
{
    QuestionnaireWindow &window = open(GetParam());
    // Page 1 row 2 stays unticked.
    const auto &model = window.model();
    tick(window, 1, 1);
    for (int row = 3; row <= model.rowCount(); ++row)
        tick(window, row, 1);
    clickNext(window);
    fillUpToLastPage(window);

    clickNext(window);
    ASSERT_EQ(boxes->boxes().size(), 1);
    EXPECT_EQ(boxes->last().text, texts::incompleteMessage());
    EXPECT_EQ(boxes->last().title, texts::incompleteTitle());
    EXPECT_EQ(boxes->last().icon(), vbInformation);
    EXPECT_TRUE(model.isLastPage());
    EXPECT_EQ(nextCaption(window), texts::finishCaption());
    EXPECT_EQ(model.answers().count(0), 1);
    EXPECT_EQ(model.answer(model.catalogue().page(1).rows[1]), 0);
    for (int row = 1; row <= model.rowCount(); ++row)
        EXPECT_NE(shownTick(window, row), 0) << "row " << row;
    EXPECT_TRUE(storedRows(answerTable(GetParam())).isEmpty());
}

TEST_P(EveryQuestionnaireWindow, RefusedInsertShowsTheErrorBoxAndKeepsTheAnswersForAnotherTry)
{
    const QString table = answerTable(GetParam());
    QuestionnaireWindow &window = open(GetParam());
    fillUpToLastPage(window);
    execute(QStringLiteral("alter table %1 rename to kept_aside").arg(table));

    clickNext(window);
    ASSERT_EQ(boxes->boxes().size(), 1);
    EXPECT_EQ(boxes->last().title, QStringLiteral("错误"));
    EXPECT_EQ(boxes->last().icon(), vbCritical);
    EXPECT_TRUE(boxes->last().text.contains(QStringLiteral("：  ")));
    ASSERT_TRUE(isOpen(GetParam()));
    EXPECT_TRUE(window.model().isLastPage());
    EXPECT_TRUE(window.model().allAnswered());
    for (int row = 1; row <= window.model().rowCount(); ++row)
        EXPECT_NE(shownTick(window, row), 0) << "row " << row;

    execute(QStringLiteral("alter table kept_aside rename to %1").arg(table));
    boxes->answerNext(vbNo);
    clickNext(window);
    EXPECT_EQ(storedRows(table).size(), 1);
}

TEST_F(QuestionnaireWindowTest, DatabaseHeldByAnotherProgramRefusesTheFinishWithinTheLimitAndKeepsTheAnswers)
{
    QuestionnaireWindow &window = open(2);
    fillUpToLastPage(window);
    {
        hestova::db::Connection otherProgram;
        otherProgram.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
        otherProgram.Execute(QStringLiteral("begin exclusive"));

        QElapsedTimer clock;
        clock.start();
        clickNext(window);
        EXPECT_LT(clock.elapsed(), 10000);
        ASSERT_EQ(boxes->boxes().size(), 1);
        EXPECT_EQ(boxes->last().title, QStringLiteral("错误"));
        EXPECT_EQ(boxes->last().icon(), vbCritical);
        EXPECT_EQ(boxes->last().text, QString::number(hestova::ErrorNumber::DatabaseLocked) +
                                          QStringLiteral("：  数据库正被另一个程序使用，请稍后再试"));
        ASSERT_TRUE(isOpen(2));
        EXPECT_TRUE(window.model().isLastPage());
        EXPECT_TRUE(window.model().allAnswered());
        for (int row = 1; row <= window.model().rowCount(); ++row)
            EXPECT_NE(shownTick(window, row), 0) << "row " << row;
    }  // the other program ends and lets go of the database

    boxes->answerNext(vbNo);
    clickNext(window);
    EXPECT_EQ(boxes->last().title, texts::continueTitle());
    EXPECT_EQ(storedRows(QStringLiteral("yjdcxx")).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, EveryQuestionnaireWindow, ::testing::Values(1, 2, 3));

TEST_F(QuestionnaireWindowTest, FunctionalPagesTwelveAndTwentyOneFillTheirOwnColumns)
{
    QuestionnaireWindow &window = open(3);
    while (!window.model().isLastPage()) {
        const int page = window.model().currentPage();
        const auto &model = window.model();
        for (int row = 1; row <= model.rowCount(); ++row) {
            // Page 12 (总务处) ticks 5, 3, 2; page 21 (锅炉房) ticks 2, 2; every other row 1.
            int answer = 1;
            if (page == 12)
                answer = QList<int>{5, 3, 2}[row - 1];
            else if (page == 21)
                answer = 2;
            tick(window, row, answer);
        }
        clickNext(window);
    }
    for (int row = 1; row <= window.model().rowCount(); ++row)
        tick(window, row, 1);
    boxes->answerNext(vbNo);
    clickNext(window);

    const QList<QVariantList> rows = storedRows(QStringLiteral("zndcxx"));
    ASSERT_EQ(rows.size(), 1);
    QList<int> values;
    for (const QVariant &value : rows.first())
        values.append(value.toInt());
    ASSERT_EQ(values.size(), 94);
    // Columns 70 to 72 (zw1-zw3) and 73, 74 (gl1, gl2); the rest hold 1.
    EXPECT_EQ(values.mid(69, 3), (QList<int>{5, 3, 2}));
    EXPECT_EQ(values.mid(72, 2), (QList<int>{2, 2}));
    EXPECT_EQ(values.mid(66, 3), (QList<int>{1, 1, 1}));
    EXPECT_EQ(values.mid(74, 4), (QList<int>{1, 1, 1, 1}));
}

TEST_F(QuestionnaireWindowTest, StoredRowCarriesTheSurveyPickedWhileTheWindowWasOpen)
{
    QuestionnaireWindow &window = open(2);
    fillPageAndNext(window);
    // The picker chooses survey 12 and brings the window forward.
    Mmain::SurveyNo = 12;
    Mmain::SurveyDate = QDateTime(QDate(2026, 4, 1), QTime(0, 0));
    QuestionnaireWindow &same = open(2);
    same.Show();
    QCoreApplication::processEvents();
    ASSERT_EQ(&same, &window);
    EXPECT_EQ(window.surveyLabel()->text(), QStringLiteral("第 12 号调查，创建时间： 2026-4-1"));
    EXPECT_EQ(window.model().currentPage(), 2);
    EXPECT_EQ(window.model().answer(1), answerFor(1, 5));

    fillUpToLastPage(window);
    boxes->answerNext(vbNo);
    clickNext(window);
    ASSERT_EQ(boxes->boxes().size(), 1);
    EXPECT_EQ(boxes->last().title, texts::continueTitle());
    const QList<QVariantList> rows = storedRows(QStringLiteral("yjdcxx"));
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows.first()[0].toInt(), 12);
}
