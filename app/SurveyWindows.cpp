#include "SurveyWindows.h"

#include "Question.h"
#include "Questionyj.h"
#include "Questionzn.h"
#include "core/AppError.h"
#include "forms/Forms.h"
#include "functional/Reportzn.h"
#include "medtech/Reportyj.h"
#include "patient/Reportbr.h"

using hestova::forms::Forms;

namespace SurveyWindows {

void checkKind(int kind)
{
    if (kind < 1 || kind > 3)
        throw hestova::AppError(hestova::ErrorNumber::InvalidArgument, QStringLiteral("无效的调查类别：%1").arg(kind));
}

void showQuestionnaire(int kind)
{
    checkKind(kind);
    switch (kind) {
    case 1: Forms::get<Question>().Show(); break;
    case 2: Forms::get<Questionyj>().Show(); break;
    default: Forms::get<Questionzn>().Show(); break;
    }
}

void showReport(int kind)
{
    checkKind(kind);
    switch (kind) {
    case 1: Forms::get<Reportbr>().Show(); break;
    case 2: Forms::get<Reportyj>().Show(); break;
    default: Forms::get<Reportzn>().Show(); break;
    }
}

}  // namespace SurveyWindows
