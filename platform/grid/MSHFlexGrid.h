#pragma once

#include "grid/GridCells.h"
#include "grid/GridPainter.h"

#include <QAbstractScrollArea>
#include <QList>

#include <optional>

namespace hestova {

class GridLayout;

// The flex grid of the survey pickers: rows and columns of texts with grey fixed rows and columns, column
// widths in twips and a current cell whose row is highlighted. A click on any cell of a data row, one of the
// fixed column included, makes that row current; arrow keys move the current cell among the cells that are
// not fixed. A column the program has not sized fits its widest text, up to ColWidthMax when that is set; a
// longer text ends in "…" and shows whole as a tooltip. Lengths are twips, 15 per pixel. Bad indexes or values
// raise AppError.
class MSHFlexGrid : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(int Rows READ Rows WRITE setRows)
    Q_PROPERTY(int Cols READ Cols WRITE setCols)
    Q_PROPERTY(int FixedRows READ FixedRows WRITE setFixedRows)
    Q_PROPERTY(int FixedCols READ FixedCols WRITE setFixedCols)
    Q_PROPERTY(int Row READ Row WRITE setRow NOTIFY RowColChange)
    Q_PROPERTY(int Col READ Col WRITE setCol NOTIFY RowColChange)
    Q_PROPERTY(int ColWidthMax READ ColWidthMax WRITE setColWidthMax)

public:
    explicit MSHFlexGrid(QWidget *parent = nullptr);
    ~MSHFlexGrid() override;

    int Rows() const { return m_cells.rows(); }
    void setRows(int rows);
    int Cols() const { return m_cells.cols(); }
    void setCols(int cols);
    int FixedRows() const { return m_cells.fixedRows(); }
    void setFixedRows(int fixedRows);
    int FixedCols() const { return m_cells.fixedCols(); }
    void setFixedCols(int fixedCols);

    int Row() const { return m_cells.row(); }
    void setRow(int row);
    int Col() const { return m_cells.col(); }
    void setCol(int col);

    static constexpr int DefaultColWidthTwips = 960;  // an empty column the program has not sized

    // The widest a column the program has not sized grows to fit its texts; 0 (the default): no limit.
    int ColWidthMax() const { return m_cells.colWidthMax(); }
    void setColWidthMax(int twips);

    Q_INVOKABLE int ColWidth(int col) const;
    Q_INVOKABLE void setColWidth(int col, int twips);
    Q_INVOKABLE QString TextMatrix(int row, int col) const { return m_cells.text(row, col); }
    Q_INVOKABLE void setTextMatrix(int row, int col, const QString &text);
    Q_INVOKABLE void Clear();

    int rowHeight() const;  // pixels, from the font
    QRect cellRect(int row, int col) const;  // on the viewport; empty for a cell out of view
    int firstScrolledRow() const { return m_firstRow; }
    int firstScrolledCol() const { return m_firstCol; }
    const GridLook &look() const { return m_look; }

signals:
    void RowColChange();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    bool viewportEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    GridLayout layout() const;
    QList<int> colPixels() const;
    const QList<int> &widestTexts() const;
    template <typename Change>
    void changeShape(Change change);  // applies a change of size or width; announces a moved current cell
    void contentsChanged();
    void updateScrollBars();
    void moveCurrent(int row, int col);  // by the user: keeps the cell in view

    GridCells m_cells;
    GridLook m_look;
    mutable std::optional<QList<int>> m_widestTexts;  // pixels per column; measured again when unknown
    int m_firstRow = 1;
    int m_firstCol = 1;
};

}  // namespace hestova
