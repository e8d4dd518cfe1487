#pragma once

#include <QColor>
#include <QVariant>

class QPainter;

namespace hestova::tobrel {

// Draws a button's picture (bitmap or icon) plain, embossed or as a one-colour shadow onto the
// button's memory surface. Any other picture draws nothing.
class DrawPic {
public:
    // A bitmap's (0, 0, picX, picY) stretched onto (left, top, width, height); an icon at (left, top)
    // at picX x picY.
    void drawPic(QPainter &target, const QVariant &pic, int top, int left, int width, int height, int picX,
                 int picY) const;
    // The picture at width x height, embossed in the system's 3D highlight and shadow colours.
    void drawDisabledPic(QPainter &target, const QVariant &pic, int top, int left, int width, int height,
                         int picX, int picY) const;
    // The picture's shape at width x height filled with shadowColor.
    void drawShadowPic(QPainter &target, const QVariant &pic, int top, int left, int width, int height,
                       int picX, int picY, const QColor &shadowColor) const;
};

}  // namespace hestova::tobrel
