#include "forms/Fonts.h"

#include <QStringList>

namespace hestova::forms {

void installFontSubstitutions()
{
    QStringList faces;
    faces << QStringLiteral("AR PL UMing CN") << QStringLiteral("AR PL UMing TW")
          << QStringLiteral("WenQuanYi Zen Hei") << QStringLiteral("Noto Serif CJK SC")
          << QStringLiteral("Noto Sans CJK SC");
    QFont::insertSubstitutions(QStringLiteral("宋体"), faces);
}

QFont makeFont(const QString &face, double pointSize, bool bold)
{
    QFont font(face);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace hestova::forms
