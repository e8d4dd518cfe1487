#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace hestova::forms {

// Number to text, plain decimal: "12", "-12".
QString plainDecimal(qint64 number);

// Number to text with a sign position: " 12" (one blank for zero and positive numbers), "-12".
QString signPositionDecimal(qint64 number);

// Text to date: "yyyy-M-d", "yyyy/M/d", "yyyy.M.d" or "yyyy年M月d日", each optionally followed by a time
// "H:mm" or "H:mm:ss". Anything else throws AppError 13.
QDateTime toDate(const QString &text);

// The default date text: "yyyy-M-d", with " H:mm:ss" only when the time is not midnight; empty for no date.
QString dateText(const QDateTime &value);

// A rate written with the format "##.##": at most two decimals rounded half away from zero, no leading or
// trailing zeros, the point always written (66.666… "66.67", 80 "80.", 0.5 ".5", 0 "."). The point is the
// locale's decimal separator, by default the system's ("66,67" under a German locale).
QString RateFormat(double value, const QLocale &locale = QLocale::system());

}  // namespace hestova::forms
