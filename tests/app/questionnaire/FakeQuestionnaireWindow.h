#pragma once

#include "questionnaire/QuestionnaireModel.h"

#include <QList>

// Stands in for a questionnaire window: keeps the ticks of the rows on screen, re-ticks what the model
// kept when a page is shown and hands the ticks over when the page is left.
class FakeQuestionnaireWindow {
public:
    explicit FakeQuestionnaireWindow(hestova::questionnaire::QuestionnaireModel &model) : m_model(model) { show(); }

    void tick(int row, int button) { m_ticks[row - 1] = button; }
    int ticked(int row) const { return m_ticks[row - 1]; }

    void previous()
    {
        m_model.previous(m_ticks);
        show();
    }

    hestova::questionnaire::QuestionnaireModel::NextResult next()
    {
        const auto result = m_model.next(m_ticks);
        if (result == hestova::questionnaire::QuestionnaireModel::NextResult::PageTurned)
            show();
        return result;
    }

    // Pages forward to `page` with the shown ticks.
    void turnTo(int page)
    {
        while (m_model.currentPage() < page)
            next();
    }

    void restart()
    {
        m_model.startNew();
        show();
    }

    // Ticks every shown row of the page with answer(question number) and moves on.
    template <typename Answer>
    hestova::questionnaire::QuestionnaireModel::NextResult fillPageAndNext(Answer answer)
    {
        for (int row = 1; row <= m_model.rowCount(); ++row)
            tick(row, answer(m_model.rowQuestion(row), m_model.rowButtons(row)));
        return next();
    }

private:
    void show()
    {
        m_ticks = QList<int>(5, 0);
        for (int row = 1; row <= 5; ++row)
            m_ticks[row - 1] = m_model.rowTick(row);
    }

    hestova::questionnaire::QuestionnaireModel &m_model;
    QList<int> m_ticks;
};
