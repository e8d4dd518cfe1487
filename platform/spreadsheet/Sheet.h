#pragma once

#include "spreadsheet/CellRange.h"
#include "spreadsheet/CellStyle.h"

#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QString>
#include <map>
#include <optional>
#include <utility>

namespace hestova::spreadsheet {

// How the sheet goes onto paper; margins in millimetres.
struct PageSetup {
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{15, 15, 15, 15};

    bool operator==(const PageSetup &) const = default;
};

// One sheet: cell texts and styles, column widths and row heights (twips), merged ranges, the used range,
// the header line and the page set-up. Rows and columns count from 1; callers keep them inside the limits
// of CellReference.
class Sheet {
public:
    static constexpr int DefaultColWidth = 1080;
    static constexpr int DefaultRowHeight = 285;

    QString text(int row, int col) const;
    void setText(int row, int col, const QString &text);

    const CellStyle &style(int row, int col) const;
    void setStyle(int row, int col, const CellStyle &style);

    const CellStyle &defaultStyle() const { return m_defaultStyle; }
    void setDefaultStyle(const CellStyle &style) { m_defaultStyle = style; }

    int colWidth(int col) const;
    void setColWidth(int col, int twips);
    int rowHeight(int row) const;
    void setRowHeight(int row, int twips);
    int colLeft(int col) const;  // twips from the left edge of column 1
    int rowTop(int row) const;   // twips from the top edge of row 1
    int width(int lastCol) const { return colLeft(lastCol + 1); }
    int height(int lastRow) const { return rowTop(lastRow + 1); }

    const QList<CellRange> &merges() const { return m_merges; }
    // Adds a merged range; ranges overlapping it are dropped first.
    void addMerge(const CellRange &range);
    std::optional<CellRange> mergeAt(int row, int col) const;

    // The used range: what is shown and printed.
    int lastRow() const { return m_lastRow; }
    int lastCol() const { return m_lastCol; }
    void setLastRow(int row) { m_lastRow = row; }
    void setLastCol(int col) { m_lastCol = col; }

    const QString &header() const { return m_header; }
    void setHeader(const QString &header) { m_header = header; }

    const PageSetup &page() const { return m_page; }
    void setPage(const PageSetup &page) { m_page = page; }

private:
    struct Cell {
        QString text;
        std::optional<CellStyle> style;
    };
    using Key = std::pair<int, int>;

    std::map<Key, Cell> m_cells;
    std::map<int, int> m_colWidths;
    std::map<int, int> m_rowHeights;
    QList<CellRange> m_merges;
    CellStyle m_defaultStyle;
    int m_lastRow = 1;
    int m_lastCol = 1;
    QString m_header;
    PageSetup m_page;
};

}  // namespace hestova::spreadsheet
