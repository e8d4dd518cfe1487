#pragma once

#include <QList>
#include <QString>
#include <QVariant>

namespace hestova::questionnaire {

// One row of the department table jyks as question 1 uses it: column 1 (the number printed before the
// name) and column 3 (the name); column 2 is not read.
struct DepartmentRow {
    QVariant number;
    QVariant name;
};

// Patient question 1: its text and answer buttons, built from the rows of jyks.
class DepartmentQuestion {
public:
    // Answer buttons the window has for question 1.
    static constexpr int MaxButtons = 30;
    static constexpr int DepartmentsPerLine = 10;

    // The rows in the order of their numbers, so a stored code is the department's number.
    static QString selectStatement() { return QStringLiteral("select * from jyks order by 1"); }

    // stem: the question's own text ("一、你这次在哪个科室就医？_"); rows: jyks as read.
    // Only the first MaxButtons rows are listed and counted.
    static DepartmentQuestion build(const QString &stem, const QList<DepartmentRow> &rows);

    const QString &text() const { return m_text; }
    int deptCount() const { return m_deptCount; }  // answer buttons of question 1
    int rowsRead() const { return m_rowsRead; }

    // More rows than buttons: the window tells the operator once (truncatedMessage()).
    bool truncated() const { return m_rowsRead > MaxButtons; }
    QString truncatedMessage() const;

    // No rows: question 1 has no answer; the window tells the operator at load (emptyMessage()).
    bool empty() const { return m_rowsRead == 0; }
    static QString emptyMessage();

private:
    QString m_text;
    int m_deptCount = 0;
    int m_rowsRead = 0;
};

}  // namespace hestova::questionnaire
