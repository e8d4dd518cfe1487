#include "grid/GridCells.h"

#include "core/AppError.h"

#include <algorithm>

namespace hestova {

namespace {

using hestova::ErrorNumber::SubscriptOutOfRange;
using hestova::ErrorNumber::InvalidValue;

[[noreturn]] void raiseInvalidValue(const QString &what, int value)
{
    throw AppError(InvalidValue, QStringLiteral("无效的属性值：%1 = %2").arg(what).arg(value));
}

}  // namespace

GridCells::GridCells()
{
    setCols(2);
    setRows(2);
    setFixedRows(1);
    setFixedCols(1);
}

void GridCells::checkCellCount(int rows, int cols)
{
    if (qsizetype(rows) * qsizetype(cols) > MaxCells)
        throw AppError(InvalidValue, QStringLiteral("网格过大：%1 行 x %2 列").arg(rows).arg(cols));
}

void GridCells::setRows(int rows)
{
    if (rows < 0 || rows < m_fixedRows)
        raiseInvalidValue(QStringLiteral("Rows"), rows);
    checkCellCount(rows, m_cols);
    m_texts.resize(rows, QStringList(QList<QString>(m_cols)));
    m_rows = rows;
    m_row = std::clamp(m_row, 0, std::max(rows - 1, 0));
}

void GridCells::setCols(int cols)
{
    if (cols < 0 || cols < m_fixedCols)
        raiseInvalidValue(QStringLiteral("Cols"), cols);
    checkCellCount(m_rows, cols);
    for (QStringList &line : m_texts)
        line.resize(cols);
    m_colWidths.resize(cols);
    m_cols = cols;
    m_col = std::clamp(m_col, 0, std::max(cols - 1, 0));
}

void GridCells::setFixedRows(int fixedRows)
{
    if (fixedRows < 0 || fixedRows > m_rows)
        raiseInvalidValue(QStringLiteral("FixedRows"), fixedRows);
    m_fixedRows = fixedRows;
    if (m_row < fixedRows && fixedRows < m_rows)
        m_row = fixedRows;
}

void GridCells::setFixedCols(int fixedCols)
{
    if (fixedCols < 0 || fixedCols > m_cols)
        raiseInvalidValue(QStringLiteral("FixedCols"), fixedCols);
    m_fixedCols = fixedCols;
    if (m_col < fixedCols && fixedCols < m_cols)
        m_col = fixedCols;
}

void GridCells::checkRow(int row) const
{
    if (row < 0 || row >= m_rows)
        throw AppError(SubscriptOutOfRange,
                       QStringLiteral("下标越界：行 %1（网格共 %2 行）").arg(row).arg(m_rows));
}

void GridCells::checkCol(int col) const
{
    if (col < 0 || col >= m_cols)
        throw AppError(SubscriptOutOfRange,
                       QStringLiteral("下标越界：列 %1（网格共 %2 列）").arg(col).arg(m_cols));
}

std::optional<int> GridCells::colWidth(int col) const
{
    checkCol(col);
    return m_colWidths.at(col);
}

void GridCells::setColWidth(int col, int twips)
{
    checkCol(col);
    if (twips < 0)
        raiseInvalidValue(QStringLiteral("ColWidth"), twips);
    m_colWidths[col] = twips;
}

void GridCells::setColWidthMax(int twips)
{
    if (twips < 0)
        raiseInvalidValue(QStringLiteral("ColWidthMax"), twips);
    m_colWidthMax = twips;
}

QString GridCells::text(int row, int col) const
{
    checkRow(row);
    checkCol(col);
    return m_texts.at(row).at(col);
}

void GridCells::setText(int row, int col, const QString &text)
{
    checkRow(row);
    checkCol(col);
    m_texts[row][col] = text;
}

void GridCells::setRow(int row)
{
    checkRow(row);
    m_row = row;
}

void GridCells::setCol(int col)
{
    checkCol(col);
    m_col = col;
}

void GridCells::clear()
{
    for (QStringList &line : m_texts)
        std::fill(line.begin(), line.end(), QString());
}

}  // namespace hestova
