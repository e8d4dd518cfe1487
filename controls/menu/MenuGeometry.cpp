#include "MenuGeometry.h"

#include "screen/Twips.h"

namespace hestova::quillon::geometry {

namespace {

int nearest(double value)
{
    return int(roundHalfEven(value));
}

}  // namespace

QRect ltrb(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

int popupItemWidth(int textWidth, int bitmapWidth, int menuCheckWidth)
{
    return 2 * (bitmapWidth + 4) + textWidth + 5 - (menuCheckWidth - 1);
}

int separatorHeight(int menuHeight)
{
    return menuHeight / 2;
}

QRect iconBox(const QRect &item, int itemHeight, int bitmapWidth)
{
    const int left = nearest(item.left() + (itemHeight - bitmapWidth) / 4.0);
    const int top = nearest(item.top() + (itemHeight - bitmapWidth) / 4.0);
    const int right = nearest(left + (bitmapWidth + itemHeight) / 2.0);
    const int bottom = nearest(top + (bitmapWidth + itemHeight) / 2.0);
    return ltrb(left, top, right, bottom);
}

QPoint iconPosition(const QRect &box, int bitmapWidth)
{
    return {box.width() / 2 - bitmapWidth / 2 + box.left(), (box.height() - bitmapWidth) / 2 + box.top()};
}

QRect highlightRect(const QRect &item, int itemHeight, bool showsIcon, int borderStyle)
{
    QRect r = item.adjusted(1, 1, -1, -1);
    if (showsIcon && (borderStyle == 4 || borderStyle == 5))
        r.setLeft(item.left() + itemHeight + 1);
    return r;
}

QRect popupTextRect(const QRect &item, int itemHeight)
{
    return ltrb(item.left() + itemHeight + 4, item.top(), item.left() + item.width() - 8, item.top() + item.height());
}

Rgb SplitRGB(quint32 color)
{
    return {int(color & 0xFF), int((color & 0xFFFF) / 256), int(color / 65536)};
}

QColor colorOf(quint32 color)
{
    return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QColor blend(quint32 start, quint32 end, double t)
{
    const Rgb s = SplitRGB(start);
    const Rgb e = SplitRGB(end);
    auto channel = [t](int from, int to) { return qBound(0, from + nearest(t * (to - from)), 255); };
    return QColor(channel(s.red, e.red), channel(s.green, e.green), channel(s.blue, e.blue));
}

namespace {

// The line at offset i along the stepping direction: a column when stepping across, a row when stepping down.
GradientLine lineAt(const QRect &r, bool across, int i, const QColor &color)
{
    if (across)
        return {{r.left() + i, r.top()}, {r.left() + i, r.top() + r.height()}, color};
    return {{r.left(), r.top() + i}, {r.left() + r.width(), r.top() + i}, color};
}

QList<GradientLine> stepped(const QRect &r, quint32 start, quint32 end, bool across)
{
    QList<GradientLine> lines;
    const int length = across ? r.width() : r.height();
    for (int i = 0; i < length; ++i)
        lines.append(lineAt(r, across, i, blend(start, end, double(i) / length)));
    return lines;
}

QList<GradientLine> toMiddle(const QRect &r, quint32 start, quint32 end, bool across)
{
    QList<GradientLine> lines;
    const int length = across ? r.width() : r.height();
    const int n = nearest(3.0 * length / 7.0);
    if (n < 1)
        return lines;  // no room for a step: the solid fill stays
    for (int i = 0; i <= n; ++i) {
        const QColor color = blend(start, end, double(i) / n);
        lines.append(lineAt(r, across, i, color));
        lines.append(lineAt(r, across, length - i - 1, color));
    }
    return lines;
}

}  // namespace

QList<GradientLine> GradientLeftRight(const QRect &r, quint32 start, quint32 end)
{
    return stepped(r, start, end, true);
}

QList<GradientLine> GradientTopBottom(const QRect &r, quint32 start, quint32 end)
{
    return stepped(r, start, end, false);
}

QList<GradientLine> GradientToMiddleV(const QRect &r, quint32 start, quint32 end)
{
    return toMiddle(r, start, end, false);
}

QList<GradientLine> GradientToMiddleH(const QRect &r, quint32 start, quint32 end)
{
    return toMiddle(r, start, end, true);
}

}  // namespace hestova::quillon::geometry
