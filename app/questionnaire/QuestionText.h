#pragma once

#include <QString>
#include <QStringList>

namespace hestova::questionnaire {

// Question texts mark their line breaks with "_".
namespace QuestionText {

// The lines of a text: the texts between the markers, in order ("a_ _b" -> "a", " ", "b").
// An empty text has no lines.
QStringList lines(const QString &text);

// A row label's caption: every line followed by one carriage return (character 13);
// an empty text gives an empty caption.
QString caption(const QString &text);

}  // namespace QuestionText

}  // namespace hestova::questionnaire
