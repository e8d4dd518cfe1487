#include "Mmain.h"

#include "windows/Mainform.h"
#include "Modbc.h"
#include "forms/Forms.h"

namespace Mmain {

int SurveyKind = 0;
int SurveyNo = 0;
QDateTime SurveyDate;
int ReportSurveyNo = 0;
QDateTime ReportSurveyDate;

void Main()
{
    Modbc::RegisterDsn();
    hestova::forms::Forms::get<Mainform>().Show();
}

}  // namespace Mmain
