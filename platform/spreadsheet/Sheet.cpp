#include "spreadsheet/Sheet.h"

namespace hestova::spreadsheet {

QString Sheet::text(int row, int col) const
{
    const auto it = m_cells.find({row, col});
    return it == m_cells.end() ? QString() : it->second.text;
}

void Sheet::setText(int row, int col, const QString &text)
{
    m_cells[{row, col}].text = text;
    // A written cell belongs to the used range, so it is shown and printed.
    if (!text.isEmpty()) {
        m_lastRow = std::max(m_lastRow, row);
        m_lastCol = std::max(m_lastCol, col);
    }
}

const CellStyle &Sheet::style(int row, int col) const
{
    const auto it = m_cells.find({row, col});
    if (it == m_cells.end() || !it->second.style)
        return m_defaultStyle;
    return *it->second.style;
}

void Sheet::setStyle(int row, int col, const CellStyle &style)
{
    m_cells[{row, col}].style = style;
}

int Sheet::colWidth(int col) const
{
    const auto it = m_colWidths.find(col);
    return it == m_colWidths.end() ? DefaultColWidth : it->second;
}

void Sheet::setColWidth(int col, int twips)
{
    m_colWidths[col] = twips;
}

int Sheet::rowHeight(int row) const
{
    const auto it = m_rowHeights.find(row);
    return it == m_rowHeights.end() ? DefaultRowHeight : it->second;
}

void Sheet::setRowHeight(int row, int twips)
{
    m_rowHeights[row] = twips;
}

int Sheet::colLeft(int col) const
{
    int left = 0;
    for (int c = 1; c < col; ++c)
        left += colWidth(c);
    return left;
}

int Sheet::rowTop(int row) const
{
    int top = 0;
    for (int r = 1; r < row; ++r)
        top += rowHeight(r);
    return top;
}

void Sheet::addMerge(const CellRange &range)
{
    m_merges.removeIf([&](const CellRange &other) { return other.intersects(range); });
    if (range.rowCount() > 1 || range.colCount() > 1)
        m_merges.append(range);
}

std::optional<CellRange> Sheet::mergeAt(int row, int col) const
{
    for (const CellRange &range : m_merges)
        if (range.contains(row, col))
            return range;
    return std::nullopt;
}

}  // namespace hestova::spreadsheet
