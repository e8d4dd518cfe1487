#include "grid/MSHFlexGrid.h"

#include "forms/Fonts.h"
#include "grid/GridLayout.h"
#include "screen/Twips.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

#include <algorithm>
#include <limits>

namespace hestova {

MSHFlexGrid::MSHFlexGrid(QWidget *parent) : QAbstractScrollArea(parent)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFont(forms::makeFont(QStringLiteral("宋体"), 9));
    m_firstRow = m_cells.fixedRows();
    m_firstCol = m_cells.fixedCols();
    updateScrollBars();
}

MSHFlexGrid::~MSHFlexGrid() = default;

int MSHFlexGrid::rowHeight() const
{
    return fontMetrics().height() + 4;
}

GridLayout MSHFlexGrid::layout() const
{
    return GridLayout(m_cells, colPixels(), rowHeight(), viewport()->size(), m_firstRow, m_firstCol);
}

QRect MSHFlexGrid::cellRect(int row, int col) const
{
    return layout().cellRect(row, col);
}

const QList<int> &MSHFlexGrid::widestTexts() const
{
    if (!m_widestTexts) {
        const QFontMetrics metrics = fontMetrics();
        QList<int> widths(m_cells.cols(), 0);
        for (int row = 0; row < m_cells.rows(); ++row)
            for (int col = 0; col < m_cells.cols(); ++col)
                widths[col] = std::max(widths[col], metrics.horizontalAdvance(m_cells.text(row, col)));
        m_widestTexts = widths;
    }
    return *m_widestTexts;
}

QList<int> MSHFlexGrid::colPixels() const
{
    const int widest = m_cells.colWidthMax() > 0 ? pixelsFromTwips(m_cells.colWidthMax())
                                                 : std::numeric_limits<int>::max();
    const QList<int> &texts = widestTexts();
    return columnPixels(m_cells, [&](int col) {
        if (texts.at(col) == 0)
            return pixelsFromTwips(DefaultColWidthTwips);
        return std::min(texts.at(col) + 2 * GridPainter::TextPadding, widest);
    });
}

int MSHFlexGrid::ColWidth(int col) const
{
    if (const std::optional<int> twips = m_cells.colWidth(col))
        return *twips;
    return twipsFromPixels(colPixels().at(col));
}

template <typename Change>
void MSHFlexGrid::changeShape(Change change)
{
    const int row = m_cells.row();
    const int col = m_cells.col();
    change();
    m_widestTexts.reset();
    contentsChanged();
    if (m_cells.row() != row || m_cells.col() != col)
        emit RowColChange();
}

void MSHFlexGrid::setRows(int rows)
{
    changeShape([&] { m_cells.setRows(rows); });
}

void MSHFlexGrid::setCols(int cols)
{
    changeShape([&] { m_cells.setCols(cols); });
}

void MSHFlexGrid::setFixedRows(int fixedRows)
{
    changeShape([&] { m_cells.setFixedRows(fixedRows); });
}

void MSHFlexGrid::setFixedCols(int fixedCols)
{
    changeShape([&] { m_cells.setFixedCols(fixedCols); });
}

void MSHFlexGrid::setRow(int row)
{
    const int before = m_cells.row();
    m_cells.setRow(row);
    viewport()->update();
    if (row != before)
        emit RowColChange();
}

void MSHFlexGrid::setCol(int col)
{
    const int before = m_cells.col();
    m_cells.setCol(col);
    viewport()->update();
    if (col != before)
        emit RowColChange();
}

void MSHFlexGrid::setColWidth(int col, int twips)
{
    changeShape([&] { m_cells.setColWidth(col, twips); });
}

void MSHFlexGrid::setColWidthMax(int twips)
{
    changeShape([&] { m_cells.setColWidthMax(twips); });
}

void MSHFlexGrid::setTextMatrix(int row, int col, const QString &text)
{
    const QString before = m_cells.text(row, col);
    m_cells.setText(row, col, text);
    if (m_widestTexts) {
        // A wider text widens its column at once; a column may narrow only when its widest text went.
        int &widest = (*m_widestTexts)[col];
        const QFontMetrics metrics = fontMetrics();
        const int width = metrics.horizontalAdvance(text);
        if (width >= widest)
            widest = width;
        else if (metrics.horizontalAdvance(before) >= widest)
            m_widestTexts.reset();
    }
    contentsChanged();
}

void MSHFlexGrid::Clear()
{
    m_cells.clear();
    m_widestTexts.reset();
    contentsChanged();
}

void MSHFlexGrid::contentsChanged()
{
    updateScrollBars();
    viewport()->update();
}

