#pragma once

#include <QDateTime>

// Start module: the start procedure and the survey chosen by the pickers, shared by the windows.
namespace Mmain {

extern int SurveyKind;              // 1 patients, 2 medical-technical, 3 functional departments
extern int SurveyNo;                // survey chosen for questionnaire entry
extern QDateTime SurveyDate;
extern int ReportSurveyNo;          // survey chosen for a report
extern QDateTime ReportSurveyDate;

// Registers the data source, then creates and shows the main window; started from a folder whose path the program
// cannot carry, it says so and starts nothing.
void Main();

}  // namespace Mmain
