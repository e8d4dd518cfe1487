#pragma once

#include "pickers/SurveyTable.h"

#include <QDateTime>
#include <QList>
#include <optional>

namespace hestova {
class MSHFlexGrid;
}

// The survey list that both pickers show in their flex grid, and the survey chosen in it.
namespace SurveyList {

constexpr int LoadDescriptionWidth = 1950;  // twips, column 2 after the window's load
constexpr int AddDescriptionWidth = 2000;   // twips, column 2 after an add

// A header row and one row per survey, three columns, row 1 column 2 current. No surveys: the grid stays as it is.
void fill(hestova::MSHFlexGrid &grid, const QList<SurveyRecord> &surveys, int descriptionWidth);

struct ChosenSurvey {
    int number = 0;
    QDateTime date;
};

// The survey of the grid's current row. Without one the "提示" box `noChoiceMessage` is shown; a time the date
// conversion rejects gets a "提示" box too; both give nothing. A number that is not a 32-bit integer throws
// AppError 13.
std::optional<ChosenSurvey> chosen(const hestova::MSHFlexGrid &grid, const QString &noChoiceMessage);

}  // namespace SurveyList
