#pragma once

#include "spreadsheet/Sheet.h"

#include <QList>
#include <QSizeF>

class QPrinter;

namespace hestova::spreadsheet {

// Prints the used range of a sheet: split into pages that fit the paper (down, then across), the header line
// at the top of every page.
class SheetPrinter {
public:
    // The cell rectangles of the pages for a printable area of `area` twips.
    static QList<CellRange> paginate(const Sheet &sheet, const QSizeF &area);

    // The printer takes the sheet's orientation and margins.
    static void applyPage(const Sheet &sheet, QPrinter &printer);

    // Paints every page onto the printer. Raises AppError when the printer cannot print.
    static void print(const Sheet &sheet, QPrinter &printer);

    // Twips the header line takes at the top of each page (0 without a header).
    static double headerHeight(const Sheet &sheet);
};

}  // namespace hestova::spreadsheet
