#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace hestova::titlebar {

// Where the four image areas of the bar go, in twips of the bar.
struct CaptionLayout {
    int size = 0;        // side of every image area
    double top = 0;      // top of every image area
    int iconLeft = 0;    // Image1
    int minLeft = 0;     // Image2
    int maxLeft = 0;     // Image3
    int closeLeft = 0;   // Image4
};

// btnsizePixels: Btnsize; width, innerHeight: the bar's, twips. Computed in 64 bits and held to the int range,
// so a large Btnsize cannot overflow.
CaptionLayout layoutCaption(int btnsizePixels, int widthTwips, int innerHeightTwips, bool maxButton);

// The title's rectangle in pixels (right and bottom outside it); its right may lie left of its left.
QRect captionTextRect(int btnsizePixels, int innerWidthTwips, int innerHeightTwips);

// Top-left corners of the tiles that cover an area from its top-left corner, one more partly visible tile
// wherever the area is not a whole number of tiles (bounds inclusive). Empty when a tile has no size.
QList<QPoint> tileOrigins(const QSize &area, const QSize &tile);

}  // namespace hestova::titlebar
