#pragma once

#include "spreadsheet/Sheet.h"

#include <QFont>
#include <QLocale>
#include <QPointF>
#include <optional>

class QPainter;

namespace hestova::spreadsheet {

// Paints a rectangle of a sheet's cells: fills, texts, borders and (on screen) grid lines and the selection.
// The same painting serves the screen and the printer; only the scale differs.
class SheetPainter {
public:
    struct Options {
        double scale = 1.0 / 15;  // device units per twip
        bool snap = true;         // round edges to whole device pixels (screen)
        bool gridLines = false;
        std::optional<CellRange> selection;
        QLocale locale = QLocale::system();  // its decimal separator makes a General cell's text a number too
    };

    SheetPainter(const Sheet &sheet, const CellRange &region, const QPointF &origin, const Options &options);

    void paint(QPainter &painter) const;

    // The rectangle of a cell or a range in device units (may lie outside the region).
    QRectF rectOf(const CellRange &range) const;

    // Font of a cell style at this scale.
    static QFont fontOf(const CellStyle &style, double scale);

private:
    double x(int col) const;
    double y(int row) const;
    void paintFills(QPainter &painter) const;
    void paintGrid(QPainter &painter) const;
    void paintTexts(QPainter &painter) const;
    void paintText(QPainter &painter, int row, int col, const QRectF &rect) const;
    void paintBorders(QPainter &painter) const;
    void paintLine(QPainter &painter, const Border &border, const QPointF &from, const QPointF &to, bool horizontal) const;
    void paintSelection(QPainter &painter) const;
    QRectF overflowRect(int row, int col, const QRectF &cellRect, double textWidth) const;
    // Every cell of the region once: single cells, and merged ranges that reach into the region.
    template <typename F> void forEachBlock(F &&visit) const;

    const Sheet &m_sheet;
    CellRange m_region;
    QPointF m_origin;
    Options m_options;
    double m_left0;  // twips of the region's left and top edges
    double m_top0;
};

}  // namespace hestova::spreadsheet
