#pragma once

#include <QList>
#include <QString>

namespace hestova::reports::medtech {

// The answer sets of the medical-technical questionnaire, as a sheet rates them.
enum class AnswerScale {
    Grade4Ne,   // 满意, 较满意, 不满意, 很不满意, 未接触: satisfied 1 and 2, code 5 left out of the count
    Grade3,     // three graded answers, best first: satisfied 1 and 2, every code counted
    TwoChoice,  // two answers, the favourable first: satisfied 1, both codes counted
};

// One question of a department sheet: where its counts come from and where they go.
struct SheetQuestion {
    QString source;     // query text: a saved query, or a grouped count of a named column of reporttempyj
    AnswerScale scale;
    int offset;         // the answer with code c is counted in row offset + c, column 3

    int options() const;             // k: codes 1 to k
    bool twoSatisfiedCodes() const;  // SatisfiedCodes {1, 2} (else {1})
    int uncountedCode() const;       // UncountedCode, 0 for none
    int rateRow() const { return offset + 1; }
};

// The layout of one department sheet; its position in the sheet menu and in print all is its number.
struct DepartmentSheet {
    int number;            // 1..17: template "yjmyd<number>.vts"
    QString caption;       // the sheet-menu item's caption and name
    QString shortcut;      // the item's shortcut key
    QList<SheetQuestion> questions;

    QString templateFile() const;
    int overallRow() const;  // the row after the last question's last code row; the overall rate is in column 4
    int divisor() const { return int(questions.size()); }
};

// The seventeen department sheets in menu order.
const QList<DepartmentSheet> &departmentSheets();

}  // namespace hestova::reports::medtech
