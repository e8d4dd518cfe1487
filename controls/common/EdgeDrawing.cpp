#include "common/EdgeDrawing.h"

#include "screen/OleColor.h"

#include <QPainter>

namespace hestova::controls {

namespace {

QColor tableColor(int index)
{
    return toQColor(systemColor(index));
}

struct LineColors {
    QColor topLeft;
    QColor bottomRight;
};

void drawLine(QPainter &painter, const QRect &rect, int sides, const LineColors &colors)
{
    if (rect.isEmpty())
        return;
    const int l = rect.left(), t = rect.top(), r = rect.right(), b = rect.bottom();
    if (sides & EdgeSide::Top)
        painter.fillRect(QRect(l, t, rect.width(), 1), colors.topLeft);
    if (sides & EdgeSide::Left)
        painter.fillRect(QRect(l, t, 1, rect.height()), colors.topLeft);
    if (sides & EdgeSide::Bottom)
        painter.fillRect(QRect(l, b, rect.width(), 1), colors.bottomRight);
    if (sides & EdgeSide::Right)
        painter.fillRect(QRect(r, t, 1, rect.height()), colors.bottomRight);
}

LineColors outerColors(int edge, bool soft)
{
    if (edge & Edge::RaisedOuter) {
        return {tableColor(soft ? SystemColor::ButtonHighlight : SystemColor::Light3D),
                tableColor(SystemColor::DarkShadow3D)};
    }
    return {tableColor(SystemColor::ButtonShadow), tableColor(SystemColor::ButtonHighlight)};
}

LineColors innerColors(int edge, bool soft)
{
    if (edge & Edge::RaisedInner) {
        return {tableColor(soft ? SystemColor::Light3D : SystemColor::ButtonHighlight),
                tableColor(SystemColor::ButtonShadow)};
    }
    return {tableColor(SystemColor::DarkShadow3D), tableColor(SystemColor::Light3D)};
}

}  // namespace

void frameRect(QPainter &painter, const QRect &rect, const QColor &color)
{
    if (rect.isEmpty())
        return;
    drawLine(painter, rect, EdgeSide::All, {color, color});
}

void drawEdge(QPainter &painter, const QRect &rect, int edge, int sides)
{
    const bool soft = (sides & EdgeSide::Soft) != 0;
    QRect line = rect;
    if (edge & (Edge::RaisedOuter | Edge::SunkenOuter)) {
        drawLine(painter, line, sides, outerColors(edge, soft));
        line = line.adjusted(sides & EdgeSide::Left ? 1 : 0, sides & EdgeSide::Top ? 1 : 0,
                             sides & EdgeSide::Right ? -1 : 0, sides & EdgeSide::Bottom ? -1 : 0);
    }
    if (edge & (Edge::RaisedInner | Edge::SunkenInner))
        drawLine(painter, line, sides, innerColors(edge, soft));
}

}  // namespace hestova::controls
