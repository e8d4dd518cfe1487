#include "pickers/ChoiceRept.h"

#include "windows/Mainform.h"
#include "Mmain.h"
#include "pickers/SurveyList.h"
#include "pickers/SurveyTable.h"
#include "windows/SurveyWindows.h"
#include "db/Connection.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Forms.h"

ChoiceRept::ChoiceRept() : SurveyPicker(QStringLiteral("ChoiceRept"))
{
    onClick(QStringLiteral("command2"), [this] { command2_Click(); });
}

void ChoiceRept::Form_Load()
{
    loadPicker({QStringLiteral("command2"), QStringLiteral("MSHFlexGrid1")});
}

void ChoiceRept::command2_Click()
{
    const std::optional<SurveyList::ChosenSurvey> survey = SurveyList::chosen(
        MSHFlexGrid1(), QStringLiteral("你没有选中要进行的调查，请先创建一个调查选项，数据输入完成再进行报表查询操作"));
    if (!survey)
        return;
    const int kind = Mmain::SurveyKind;
    SurveyWindows::checkKind(kind);

    hestova::db::Connection connection;
    connection.Open(hestova::db::SurveyConnectionString);
    SurveyTable::prepareWorkTable(connection, kind, survey->number);
    connection.Close();

    Mmain::ReportSurveyNo = survey->number;
    Mmain::ReportSurveyDate = survey->date;
    SurveyWindows::showReport(kind);
    Unload();
    hestova::forms::Forms::unload<Mainform>();
}
