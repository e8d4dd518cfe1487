#include "Mmain.h"

#include "windows/Mainform.h"
#include "Modbc.h"
#include "core/AppError.h"
#include "core/AppFolder.h"
#include "forms/Forms.h"
#include "forms/MessageBox.h"

namespace Mmain {

int SurveyKind = 0;
int SurveyNo = 0;
QDateTime SurveyDate;
int ReportSurveyNo = 0;
QDateTime ReportSurveyDate;

void Main()
{
    // Every file of the program is found from its folder: without it the program starts nothing.
    try {
        hestova::AppFolder::checkCarried();
    } catch (const hestova::AppError &error) {
        hestova::forms::ReportError(error);
        return;
    }
    Modbc::RegisterDsn();
    hestova::forms::Forms::setMainWindow<Mainform>();
    hestova::forms::Forms::get<Mainform>().Show();
}

}  // namespace Mmain
