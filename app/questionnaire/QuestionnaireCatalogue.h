#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace hestova::questionnaire {

// One question of a paper questionnaire, as the window shows it and the answer table stores it.
struct Question {
    int answer = 0;            // answer number: the value's place in the stored row after the survey number
    QString column;            // answer column name where the table fixes one (empty otherwise)
    QString text;              // the text as stored; "_" marks a line break
    int buttons = 0;           // answer buttons the row shows (the department question: set at load)
    QString answerSet;         // name of the answer set (Sat5Scale, Grade4NeScale, ...)
    QString wording;           // captions of a worded answer set ("准确/不准确"), where given
    bool departments = false;  // the department question: its list and button count come from jyks
};

// One page: the answer number of each shown row, row 1 first.
struct Page {
    QList<int> rows;
};

// The questionnaire of one survey kind: texts, answer sets, page plan and answer table.
class QuestionnaireCatalogue {
public:
    static constexpr int RowsPerPage = 5;

    // The catalogue of survey kind 1 (patients), 2 (medical-technical) or 3 (functional), from the
    // program's embedded files. Any other kind, or a damaged file, raises an AppError.
    static QuestionnaireCatalogue load(int surveyKind);

    // Reads and checks a catalogue file (every answer number on exactly one page row, counts within the
    // window's buttons); raises AppError(BadFileFormat) naming the first problem.
    static QuestionnaireCatalogue fromJson(const QByteArray &json, const QString &origin);

    int kind() const { return m_kind; }
    const QString &answerTable() const { return m_answerTable; }
    const QString &heading() const { return m_heading; }
    const QString &titleBar() const { return m_titleBar; }

    // Answer buttons the window has in each of its five rows.
    const QList<int> &rowCapacity() const { return m_rowCapacity; }

    int questionCount() const { return int(m_questions.size()); }
    const Question &question(int answer) const;  // answer number 1..questionCount()

    int pageCount() const { return int(m_pages.size()); }
    const Page &page(int number) const;  // page 1..pageCount()

private:
    int m_kind = 0;
    QString m_answerTable;
    QString m_heading;
    QString m_titleBar;
    QList<int> m_rowCapacity;
    QList<Question> m_questions;  // ordered by answer number
    QList<Page> m_pages;
};

}  // namespace hestova::questionnaire
