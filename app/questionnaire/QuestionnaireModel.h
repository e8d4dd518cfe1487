#pragma once

#include "questionnaire/DepartmentQuestion.h"
#include "questionnaire/QuestionnaireCatalogue.h"

#include <QList>
#include <QString>
#include <optional>

namespace hestova::questionnaire {

// The engine of a questionnaire window: the pages, what each row shows and fills, the answers kept while
// the operator pages through, the completeness check and the stored statement. The window shows what
// the model says and hands over the ticks of the shown page whenever the page is left.
//
// Rows are numbered 1 to 5; a tick is the 1-based number of the ticked answer button, 0 for none.
class QuestionnaireModel {
public:
    explicit QuestionnaireModel(QuestionnaireCatalogue catalogue);

    const QuestionnaireCatalogue &catalogue() const { return m_catalogue; }

    // Patient question 1 (kept across questionnaires of one opening of the window).
    void setDepartmentQuestion(const DepartmentQuestion &question) { m_departments = question; }
    const std::optional<DepartmentQuestion> &departmentQuestion() const { return m_departments; }

    // A new questionnaire: every answer 0, page 1.
    void startNew();

    // Page state.
    int currentPage() const { return m_currentPage; }
    int pageCount() const { return m_catalogue.pageCount(); }
    bool isLastPage() const { return m_currentPage == pageCount(); }
    bool previousEnabled() const { return m_currentPage != 1; }
    QString nextCaption() const;  // "下一步", "完成" on the last page
    QString pageCaption() const;  // "第 1 页"

    // Rows of the shown page. Rows past the page's question count are hidden: no question, no text,
    // no buttons.
    int rowCount() const;
    bool rowShown(int row) const { return row >= 1 && row <= rowCount(); }
    int rowQuestion(int row) const;   // answer number the row fills, 0 for a hidden row
    QString rowText(int row) const;   // the row's text as stored, "" for a hidden row
    QString rowCaption(int row) const;  // the text split at "_", each line ended by a carriage return
    int rowButtons(int row) const;    // answer buttons shown in the row
    bool rowHasTwoLines(int row) const { return rowButtons(row) > ButtonsPerLine; }
    int rowTick(int row) const;       // the kept answer to re-tick when the page is shown, 0 for none

    // Keeps the ticks of the shown page (row 1 first); values for hidden rows are dropped, missing rows
    // count as unticked. A tick outside the row's buttons raises an AppError and keeps nothing.
    void storePage(const QList<int> &ticks);

    // "上一步": keeps the page's ticks and shows the page before (page 1 stays).
    void previous(const QList<int> &ticks);

    // "下一步"/"完成": keeps the page's ticks; on a page before the last shows the next one; on the last
    // page says whether the questionnaire is complete and may be stored.
    enum class NextResult { PageTurned, Incomplete, Complete };
    NextResult next(const QList<int> &ticks);

    // Every answer non-zero.
    bool allAnswered() const;

    int answer(int number) const;  // answer number 1..questionCount()
    const QList<int> &answers() const { return m_answers; }

    // "insert into <table> values(<survey>,<answer 1>,...)": plain decimal, no blanks, no column list.
    // Raises an AppError while an answer is missing: an unanswered questionnaire is never stored.
    QString insertStatement(int surveyNo) const;

    // The survey line: "第 7 号调查，创建时间： " and the survey's date as text.
    static QString surveyLine(int surveyNo, const QString &dateText);

    static constexpr int ButtonsPerLine = 15;

private:
    const Page &shownPage() const { return m_catalogue.page(m_currentPage); }
    int buttonsOf(const Question &question) const;

    QuestionnaireCatalogue m_catalogue;
    std::optional<DepartmentQuestion> m_departments;
    QList<int> m_answers;  // index answer number - 1
    int m_currentPage = 1;
};

}  // namespace hestova::questionnaire
