#pragma once

#include <QColor>
#include <QString>
#include <array>

namespace hestova::spreadsheet {

enum class HAlign { General, Left, Center, Right };
enum class VAlign { Top, Center, Bottom };
enum class LineStyle { None, Thin, Medium, Dashed, Dotted, Thick, Double };

// Edges of one cell, in this order in CellStyle::borders.
enum Edge { LeftEdge = 0, RightEdge = 1, TopEdge = 2, BottomEdge = 3 };

struct Border {
    LineStyle style = LineStyle::None;
    QColor color = Qt::black;

    bool operator==(const Border &) const = default;
};

// The look of one cell. A cell without a style of its own has the sheet's default style.
struct CellStyle {
    QString fontName = QStringLiteral("宋体");
    double fontSize = 9;  // points
    int fontCharSet = 134;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    QColor textColor = Qt::black;
    QColor fill;  // invalid: no fill
    HAlign hAlign = HAlign::General;
    VAlign vAlign = VAlign::Bottom;
    bool wrap = false;
    std::array<Border, 4> borders;

    bool operator==(const CellStyle &) const = default;
};

}  // namespace hestova::spreadsheet
