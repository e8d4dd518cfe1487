#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QVariant>

class QPainter;

namespace hestova::controls {

// Plain, embossed and one-colour drawing of the control libraries' pictures (common/Picture.h);
// none and empty pictures draw nothing.
//
// The "shape" of a picture is every pixel that is at least half opaque and not pure white: white and
// transparent pixels are the background of a bitmap or an icon.
namespace PictureDrawing {

// The part (0, 0, sourceSize) of a bitmap stretched onto target, without smoothing.
void drawBitmap(QPainter &painter, const QImage &bitmap, const QRect &target, const QSize &sourceSize);

// A bitmap picture's image at its own size.
QImage bitmapImage(const QVariant &bitmap);

// An icon rendered (scaled either way) at size into an ARGB image.
QImage iconImage(const QVariant &icon, const QSize &size);

// A bitmap's part (0, 0, sourceSize) as a copy stretched to size.
QImage stretchedBitmap(const QVariant &bitmap, const QSize &size, const QSize &sourceSize);

// An ARGB mask of image: shape pixels opaque black, all others transparent.
QImage shapeMask(const QImage &image);

// The shape of image filled with colour, its top-left corner at at.
void drawMono(QPainter &painter, const QImage &image, const QPoint &at, const QColor &colour);

// The embossed (disabled) look: the shape in highlight one pixel down and right of at, then the shape
// in shadow at at.
void drawEmbossed(QPainter &painter, const QImage &image, const QPoint &at, const QColor &highlight,
                  const QColor &shadow);

// Plain drawing: a bitmap's (0, 0, sourceSize) stretched onto target; an icon at target's top-left
// corner at sourceSize (target's size unused).
void drawPlain(QPainter &painter, const QVariant &picture, const QRect &target, const QSize &sourceSize);

// The picture stretched to target (bitmap) or rendered at target's size (icon), drawn embossed.
void drawDisabled(QPainter &painter, const QVariant &picture, const QRect &target, const QSize &sourceSize,
                  const QColor &highlight, const QColor &shadow);

// The picture stretched to target (bitmap) or rendered at target's size (icon), its shape in colour.
void drawShadow(QPainter &painter, const QVariant &picture, const QRect &target, const QSize &sourceSize,
                const QColor &colour);

}  // namespace PictureDrawing

}  // namespace hestova::controls
