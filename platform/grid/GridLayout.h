#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>
#include <optional>

namespace hestova {

class GridCells;

// Where the cells of a flex grid lie on its viewport, in pixels. Fixed rows and columns stay in place;
// the others are shown from the first scrolled row and column on (scrolling goes by whole cells).
// `colPixels` holds the width of every column.
class GridLayout {
public:
    struct Cell {
        int row;
        int col;
        bool operator==(const Cell &) const = default;
    };

    GridLayout(const GridCells &cells, QList<int> colPixels, int rowHeight, QSize viewport, int firstRow, int firstCol);

    QList<int> visibleRows() const;
    QList<int> visibleCols() const;

    // Rectangle of a cell that is visible; an empty rectangle otherwise.
    QRect cellRect(int row, int col) const;
    std::optional<Cell> cellAt(QPoint point) const;

    // Largest first row / column that still fills the viewport (clamped at the first scrolled one).
    int lastFirstRow() const;
    int lastFirstCol() const;

    // First row / column to show so that the given one is fully visible (if it fits at all).
    int firstRowShowing(int row) const;
    int firstColShowing(int col) const;

    int scrollRowsShown() const;  // whole scrolled rows that fit under the fixed ones

private:
    int colPixels(int col) const;
    int fixedHeight() const;
    int fixedWidth() const;
    int rowTop(int row) const;
    int colLeft(int col) const;

    const GridCells &m_cells;
    QList<int> m_colPixels;
    int m_rowHeight;
    QSize m_viewport;
    int m_firstRow;
    int m_firstCol;
};

// Pixel widths of the columns: a column the program has sized its twips to the nearest pixel, any other
// `unsized(col)`.
QList<int> columnPixels(const GridCells &cells, const std::function<int(int col)> &unsized);

}  // namespace hestova
