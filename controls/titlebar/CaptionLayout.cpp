#include "CaptionLayout.h"

#include "screen/Twips.h"

#include <algorithm>
#include <limits>

namespace hestova::titlebar {

namespace {

int toInt(long long value)
{
    return int(std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

}  // namespace

CaptionLayout layoutCaption(int btnsizePixels, int widthTwips, int innerHeightTwips, bool maxButton)
{
    const long long s = roundHalfEven(pixelsToTwips(btnsizePixels));
    const long long w = widthTwips;
    CaptionLayout layout;
    layout.size = toInt(s);
    layout.top = (double(innerHeightTwips) - double(s)) / 2.0;
    layout.iconLeft = 120;
    layout.closeLeft = toInt(w - s - 60);
    layout.maxLeft = toInt(w - 2 * s - 90);
    layout.minLeft = maxButton ? toInt(w - 3 * s - 120) : toInt(w - 2 * s - 90);
    return layout;
}

QRect captionTextRect(int btnsizePixels, int innerWidthTwips, int innerHeightTwips)
{
    const long long b = btnsizePixels;
    const int left = toInt(b + 10);
    const int right = toInt(roundHalfEven(twipsToPixels(innerWidthTwips) - 3.0 * double(b) - 20.0));
    const int bottom = int(roundHalfEven(twipsToPixels(innerHeightTwips)));
    return QRect(QPoint(left, 0), QPoint(right - 1, bottom - 1));
}

QList<QPoint> tileOrigins(const QSize &area, const QSize &tile)
{
    QList<QPoint> origins;
    if (tile.width() <= 0 || tile.height() <= 0 || area.width() < 0 || area.height() < 0)
        return origins;
    for (long long y = 0; y <= area.height(); y += tile.height()) {
        for (long long x = 0; x <= area.width(); x += tile.width())
            origins.append(QPoint(int(x), int(y)));
    }
    return origins;
}

}  // namespace hestova::titlebar
