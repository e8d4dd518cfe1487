#pragma once

#include <QList>
#include <QString>

namespace hestova::reports {

// The answer sets of the functional questionnaire, as far as the sheets count them.
enum class AnswerSet {
    Grade4NeScale,   // 1 满意, 2 较满意, 3 不满意, 4 很不满意, 5 未接触
    Grade4Scale,     // 1 满意 .. 4 很不满意
    Grade3Scale,     // 1 满意, 2 较满意, 3 不满意
    YesNoNeScale,    // 1 是, 2 不是, 3 未接触
    TwoChoiceScale,  // the favourable answer first
};

// The codes whose answers make a question's rate: 1, or 1 and 2.
int satisfiedCodeCount(AnswerSet set);
// The code ("未接触") whose answers stay out of a question's total; 0 when every answer counts.
int uncountedCode(AnswerSet set);

// One question of a sheet: the answer column of reporttempzn it counts and its rows on the sheet. The count of
// answer code c stands in column 3 of row firstRow - 1 + c, the question's rate in column 4 of firstRow.
struct QuestionBlock {
    QString column;
    int firstRow;
    int lastRow;
    AnswerSet answers;

    int rowOfCode(int code) const { return firstRow - 1 + code; }
    bool hasRowFor(int code) const { return code >= 1 && rowOfCode(code) <= lastRow; }
};

// The sheet of one functional unit: its template "znmyd<n>.vts", its questions in column order and the row of
// its overall rate (the mean of its question rates, in column 4).
struct FunctionalSheet {
    int templateNumber;
    QString unit;
    QList<QuestionBlock> questions;
    int overallRow;

    QString templateFile() const;  // "znmyd<n>.vts"
    QString menuCaption() const;   // the unit followed by "满意度报表"
};

// The twenty-four sheets in template order (which is also the order of printing them all).
const QList<FunctionalSheet> &functionalSheets();
// The sheet of template n (1 to 24).
const FunctionalSheet &functionalSheet(int templateNumber);

// Grid columns of every sheet.
constexpr int CountColumn = 3;
constexpr int RateColumn = 4;

}  // namespace hestova::reports