void MSHFlexGrid::updateScrollBars()
{
    const GridLayout grid = layout();
    const int firstRow = std::clamp(m_firstRow, m_cells.fixedRows(), grid.lastFirstRow());
    const int firstCol = std::clamp(m_firstCol, m_cells.fixedCols(), grid.lastFirstCol());

    // The bars announce their changes so that they show or hide themselves as needed.
    QScrollBar *vertical = verticalScrollBar();
    vertical->setRange(0, grid.lastFirstRow() - m_cells.fixedRows());
    vertical->setPageStep(grid.scrollRowsShown());
    vertical->setSingleStep(1);
    vertical->setValue(firstRow - m_cells.fixedRows());

    QScrollBar *horizontal = horizontalScrollBar();
    horizontal->setRange(0, grid.lastFirstCol() - m_cells.fixedCols());
    horizontal->setPageStep(1);
    horizontal->setSingleStep(1);
    horizontal->setValue(firstCol - m_cells.fixedCols());

    m_firstRow = firstRow;
    m_firstCol = firstCol;
}

void MSHFlexGrid::scrollContentsBy(int dx, int dy)
{
    if (dy != 0)
        m_firstRow = m_cells.fixedRows() + verticalScrollBar()->value();
    if (dx != 0)
        m_firstCol = m_cells.fixedCols() + horizontalScrollBar()->value();
    viewport()->update();
}

void MSHFlexGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    painter.setFont(font());
    const GridLayout grid = layout();
    GridPainter(m_cells, grid, m_look).paint(painter, viewport()->rect(), hasFocus());
}

void MSHFlexGrid::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void MSHFlexGrid::changeEvent(QEvent *event)
{
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_widestTexts.reset();
        contentsChanged();
    }
}

void MSHFlexGrid::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    // A data row's fixed cell (its survey number) chooses the row from its first column that is not fixed.
    const auto cell = layout().cellAt(event->position().toPoint());
    if (cell && cell->row >= m_cells.fixedRows()) {
        const bool fixed = m_cells.isFixed(cell->row, cell->col);
        moveCurrent(cell->row, fixed ? std::min(m_cells.fixedCols(), m_cells.cols() - 1) : cell->col);
    }
    event->accept();
}

void MSHFlexGrid::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);  // the second press of a double-click chooses as a click does, nothing more
}

bool MSHFlexGrid::viewportEvent(QEvent *event)
{
    if (event->type() != QEvent::ToolTip)
        return QAbstractScrollArea::viewportEvent(event);
    const auto *help = static_cast<QHelpEvent *>(event);
    const GridLayout grid = layout();
    const auto cell = grid.cellAt(help->pos());
    const QString text = cell ? m_cells.text(cell->row, cell->col) : QString();
    const QRect rect = cell ? grid.cellRect(cell->row, cell->col) : QRect();
    if (!text.isEmpty() && !GridPainter::showsWhole(fontMetrics(), text, rect))
        QToolTip::showText(help->globalPos(), text, viewport(), rect);
    else
        QToolTip::hideText();
    return true;
}

void MSHFlexGrid::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        event->accept();  // the press has chosen the cell already
    else
        QAbstractScrollArea::mouseReleaseEvent(event);
}

void MSHFlexGrid::keyPressEvent(QKeyEvent *event)
{
    if (m_cells.rows() <= m_cells.fixedRows() || m_cells.cols() <= m_cells.fixedCols()) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    const int firstRow = m_cells.fixedRows();
    const int firstCol = m_cells.fixedCols();
    const int lastRow = m_cells.rows() - 1;
    const int lastCol = m_cells.cols() - 1;
    const int page = layout().scrollRowsShown();
    int row = std::clamp(m_cells.row(), firstRow, lastRow);
    int col = std::clamp(m_cells.col(), firstCol, lastCol);
    switch (event->key()) {
    case Qt::Key_Up: row = std::max(firstRow, row - 1); break;
    case Qt::Key_Down: row = std::min(lastRow, row + 1); break;
    case Qt::Key_Left: col = std::max(firstCol, col - 1); break;
    case Qt::Key_Right: col = std::min(lastCol, col + 1); break;
    case Qt::Key_PageUp: row = std::max(firstRow, row - page); break;
    case Qt::Key_PageDown: row = std::min(lastRow, row + page); break;
    default: QAbstractScrollArea::keyPressEvent(event); return;
    }
    moveCurrent(row, col);
    event->accept();
}

void MSHFlexGrid::moveCurrent(int row, int col)
{
    const bool changed = row != m_cells.row() || col != m_cells.col();
    m_cells.setRow(row);
    m_cells.setCol(col);
    const GridLayout grid = layout();
    m_firstRow = grid.firstRowShowing(row);
    m_firstCol = grid.firstColShowing(col);
    updateScrollBars();
    viewport()->update();
    if (changed)
        emit RowColChange();
}

}  // namespace hestova
