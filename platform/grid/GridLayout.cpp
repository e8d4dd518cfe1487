#include "grid/GridLayout.h"

#include "grid/GridCells.h"
#include "screen/Twips.h"

#include <algorithm>
#include <utility>

namespace hestova {

GridLayout::GridLayout(const GridCells &cells, QList<int> colPixels, int rowHeight, QSize viewport, int firstRow,
                       int firstCol)
    : m_cells(cells), m_colPixels(std::move(colPixels)), m_rowHeight(std::max(rowHeight, 1)), m_viewport(viewport),
      m_firstRow(std::max(firstRow, cells.fixedRows())), m_firstCol(std::max(firstCol, cells.fixedCols()))
{
}

int GridLayout::colPixels(int col) const
{
    return m_colPixels.value(col);
}

int GridLayout::fixedHeight() const
{
    return m_cells.fixedRows() * m_rowHeight;
}

int GridLayout::fixedWidth() const
{
    int width = 0;
    for (int col = 0; col < m_cells.fixedCols(); ++col)
        width += colPixels(col);
    return width;
}

QList<int> GridLayout::visibleRows() const
{
    QList<int> rows;
    int y = 0;
    for (int row = 0; row < m_cells.fixedRows() && y < m_viewport.height(); ++row, y += m_rowHeight)
        rows.append(row);
    for (int row = m_firstRow; row < m_cells.rows() && y < m_viewport.height(); ++row, y += m_rowHeight)
        rows.append(row);
    return rows;
}

QList<int> GridLayout::visibleCols() const
{
    QList<int> cols;
    int x = 0;
    for (int col = 0; col < m_cells.fixedCols() && x < m_viewport.width(); x += colPixels(col), ++col)
        cols.append(col);
    for (int col = m_firstCol; col < m_cells.cols() && x < m_viewport.width(); x += colPixels(col), ++col)
        cols.append(col);
    return cols;
}

int GridLayout::rowTop(int row) const
{
    if (row < m_cells.fixedRows())
        return row * m_rowHeight;
    return fixedHeight() + (row - m_firstRow) * m_rowHeight;
}

int GridLayout::colLeft(int col) const
{
    int x = 0;
    if (col < m_cells.fixedCols()) {
        for (int c = 0; c < col; ++c)
            x += colPixels(c);
        return x;
    }
    x = fixedWidth();
    for (int c = m_firstCol; c < col; ++c)
        x += colPixels(c);
    return x;
}

QRect GridLayout::cellRect(int row, int col) const
{
    if (!visibleRows().contains(row) || !visibleCols().contains(col))
        return {};
    return QRect(colLeft(col), rowTop(row), colPixels(col), m_rowHeight);
}

std::optional<GridLayout::Cell> GridLayout::cellAt(QPoint point) const
{
    if (point.x() < 0 || point.y() < 0)
        return std::nullopt;
    std::optional<int> hitRow;
    for (int row : visibleRows()) {
        if (point.y() >= rowTop(row) && point.y() < rowTop(row) + m_rowHeight) {
            hitRow = row;
            break;
        }
    }
    if (!hitRow)
        return std::nullopt;
    for (int col : visibleCols()) {
        const int left = colLeft(col);
        if (point.x() >= left && point.x() < left + colPixels(col))
            return Cell{*hitRow, col};
    }
    return std::nullopt;
}

int GridLayout::scrollRowsShown() const
{
    return std::max(1, (m_viewport.height() - fixedHeight()) / m_rowHeight);
}

int GridLayout::lastFirstRow() const
{
    return std::max(m_cells.fixedRows(), m_cells.rows() - scrollRowsShown());
}

int GridLayout::lastFirstCol() const
{
    const int room = m_viewport.width() - fixedWidth();
    int first = m_cells.cols();
    int used = 0;
    while (first > m_cells.fixedCols()) {
        const int width = colPixels(first - 1);
        if (used + width > room && first < m_cells.cols())
            break;
        used += width;
        --first;
    }
    return std::max(first, m_cells.fixedCols());
}

int GridLayout::firstRowShowing(int row) const
{
    if (row < m_cells.fixedRows())
        return m_firstRow;
    if (row < m_firstRow)
        return row;
    const int shown = scrollRowsShown();
    if (row >= m_firstRow + shown)
        return row - shown + 1;
    return m_firstRow;
}

int GridLayout::firstColShowing(int col) const
{
    if (col < m_cells.fixedCols())
        return m_firstCol;
    if (col <= m_firstCol)
        return col;
    const int room = m_viewport.width() - fixedWidth();
    int first = m_firstCol;
    auto spanTo = [&](int from) {
        int width = 0;
        for (int c = from; c <= col; ++c)
            width += colPixels(c);
        return width;
    };
    while (first < col && spanTo(first) > room)
        ++first;
    return first;
}

QList<int> columnPixels(const GridCells &cells, const std::function<int(int col)> &unsized)
{
    QList<int> pixels;
    pixels.reserve(cells.cols());
    for (int col = 0; col < cells.cols(); ++col) {
        const std::optional<int> twips = cells.colWidth(col);
        pixels.append(twips ? pixelsFromTwips(*twips) : unsized(col));
    }
    return pixels;
}

}  // namespace hestova
