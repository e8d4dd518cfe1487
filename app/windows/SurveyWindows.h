#pragma once

#include <functional>

// Which window belongs to which survey kind: 1 patients, 2 medical-technical, 3 functional departments.
namespace SurveyWindows {

// Throws AppError 5 for a kind other than 1..3.
void checkKind(int kind);

// Shows the questionnaire window of the kind (Question, Questionyj, Questionzn).
void showQuestionnaire(int kind);

// Shows the report window of the kind (Reportbr, Reportyj, Reportzn) through the opener that the report
// library registers; throws AppError 91 when none is registered.
void showReport(int kind);

using ReportOpener = std::function<void(int kind)>;
void setReportOpener(ReportOpener opener);

}  // namespace SurveyWindows
