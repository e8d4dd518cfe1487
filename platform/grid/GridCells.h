#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace hestova {

// The contents of a flex grid without any drawing: its size, fixed rows and columns, cell texts,
// column widths in twips and the current cell. Out-of-range indexes and values raise AppError.
class GridCells {
public:
    static constexpr qsizetype MaxCells = 1000000;

    // The designed grid: two rows, two columns, one fixed row and column, current cell (1, 1).
    GridCells();

    int rows() const { return m_rows; }
    void setRows(int rows);
    int cols() const { return m_cols; }
    void setCols(int cols);

    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int fixedRows);
    int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int fixedCols);

    // The width the program gave the column; nothing for a column it has not sized.
    std::optional<int> colWidth(int col) const;
    void setColWidth(int col, int twips);
    // The widest a column the program has not sized grows to fit its texts, in twips; 0: no limit.
    int colWidthMax() const { return m_colWidthMax; }
    void setColWidthMax(int twips);

    QString text(int row, int col) const;
    void setText(int row, int col, const QString &text);

    int row() const { return m_row; }
    void setRow(int row);
    int col() const { return m_col; }
    void setCol(int col);

    bool isFixed(int row, int col) const { return row < m_fixedRows || col < m_fixedCols; }

    // Empties every cell; size, widths and the current cell stay.
    void clear();

private:
    void checkRow(int row) const;
    void checkCol(int col) const;
    static void checkCellCount(int rows, int cols);

    int m_rows = 0;
    int m_cols = 0;
    int m_fixedRows = 0;
    int m_fixedCols = 0;
    int m_row = 0;
    int m_col = 0;
    QList<QStringList> m_texts;  // m_texts[row][col]
    QList<std::optional<int>> m_colWidths;  // twips
    int m_colWidthMax = 0;
};

}  // namespace hestova
