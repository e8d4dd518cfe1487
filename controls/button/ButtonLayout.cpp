#include "button/ButtonLayout.h"

#include "screen/Twips.h"

#include <cmath>
#include <limits>

namespace hestova::tobrel {

int saturate32(qint64 value)
{
    constexpr qint64 low = std::numeric_limits<int>::min();
    constexpr qint64 high = std::numeric_limits<int>::max();
    return static_cast<int>(qBound(low, value, high));
}

int nearestPixel(double value)
{
    if (std::isnan(value))
        return 0;
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return static_cast<int>(roundHalfEven(qBound(low, value, high)));
}

namespace {

// (extent - side) / 2, rounded, and the far edge side further on.
void centre(int extent, int side, int &nearEdge, int &farEdge)
{
    nearEdge = nearestPixel((static_cast<double>(extent) - static_cast<double>(side)) / 2.0);
    farEdge = saturate32(static_cast<qint64>(nearEdge) + side);
}

}  // namespace

void calcLayout(ButtonLayout &layout, const LayoutInput &input)
{
    const int w = nearestPixel(input.clientWidth);
    const int h = nearestPixel(input.clientHeight);
    layout.wholeRect = {0, 0, w, h};
    if (input.style == 1) {
        const int split = nearestPixel(static_cast<double>(h) * input.persent / 100.0);
        layout.pictureRect = {0, 0, w, split};
        layout.textRect = {0, split, w, h};
    } else {
        const int split = nearestPixel(static_cast<double>(w) * input.persent / 100.0);
        layout.pictureRect = {0, 0, split, h};
        layout.textRect = {split, 0, w, h};
    }
    if (input.picture == PictureKind::NoObject)
        return;
    layout.picWidth = input.pictureWidth;
    layout.picHeight = input.pictureHeight;
    PixelRect &image = layout.imageRect;
    if (input.picture == PictureKind::Bitmap) {
        centre(layout.pictureRect.right, input.imageSize, image.left, image.right);
        centre(layout.pictureRect.bottom, input.imageSize, image.top, image.bottom);
    } else if (input.picture == PictureKind::Icon) {
        centre(layout.pictureRect.right, layout.picWidth, image.left, image.right);
        centre(layout.pictureRect.bottom, layout.picHeight, image.top, image.bottom);
    }
}

}  // namespace hestova::tobrel
