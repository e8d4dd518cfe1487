#include "pickers/SurveyList.h"

#include "core/AppError.h"
#include "forms/Formatting.h"
#include "forms/MessageBox.h"
#include "grid/MSHFlexGrid.h"

using namespace hestova::forms;

namespace SurveyList {

void fill(hestova::MSHFlexGrid &grid, const QList<SurveyRecord> &surveys, int descriptionWidth)
{
    if (surveys.isEmpty())
        return;
    grid.setRows(static_cast<int>(surveys.size()) + 1);
    grid.setCols(3);
    grid.setColWidth(2, descriptionWidth);
    grid.setTextMatrix(0, 0, QStringLiteral("调查序号"));
    grid.setTextMatrix(0, 1, QStringLiteral("调查时间"));
    grid.setTextMatrix(0, 2, QStringLiteral("调查说明"));
    for (int row = 1; row <= surveys.size(); ++row) {
        const SurveyRecord &survey = surveys.at(row - 1);
        grid.setTextMatrix(row, 0, survey.number);
        grid.setTextMatrix(row, 1, survey.time);
        grid.setTextMatrix(row, 2, survey.description);
    }
    grid.setRow(1);
    grid.setCol(2);
}

std::optional<ChosenSurvey> chosen(const hestova::MSHFlexGrid &grid, const QString &noChoiceMessage)
{
    const QString numberText = grid.TextMatrix(grid.Row(), 0);
    if (numberText.isEmpty()) {
        MsgBox(noChoiceMessage, vbInformation, QStringLiteral("提示"));
        return std::nullopt;
    }
    const std::optional<int> number = SurveyTable::surveyNumber(numberText);
    if (!number)
        throw hestova::AppError(hestova::ErrorNumber::TypeMismatch,
                                QStringLiteral("类型不匹配：调查序号“%1”不是整数").arg(numberText));
    const QString timeText = grid.TextMatrix(grid.Row(), 1);
    if (!SurveyTable::isSurveyTime(timeText)) {
        MsgBox(QStringLiteral("所选调查的时间“%1”不是有效的日期，请选择其他调查").arg(timeText), vbInformation,
               QStringLiteral("提示"));
        return std::nullopt;
    }
    return ChosenSurvey{*number, toDate(timeText)};
}

}  // namespace SurveyList
