#include "spreadsheet/SheetPainter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace hestova::spreadsheet {

namespace {

constexpr double CellPadding = 30;  // twips between a cell's edge and its text
const QColor GridColor(0xD0, 0xD0, 0xD0);
const QColor SelectionColor(0x33, 0x66, 0xCC);

// A finite number in the C form, or with the locale's decimal separator in place of the point: "80," as "80.".
// "nan" and "inf", which toDouble() takes, are words.
bool isNumber(const QString &text, const QLocale &locale)
{
    bool ok = false;
    const QString trimmed = text.trimmed();
    double value = trimmed.toDouble(&ok);
    const QString separator = locale.decimalPoint();
    if (!ok && separator != QLatin1String("."))
        value = QString(trimmed).replace(separator, QLatin1String(".")).toDouble(&ok);
    return ok && std::isfinite(value);
}

double lineWidthTwips(LineStyle style)
{
    switch (style) {
    case LineStyle::Medium:
        return 25;
    case LineStyle::Thick:
        return 40;
    default:
        return 12;
    }
}

}  // namespace

SheetPainter::SheetPainter(const Sheet &sheet, const CellRange &region, const QPointF &origin, const Options &options)
    : m_sheet(sheet), m_region(region), m_origin(origin), m_options(options),
      m_left0(sheet.colLeft(region.left)), m_top0(sheet.rowTop(region.top))
{
}

double SheetPainter::x(int col) const
{
    const double value = m_origin.x() + (m_sheet.colLeft(col) - m_left0) * m_options.scale;
    return m_options.snap ? std::round(value) : value;
}

double SheetPainter::y(int row) const
{
    const double value = m_origin.y() + (m_sheet.rowTop(row) - m_top0) * m_options.scale;
    return m_options.snap ? std::round(value) : value;
}

QRectF SheetPainter::rectOf(const CellRange &range) const
{
    return QRectF(QPointF(x(range.left), y(range.top)), QPointF(x(range.right + 1), y(range.bottom + 1)));
}

QFont SheetPainter::fontOf(const CellStyle &style, double scale)
{
    QFont font(style.fontName);
    font.setPixelSize(std::max(1, int(std::lround(style.fontSize * 20 * scale))));
    font.setBold(style.bold);
    font.setItalic(style.italic);
    font.setUnderline(style.underline);
    return font;
}

template <typename F> void SheetPainter::forEachBlock(F &&visit) const
{
    for (const CellRange &merge : m_sheet.merges())
        if (merge.intersects(m_region))
            visit(merge);
    for (int row = m_region.top; row <= m_region.bottom; ++row)
        for (int col = m_region.left; col <= m_region.right; ++col)
            if (!m_sheet.mergeAt(row, col))
                visit(CellRange{row, col, row, col});
}

void SheetPainter::paint(QPainter &painter) const
{
    painter.save();
    // A little room around the region, so that lines on its edges are drawn whole.
    const double room = lineWidthTwips(LineStyle::Thick) / 2 * m_options.scale;
    painter.setClipRect(rectOf(m_region).adjusted(-room, -room, room, room), Qt::IntersectClip);
    paintFills(painter);
    if (m_options.gridLines)
        paintGrid(painter);
    paintTexts(painter);
    paintBorders(painter);
    if (m_options.selection)
        paintSelection(painter);
    painter.restore();
}

void SheetPainter::paintFills(QPainter &painter) const
{
    forEachBlock([&](const CellRange &block) {
        const QColor fill = m_sheet.style(block.top, block.left).fill;
        if (fill.isValid())
            painter.fillRect(rectOf(block), fill);
    });
}

void SheetPainter::paintGrid(QPainter &painter) const
{
    painter.save();
    painter.setPen(QPen(GridColor, 0));
    forEachBlock([&](const CellRange &block) {
        const QRectF r = rectOf(block);
        painter.drawLine(QPointF(r.right(), r.top()), r.bottomRight());
        painter.drawLine(QPointF(r.left(), r.bottom()), r.bottomRight());
    });
    painter.restore();
}

void SheetPainter::paintTexts(QPainter &painter) const
{
    forEachBlock([&](const CellRange &block) {
        if (!m_sheet.text(block.top, block.left).isEmpty())
            paintText(painter, block.top, block.left, rectOf(block));
    });
}

