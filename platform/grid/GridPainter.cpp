#include "grid/GridPainter.h"

#include "grid/GridCells.h"
#include "grid/GridLayout.h"

#include <QFontMetrics>
#include <QPainter>

namespace hestova {

namespace {

QRect textRect(const QRect &cell)
{
    return cell.adjusted(GridPainter::TextPadding, 0, -GridPainter::TextPadding, 0);
}

}  // namespace

GridPainter::GridPainter(const GridCells &cells, const GridLayout &layout, const GridLook &look)
    : m_cells(cells), m_layout(layout), m_look(look)
{
}

bool GridPainter::showsWhole(const QFontMetrics &metrics, const QString &text, const QRect &cell)
{
    return metrics.horizontalAdvance(text) <= textRect(cell).width();
}

void GridPainter::paint(QPainter &painter, const QRect &viewport, bool hasFocus) const
{
    painter.fillRect(viewport, m_look.background);
    const QList<int> rows = m_layout.visibleRows();
    const QList<int> cols = m_layout.visibleCols();
    for (int row : rows)
        for (int col : cols)
            paintCell(painter, row, col);

    const int row = m_cells.row();
    const int col = m_cells.col();
    if (hasFocus && m_cells.rows() > 0 && m_cells.cols() > 0 && !m_cells.isFixed(row, col)) {
        const QRect current = m_layout.cellRect(row, col);
        if (!current.isEmpty()) {
            QPen pen(m_look.highlightText, 1, Qt::DotLine);
            painter.setPen(pen);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(current.adjusted(1, 1, -2, -2));
        }
    }
}

void GridPainter::paintCell(QPainter &painter, int row, int col) const
{
    const QRect rect = m_layout.cellRect(row, col);
    if (rect.isEmpty())
        return;
    const bool fixed = m_cells.isFixed(row, col);
    const bool highlighted = !fixed && row == m_cells.row();

    QColor back = m_look.cellBack;
    QColor fore = m_look.text;
    if (fixed) {
        back = m_look.fixedBack;
    } else if (highlighted) {
        back = m_look.highlightBack;
        fore = m_look.highlightText;
    }
    painter.fillRect(rect, back);

    if (fixed) {
        painter.setPen(m_look.fixedLight);
        painter.drawLine(rect.topLeft(), rect.topRight());
        painter.drawLine(rect.topLeft(), rect.bottomLeft());
        painter.setPen(m_look.fixedShadow);
    } else {
        painter.setPen(m_look.gridLine);
    }
    painter.drawLine(rect.topRight(), rect.bottomRight());
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());

    const QString text = m_cells.text(row, col);
    if (text.isEmpty())
        return;
    const QRect area = textRect(rect);
    painter.setPen(fore);
    const QString shown = painter.fontMetrics().elidedText(text, Qt::ElideRight, area.width());
    painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

}  // namespace hestova
