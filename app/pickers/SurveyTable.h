#pragma once

#include <QList>
#include <QString>
#include <optional>

namespace hestova::db {
class Connection;
}

// One survey of table mydjb, every column read as text.
struct SurveyRecord {
    QString number;       // 调查序号
    QString time;         // 调查时间, as typed
    QString description;  // 调查说明
};

// The statements of the survey pickers: the survey table mydjb and the work tables of the survey kinds.
// Operator text always goes in as a parameter.
namespace SurveyTable {

// Every survey, in the order the query returns them. A column without a value throws AppError 94.
QList<SurveyRecord> list(hestova::db::Connection &connection);

// Whether the table holds a survey of this number.
bool exists(hestova::db::Connection &connection, int number);

// Stores a survey. A number the table already holds is refused by the database (AppError).
void add(hestova::db::Connection &connection, int number, const QString &time, const QString &description);

// Replaces the work table of the survey kind with the answer rows of one survey; delete and copy take effect
// together or not at all. A kind other than 1..3 throws AppError 5 before anything changes.
void prepareWorkTable(hestova::db::Connection &connection, int kind, int surveyNo);

// A survey number: a decimal 32-bit integer (blanks around it allowed); nothing for other text.
std::optional<int> surveyNumber(const QString &text);

// Whether the date conversion accepts the text as a survey time.
bool isSurveyTime(const QString &text);

}  // namespace SurveyTable