void SheetPainter::paintText(QPainter &painter, int row, int col, const QRectF &cellRect) const
{
    const CellStyle &style = m_sheet.style(row, col);
    const QString text = m_sheet.text(row, col);
    const QFont font = fontOf(style, m_options.scale);
    const double padding = CellPadding * m_options.scale;

    int flags = 0;
    switch (style.hAlign) {
    case HAlign::General:
        flags |= isNumber(text, m_options.locale) ? Qt::AlignRight : Qt::AlignLeft;
        break;
    case HAlign::Left:
        flags |= Qt::AlignLeft;
        break;
    case HAlign::Center:
        flags |= Qt::AlignHCenter;
        break;
    case HAlign::Right:
        flags |= Qt::AlignRight;
        break;
    }
    switch (style.vAlign) {
    case VAlign::Top:
        flags |= Qt::AlignTop;
        break;
    case VAlign::Center:
        flags |= Qt::AlignVCenter;
        break;
    case VAlign::Bottom:
        flags |= Qt::AlignBottom;
        break;
    }
    if (style.wrap)
        flags |= Qt::TextWordWrap;

    QRectF rect = cellRect;
    const QFontMetricsF metrics(font, painter.device());
    if (!style.wrap && (flags & Qt::AlignLeft) && !m_sheet.mergeAt(row, col))
        rect = overflowRect(row, col, cellRect, metrics.horizontalAdvance(text) + 2 * padding);

    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(font);
    painter.setPen(style.textColor);
    painter.drawText(rect.adjusted(padding, 0, -padding, 0), flags, text);
    painter.restore();
}

// A left-aligned text longer than its cell runs on over the empty cells to its right.
QRectF SheetPainter::overflowRect(int row, int col, const QRectF &cellRect, double textWidth) const
{
    QRectF rect = cellRect;
    for (int next = col + 1; rect.width() < textWidth && next <= m_sheet.lastCol(); ++next) {
        if (!m_sheet.text(row, next).isEmpty() || m_sheet.mergeAt(row, next))
            break;
        rect.setRight(x(next + 1));
    }
    return rect;
}

void SheetPainter::paintBorders(QPainter &painter) const
{
    // Every cell draws its own edges; edges inside a merged range are not drawn.
    const CellRange cells{std::max(1, m_region.top - 1), std::max(1, m_region.left - 1), m_region.bottom + 1,
                          m_region.right + 1};
    for (int row = cells.top; row <= cells.bottom; ++row) {
        for (int col = cells.left; col <= cells.right; ++col) {
            const CellStyle &style = m_sheet.style(row, col);
            const auto merge = m_sheet.mergeAt(row, col);
            const QRectF r = rectOf(CellRange{row, col, row, col});
            auto inner = [&](int edge) {
                if (!merge)
                    return false;
                switch (edge) {
                case LeftEdge:
                    return col > merge->left;
                case RightEdge:
                    return col < merge->right;
                case TopEdge:
                    return row > merge->top;
                default:
                    return row < merge->bottom;
                }
            };
            for (int edge = LeftEdge; edge <= BottomEdge; ++edge) {
                const Border &border = style.borders[edge];
                if (border.style == LineStyle::None || inner(edge))
                    continue;
                switch (edge) {
                case LeftEdge:
                    paintLine(painter, border, r.topLeft(), r.bottomLeft(), false);
                    break;
                case RightEdge:
                    paintLine(painter, border, r.topRight(), r.bottomRight(), false);
                    break;
                case TopEdge:
                    paintLine(painter, border, r.topLeft(), r.topRight(), true);
                    break;
                default:
                    paintLine(painter, border, r.bottomLeft(), r.bottomRight(), true);
                    break;
                }
            }
        }
    }
}

void SheetPainter::paintLine(QPainter &painter, const Border &border, const QPointF &from, const QPointF &to,
                             bool horizontal) const
{
    const double width = std::max(1.0, lineWidthTwips(border.style) * m_options.scale);
    QPen pen(border.color, m_options.snap ? std::round(width) : width);
    pen.setCapStyle(Qt::SquareCap);
    if (border.style == LineStyle::Dashed)
        pen.setStyle(Qt::DashLine);
    else if (border.style == LineStyle::Dotted)
        pen.setStyle(Qt::DotLine);
    painter.save();
    painter.setPen(pen);
    if (border.style == LineStyle::Double) {
        const double gap = std::max(1.0, 20 * m_options.scale);
        const QPointF shift = horizontal ? QPointF(0, gap) : QPointF(gap, 0);
        painter.drawLine(from - shift, to - shift);
        painter.drawLine(from + shift, to + shift);
    } else {
        painter.drawLine(from, to);
    }
    painter.restore();
}

void SheetPainter::paintSelection(QPainter &painter) const
{
    // The mark covers whole merged cells.
    CellRange shown = *m_options.selection;
    for (const CellRange &merge : m_sheet.merges()) {
        if (merge.intersects(shown))
            shown = CellRange::spanning(std::min(shown.top, merge.top), std::min(shown.left, merge.left),
                                        std::max(shown.bottom, merge.bottom), std::max(shown.right, merge.right));
    }
    const QRectF r = rectOf(shown);
    QColor fill = SelectionColor;
    fill.setAlpha(40);
    painter.fillRect(r, fill);
    painter.save();
    painter.setPen(QPen(SelectionColor, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(r.adjusted(1, 1, -1, -1));
    painter.restore();
}

}  // namespace hestova::spreadsheet
