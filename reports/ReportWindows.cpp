#include "ReportWindows.h"

#include "windows/SurveyWindows.h"
#include "forms/Forms.h"
#include "functional/Reportzn.h"
#include "medtech/Reportyj.h"
#include "patient/Reportbr.h"

namespace hestova::reports {

void registerReportWindows()
{
    using hestova::forms::Forms;
    SurveyWindows::setReportOpener([](int kind) {
        switch (kind) {
        case 1: Forms::get<Reportbr>().Show(); break;
        case 2: Forms::get<Reportyj>().Show(); break;
        default: Forms::get<Reportzn>().Show(); break;
        }
    });
}

}  // namespace hestova::reports
