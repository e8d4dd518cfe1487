#include "forms/Formatting.h"

#include "core/AppError.h"

#include <QRegularExpression>
#include <cmath>

namespace hestova::forms {

QString plainDecimal(qint64 number)
{
    return QString::number(number);
}

QString signPositionDecimal(qint64 number)
{
    return number < 0 ? QString::number(number) : QLatin1Char(' ') + QString::number(number);
}

QDateTime toDate(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral(
        R"(^\s*(\d{4})(?:([-/.])(\d{1,2})\2(\d{1,2})|年(\d{1,2})月(\d{1,2})日)(?:\s*(\d{1,2}):(\d{2})(?::(\d{2}))?)?\s*$)"));
    const QRegularExpressionMatch match = pattern.match(text);
    const auto rejected = [&text] {
        return hestova::AppError(hestova::ErrorNumber::TypeMismatch,
                                 QStringLiteral("类型不匹配：“%1”不是日期").arg(text));
    };
    if (!match.hasMatch())
        throw rejected();

    const bool chinese = match.capturedLength(5) > 0;
    const QDate date(match.captured(1).toInt(), match.captured(chinese ? 5 : 3).toInt(),
                     match.captured(chinese ? 6 : 4).toInt());
    QTime time(0, 0);
    if (match.capturedLength(7) > 0)
        time = QTime(match.captured(7).toInt(), match.captured(8).toInt(),
                     match.capturedLength(9) > 0 ? match.captured(9).toInt() : 0);
    if (!date.isValid() || !time.isValid())
        throw rejected();
    return QDateTime(date, time);
}

QString dateText(const QDateTime &value)
{
    if (!value.isValid())
        return QString();
    QString text = value.date().toString(QStringLiteral("yyyy-M-d"));
    if (value.time() != QTime(0, 0))
        text += value.time().toString(QStringLiteral(" H:mm:ss"));
    return text;
}

QString RateFormat(double value, const QLocale &locale)
{
    // Round the decimal value, not its binary neighbour: ten decimals first, then two, half away from zero.
    QString digits = QString::number(std::fabs(value), 'f', 10);
    const qsizetype point = digits.indexOf(QLatin1Char('.'));
    QString whole = digits.left(point);
    QString fraction = digits.mid(point + 1, 2);
    if (digits.at(point + 3).digitValue() >= 5) {
        // Add one in the second decimal, carrying leftwards through the fraction and the whole part.
        QString number = whole + fraction;
        qsizetype i = number.size() - 1;
        while (i >= 0 && number.at(i) == QLatin1Char('9')) {
            number[i] = QLatin1Char('0');
            --i;
        }
        if (i < 0)
            number.prepend(QLatin1Char('1'));
        else
            number[i] = QChar(number.at(i).unicode() + 1);
        whole = number.left(number.size() - 2);
        fraction = number.right(2);
    }
    while (whole.startsWith(QLatin1Char('0')))
        whole.remove(0, 1);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    const bool negative = value < 0 && !(whole.isEmpty() && fraction.isEmpty());
    return (negative ? QStringLiteral("-") : QString()) + whole + locale.decimalPoint() + fraction;
}

}  // namespace hestova::forms
