#include "forms/OleColor.h"

#include "common/OleColor.h"

namespace hestova::forms {

QColor fromOleColor(quint32 value)
{
    // One table of system colours for the windows and the control libraries alike.
    return hestova::controls::toQColor(value);
}

std::optional<quint32> parseOleColor(const QString &text)
{
    QString digits = text.trimmed();
    int base = 10;
    if (digits.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
        if (digits.endsWith(QLatin1Char('&')))
            digits.chop(1);
        base = 16;
    } else if (digits.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
        base = 16;
    }
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, base);
    if (!ok || digits.isEmpty() || value > 0xFFFFFFFFull)
        return std::nullopt;
    return quint32(value);
}

}  // namespace hestova::forms
