#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace hestova::forms {

// Colours of the program are 32-bit values 0x00BBGGRR; values with the top bit set name a system colour
// (0x80000005 the window colour, 0x8000000F the button face, ...), taken from the controls' system colour table.
QColor fromOleColor(quint32 value);

// Reads "&HB08000", "&H80000005&", "0xB08000" or decimal text; nothing for anything else.
std::optional<quint32> parseOleColor(const QString &text);

}  // namespace hestova::forms
