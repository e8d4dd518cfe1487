#include "windows/SurveyWindows.h"

#include "questionwin/Question.h"
#include "questionwin/Questionyj.h"
#include "questionwin/Questionzn.h"
#include "core/AppError.h"
#include "forms/Forms.h"

using hestova::forms::Forms;

namespace SurveyWindows {

namespace {

ReportOpener &reportOpener()
{
    static ReportOpener opener;
    return opener;
}

}  // namespace

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
    if (!reportOpener())
        throw hestova::AppError(hestova::ErrorNumber::ObjectNotSet, QStringLiteral("报表窗口未注册，无法打开报表。"));
    reportOpener()(kind);
}

void setReportOpener(ReportOpener opener)
{
    reportOpener() = std::move(opener);
}

}  // namespace SurveyWindows
