#pragma once

#include <QFont>
#include <QString>

namespace hestova::forms {

// The program's face "宋体" is drawn with a Song-style CJK face of the system; called once at start.
void installFontSubstitutions();

// A font as the windows describe it: face, points, bold.
QFont makeFont(const QString &face, double pointSize, bool bold = false);

}  // namespace hestova::forms
