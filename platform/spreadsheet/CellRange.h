#pragma once

#include <QString>
#include <optional>

namespace hestova::spreadsheet {

// A rectangle of cells, rows and columns counted from 1, both corners included.
struct CellRange {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;

    bool contains(int row, int col) const { return row >= top && row <= bottom && col >= left && col <= right; }
    bool intersects(const CellRange &o) const
    {
        return top <= o.bottom && o.top <= bottom && left <= o.right && o.left <= right;
    }
    int rowCount() const { return bottom - top + 1; }
    int colCount() const { return right - left + 1; }
    bool operator==(const CellRange &) const = default;

    // The same rectangle with its corners in order.
    static CellRange spanning(int row1, int col1, int row2, int col2);
};

// Cell references as the sheet writes them: "A1", "AG40"; "$A$1" is accepted and means the same cell.
namespace CellReference {

constexpr int MaxRows = 65536;
constexpr int MaxCols = 256;

QString columnName(int col);            // 1 -> "A", 27 -> "AA"
QString cell(int row, int col);         // (12, 33) -> "AG12"
QString range(const CellRange &range);  // "A11:AG40", or "B3" for one cell

// Empty when the text is not a reference of a cell inside the sheet's limits.
std::optional<CellRange> parseCell(const QString &text);
// "A11:AG40" or a single cell; corners in any order.
std::optional<CellRange> parseRange(const QString &text);

}  // namespace CellReference

}  // namespace hestova::spreadsheet
