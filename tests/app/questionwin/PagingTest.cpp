#include "QuestionnaireWindowFixture.h"

#include "questionwin/QuestionTextLabel.h"

#include <QIcon>

#include "questionnaire/QuestionText.h"
#include "questionnaire/QuestionnaireTexts.h"

namespace texts = hestova::questionnaire::QuestionnaireTexts;

TEST_P(EveryQuestionnaireWindow, GoingBackAndForwardKeepsEveryTick)
{
    QuestionnaireWindow &window = open(GetParam());
    fillUpToLastPage(window);
    const int last = window.model().pageCount();

    // Back to page 1, every page showing what it had when it was left.
    for (int page = last; page >= 1; --page) {
        const auto &model = window.model();
        ASSERT_EQ(model.currentPage(), page);
        for (int row = 1; row <= model.rowCount(); ++row)
            EXPECT_EQ(shownTick(window, row), answerFor(model.rowQuestion(row), model.rowButtons(row)))
                << "page " << page << " row " << row;
        if (page > 1)
            clickPrevious(window);
    }
    // Forward again without touching anything: the ticks travel along.
    while (!window.model().isLastPage())
        clickNext(window);
    EXPECT_TRUE(window.model().allAnswered());
    EXPECT_TRUE(boxes->boxes().isEmpty());
}

TEST_P(EveryQuestionnaireWindow, FinishCaptionOnlyOnTheLastPageAndPreviousDisabledOnTheFirst)
{
    QuestionnaireWindow &window = open(GetParam());
    const int last = window.model().pageCount();
    EXPECT_FALSE(previousEnabled(window));
    // Both buttons carry their arrow icons (the disabled one draws its arrow embossed).
    EXPECT_FALSE(window.previousButton()->property("Image").value<QIcon>().isNull());
    EXPECT_FALSE(window.nextButton()->property("Image").value<QIcon>().isNull());
    EXPECT_EQ(window.pageLabel()->text(), QStringLiteral("第 1 页"));
    for (int page = 2; page <= last; ++page) {
        clickNext(window);
        EXPECT_TRUE(previousEnabled(window));
        EXPECT_EQ(nextCaption(window), page == last ? texts::finishCaption() : texts::nextCaption()) << page;
        EXPECT_EQ(window.pageLabel()->text(), QStringLiteral("第 %1 页").arg(page));
    }
    clickPrevious(window);
    EXPECT_EQ(nextCaption(window), texts::nextCaption());
    EXPECT_EQ(window.model().currentPage(), last - 1);
    while (window.model().currentPage() > 1)
        clickPrevious(window);
    EXPECT_FALSE(previousEnabled(window));
    // Paging with nothing ticked asks nothing.
    EXPECT_TRUE(boxes->boxes().isEmpty());
}

TEST_P(EveryQuestionnaireWindow, EachPageShowsItsRowsTextsAndButtonsAndHidesTheRest)
{
    QuestionnaireWindow &window = open(GetParam());
    while (true) {
        const auto &model = window.model();
        for (int row = 1; row <= QuestionnaireWindow::Rows; ++row) {
            const bool shown = row <= model.rowCount();
            EXPECT_EQ(window.rowLabel(row)->isVisibleTo(&window), shown) << model.currentPage() << "/" << row;
            EXPECT_EQ(window.rowPicture(row)->isVisibleTo(&window), shown) << model.currentPage() << "/" << row;
            if (!shown)
                continue;
            EXPECT_EQ(visibleOptions(window, row), model.rowButtons(row)) << model.currentPage() << "/" << row;
            const QStringList lines = hestova::questionnaire::QuestionText::lines(model.rowText(row));
            EXPECT_EQ(window.rowLabel(row)->text(), lines.join(QLatin1Char('\n')));
            // The text ends above its strip of buttons, and no line of it crosses the survey line.
            EXPECT_LE(window.rowLabel(row)->geometry().bottom(), window.rowPicture(row)->geometry().top())
                << model.currentPage() << "/" << row;
            for (const QRect &line : qobject_cast<QuestionTextLabel *>(window.rowLabel(row))->lineRects())
                EXPECT_FALSE(line.intersects(window.surveyLabel()->geometry())) << model.currentPage() << "/" << row;
        }
        if (model.isLastPage())
            break;
        clickNext(window);
    }
}

// The kinds are instantiated with the storing tests.

TEST_F(QuestionnaireWindowTest, MovedTickReplacesTheRowsAnswer)
{
    QuestionnaireWindow &window = open(3);
    for (int page = 1; page < 11; ++page)
        clickNext(window);
    tick(window, 3, 1);
    tick(window, 4, 1);
    tick(window, 4, 2);  // moved: the row keeps one tick
    tick(window, 5, 2);
    clickNext(window);
    clickPrevious(window);
    EXPECT_EQ(shownTick(window, 3), 1);
    EXPECT_EQ(shownTick(window, 4), 2);
    EXPECT_EQ(shownTick(window, 5), 2);
    EXPECT_EQ(window.model().answer(47), 1);  // mz3
    EXPECT_EQ(window.model().answer(48), 2);
    EXPECT_EQ(window.model().answer(49), 2);
}

TEST_F(QuestionnaireWindowTest, WindowOpensMaximisedWithItsHeadingAndSurveyLine)
{
    QuestionnaireWindow &window = open(3);
    EXPECT_EQ(window.WindowState(), hestova::forms::vbMaximized);
    EXPECT_EQ(window.headingLabel()->text(), window.model().catalogue().heading());
    EXPECT_EQ(window.surveyLabel()->text(), QStringLiteral("第 7 号调查，创建时间： 2026-3-5"));
    EXPECT_EQ(window.Caption(), window.model().catalogue().titleBar());
}
