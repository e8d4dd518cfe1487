#pragma once

#include <QList>
#include <QString>

namespace hestova::reports::patient {

// One question of the patient questionnaire on a sheet: its counts per department come from the saved query
// "jc<question>" (one field per answer code, named by the code), its totals from "jc<question>hj".
struct QuestionBlock {
    int question;        // number of the question in the questionnaire
    int offset;          // answer code c is shown in column offset + c
    int answerCodes;     // the question's answers: codes 1..answerCodes
    int codeColumns;     // codes 1..codeColumns have a column of their own
    int rated;           // K: codes 1..K make a department's counted total; 0: the question has no rate
    int satisfiedUpTo;   // codes 1..satisfiedUpTo count as satisfied
    int uncountedCode;   // the answer the totals row leaves out of its count; 0: none

    bool hasRate() const { return rated > 0; }
    int rateColumn() const { return offset + codeColumns + 1; }
    QString query() const { return QStringLiteral("jc%1").arg(question); }
    QString totalsQuery() const { return QStringLiteral("jc%1hj").arg(question); }
};

// Columns first..last, framed together once the sheet is filled.
struct ColumnGroup {
    int first;
    int last;
};

// One sheet of the patient report. Row 11 holds the totals, the department rows follow from row 12.
struct PatientSheet {
    int number;                     // 1..6: the sheet menu's position and the template "brmyd<number>.vts"
    int lastCol;
    QList<QuestionBlock> blocks;    // in the order they run; the first one writes the department names
    QList<ColumnGroup> framing;
    bool questionnaireCount;        // column 2 holds each department's number of questionnaires
    bool lastRowFromEveryBlock;     // every block sizes the sheet from its own record count (else only the first)
    int departmentShareColumn;      // column of the department percentage (saved query zbfb); 0: none

    QString templateFile() const { return QStringLiteral("brmyd%1.vts").arg(number); }
};

constexpr int TotalsRow = 11;

// The six sheets, sheet n at index n - 1.
const QList<PatientSheet> &patientSheets();

}  // namespace hestova::reports::patient
