#pragma once

#include <QtGlobal>

namespace hestova::controls {
class LateBound;
}

namespace hestova::reports::patient {

// Gives the rectangle (row1, col1)-(row2, col2) of the sheet the report's cell look: "宋体" 10 pt, character
// set 134, centred both ways, thin black lines on every edge of every cell. The rectangle stays selected.
void FormatRange(hestova::controls::LateBound &book, qint16 row1, qint16 col1, qint16 row2, qint16 col2);

}  // namespace hestova::reports::patient
