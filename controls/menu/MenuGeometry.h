#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>

namespace hestova::quillon::geometry {

// A rectangle from its left, top and exclusive right, bottom edges.
QRect ltrb(int left, int top, int right, int bottom);

// Width of a popup item: both icon margins, the text, and making up for the check-mark width that the
// menu adds to every owner-drawn popup item.
int popupItemWidth(int textWidth, int bitmapWidth, int menuCheckWidth);
int separatorHeight(int menuHeight);

// The box round an item's icon, and the icon's top-left corner in it.
QRect iconBox(const QRect &item, int itemHeight, int bitmapWidth);
QPoint iconPosition(const QRect &box, int bitmapWidth);

// The highlight of a selected popup item; it keeps clear of the icon box under border styles 4 and 5.
QRect highlightRect(const QRect &item, int itemHeight, bool showsIcon, int borderStyle);
// Where a popup item's text goes.
QRect popupTextRect(const QRect &item, int itemHeight);

struct Rgb {
    int red;
    int green;
    int blue;
};
Rgb SplitRGB(quint32 color);
QColor colorOf(quint32 color);  // 0x00BBGGRR -> colour; bits above the blue byte are ignored

// One line of a gradient: the pixels from..to (to excluded) in colour.
struct GradientLine {
    QPoint from;
    QPoint to;
    QColor color;
};

// The lines of fill styles 1 to 4 on a highlight rectangle, from `start` to `end`. Styles 3 and 4 draw
// nothing when the rectangle is too small for a step (under 2 pixels across).
QList<GradientLine> GradientLeftRight(const QRect &r, quint32 start, quint32 end);
QList<GradientLine> GradientTopBottom(const QRect &r, quint32 start, quint32 end);
QList<GradientLine> GradientToMiddleV(const QRect &r, quint32 start, quint32 end);
QList<GradientLine> GradientToMiddleH(const QRect &r, quint32 start, quint32 end);

// The colour at fraction t from start to end.
QColor blend(quint32 start, quint32 end, double t);

}  // namespace hestova::quillon::geometry
