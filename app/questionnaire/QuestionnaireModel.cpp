#include "questionnaire/QuestionnaireModel.h"

#include "core/AppError.h"
#include "forms/Formatting.h"
#include "questionnaire/QuestionText.h"
#include "questionnaire/QuestionnaireTexts.h"

namespace hestova::questionnaire {

QuestionnaireModel::QuestionnaireModel(QuestionnaireCatalogue catalogue)
    : m_catalogue(std::move(catalogue))
{
    startNew();
}

void QuestionnaireModel::startNew()
{
    m_answers = QList<int>(m_catalogue.questionCount(), 0);
    m_currentPage = 1;
}

QString QuestionnaireModel::nextCaption() const
{
    return isLastPage() ? QuestionnaireTexts::finishCaption() : QuestionnaireTexts::nextCaption();
}

QString QuestionnaireModel::pageCaption() const
{
    return QStringLiteral("第") + forms::signPositionDecimal(m_currentPage) + QStringLiteral(" 页");
}

int QuestionnaireModel::rowCount() const
{
    return int(shownPage().rows.size());
}

int QuestionnaireModel::rowQuestion(int row) const
{
    return rowShown(row) ? shownPage().rows[row - 1] : 0;
}

QString QuestionnaireModel::rowText(int row) const
{
    if (!rowShown(row))
        return {};
    const Question &question = m_catalogue.question(rowQuestion(row));
    if (question.departments && m_departments)
        return m_departments->text();
    return question.text;
}

QString QuestionnaireModel::rowCaption(int row) const
{
    return QuestionText::caption(rowText(row));
}

int QuestionnaireModel::buttonsOf(const Question &question) const
{
    if (question.departments)
        return m_departments ? m_departments->deptCount() : 0;
    return question.buttons;
}

int QuestionnaireModel::rowButtons(int row) const
{
    return rowShown(row) ? buttonsOf(m_catalogue.question(rowQuestion(row))) : 0;
}

int QuestionnaireModel::rowTick(int row) const
{
    return rowShown(row) ? m_answers[rowQuestion(row) - 1] : 0;
}

void QuestionnaireModel::storePage(const QList<int> &ticks)
{
    const int rows = rowCount();
    for (int row = 1; row <= rows && row <= ticks.size(); ++row) {
        const int tick = ticks[row - 1];
        if (tick < 0 || tick > rowButtons(row))
            throw AppError(ErrorNumber::InvalidArgument,
                           QStringLiteral("第 %1 页第 %2 行没有第 %3 个答案").arg(m_currentPage).arg(row).arg(tick));
    }
    for (int row = 1; row <= rows; ++row)
        m_answers[rowQuestion(row) - 1] = row <= ticks.size() ? ticks[row - 1] : 0;
}

void QuestionnaireModel::previous(const QList<int> &ticks)
{
    storePage(ticks);
    if (m_currentPage > 1)
        --m_currentPage;
}

QuestionnaireModel::NextResult QuestionnaireModel::next(const QList<int> &ticks)
{
    storePage(ticks);
    if (!isLastPage()) {
        ++m_currentPage;
        return NextResult::PageTurned;
    }
    return allAnswered() ? NextResult::Complete : NextResult::Incomplete;
}

bool QuestionnaireModel::allAnswered() const
{
    return !m_answers.contains(0);
}

int QuestionnaireModel::answer(int number) const
{
    m_catalogue.question(number);  // checks the number
    return m_answers[number - 1];
}

QString QuestionnaireModel::insertStatement(int surveyNo) const
{
    if (!allAnswered())
        throw AppError(ErrorNumber::InvalidArgument, QuestionnaireTexts::incompleteMessage());
    QString statement = QStringLiteral("insert into ") + m_catalogue.answerTable() + QStringLiteral(" values(")
                        + forms::plainDecimal(surveyNo);
    for (int value : m_answers)
        statement += QLatin1Char(',') + forms::plainDecimal(value);
    return statement + QLatin1Char(')');
}

QString QuestionnaireModel::surveyLine(int surveyNo, const QString &dateText)
{
    return QStringLiteral("第 ") + forms::plainDecimal(surveyNo) + QStringLiteral(" 号调查，创建时间： ") + dateText;
}

}  // namespace hestova::questionnaire
