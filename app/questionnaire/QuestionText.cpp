#include "questionnaire/QuestionText.h"

namespace hestova::questionnaire::QuestionText {

QStringList lines(const QString &text)
{
    if (text.isEmpty())
        return {};
    return text.split(QLatin1Char('_'));
}

QString caption(const QString &text)
{
    QString result;
    for (const QString &line : lines(text))
        result += line + QLatin1Char('\r');
    return result;
}

}  // namespace hestova::questionnaire::QuestionText
