#pragma once

#include <QColor>
#include <QRect>

class QFontMetrics;
class QPainter;
class QString;

namespace hestova {

class GridCells;
class GridLayout;

// Colours of the grid: grey fixed cells, white cells, grid lines, the current row highlighted.
struct GridLook {
    QColor background{0xA0, 0xA0, 0xA0};       // the area beyond the last row and column
    QColor fixedBack{0xE0, 0xE0, 0xE0};
    QColor fixedLight{0xFF, 0xFF, 0xFF};
    QColor fixedShadow{0x80, 0x80, 0x80};
    QColor cellBack{0xFF, 0xFF, 0xFF};
    QColor gridLine{0xC0, 0xC0, 0xC0};
    QColor text{0x00, 0x00, 0x00};
    QColor highlightBack{0x31, 0x6A, 0xC5};
    QColor highlightText{0xFF, 0xFF, 0xFF};
};

// Draws the visible cells of a grid onto its viewport.
class GridPainter {
public:
    static constexpr int TextPadding = 2;  // pixels on either side of a cell's text

    GridPainter(const GridCells &cells, const GridLayout &layout, const GridLook &look);

    void paint(QPainter &painter, const QRect &viewport, bool hasFocus) const;

    // Whether a cell shows its whole text; a longer one ends in "…".
    static bool showsWhole(const QFontMetrics &metrics, const QString &text, const QRect &cell);

private:
    void paintCell(QPainter &painter, int row, int col) const;

    const GridCells &m_cells;
    const GridLayout &m_layout;
    const GridLook &m_look;
};

}  // namespace hestova
