#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace hestova::controls {

// A rectangle given as left, top, right, bottom with right and bottom outside it (as the drawing code of the
// libraries computes them) turned into a QRect.
inline QRect edgeRect(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

// A one-pixel frame just inside rect; nothing when rect is empty.
void frameRect(QPainter &painter, const QRect &rect, const QColor &color);

// 3D edges: which lines (Edge flags) on which sides (EdgeSide flags), in the system colour table's colours.
namespace Edge {
constexpr int RaisedOuter = 0x1, SunkenOuter = 0x2, RaisedInner = 0x4, SunkenInner = 0x8;
constexpr int Raised = RaisedOuter | RaisedInner, Sunken = SunkenOuter | SunkenInner,
              Etched = SunkenOuter | RaisedInner, Bump = RaisedOuter | SunkenInner;
}  // namespace Edge

namespace EdgeSide {
constexpr int Left = 0x1, Top = 0x2, Right = 0x4, Bottom = 0x8;
constexpr int All = Left | Top | Right | Bottom;
constexpr int Soft = 0x1000;  // softer look of raised edges (highlight outermost)
}  // namespace EdgeSide

// Draws the outer line along rect's border and the inner line one pixel inside it.
void drawEdge(QPainter &painter, const QRect &rect, int edge, int sides);

}  // namespace hestova::controls
