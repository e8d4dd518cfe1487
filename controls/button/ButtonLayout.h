#pragma once

#include <QtGlobal>

namespace hestova::tobrel {

// A rectangle of client pixels: left and top inside, right and bottom just outside.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PixelRect &, const PixelRect &) = default;
};

// What the layout knows of the button's picture.
enum class PictureKind {
    NoObject,  // no picture object at all
    Empty,     // a picture object of type none
    Bitmap,
    Icon,
};

struct LayoutInput {
    double clientWidth = 0;
    double clientHeight = 0;
    int style = 0;        // 1: picture area above the text area; else left of it
    int persent = 30;     // per cent of the button taken by the picture area
    PictureKind picture = PictureKind::NoObject;
    int pictureWidth = 0;   // the picture's own size in pixels
    int pictureHeight = 0;
    int imageSize = 0;      // side of the square a bitmap is drawn in
};

// The button's rectangles; kept between layouts because a layout without a picture leaves the
// picture's rectangle and size as they were.
struct ButtonLayout {
    PixelRect wholeRect;
    PixelRect pictureRect;
    PixelRect textRect;
    PixelRect imageRect;
    int picWidth = 0;
    int picHeight = 0;
};

// The integer nearest to value, halves to even, saturated to 32 bits.
int nearestPixel(double value);

// value clamped to the 32-bit range.
int saturate32(qint64 value);

// Splits the button into picture and text areas and places the picture. Sums at the 32-bit limits
// saturate instead of overflowing.
void calcLayout(ButtonLayout &layout, const LayoutInput &input);

}  // namespace hestova::tobrel
