#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QVariant>

class QPainter;
class QRect;

namespace hestova::controls {

// A picture property value as it crosses between host and library: a QVariant that is
// invalid (none: no picture object), or holds a QPixmap (bitmap) or QIcon (icon); a null pixmap or icon is an
// empty picture (what loading an empty file name gives).
namespace Picture {

enum class Kind { None, Empty, Bitmap, Icon };

Kind kind(const QVariant &picture);
inline bool isNone(const QVariant &picture) { return kind(picture) == Kind::None; }
inline bool isEmpty(const QVariant &picture) { return kind(picture) == Kind::Empty; }
inline bool hasImage(const QVariant &picture)
{
    const Kind k = kind(picture);
    return k == Kind::Bitmap || k == Kind::Icon;
}

QVariant none();
QVariant empty();
QVariant bitmap(const QPixmap &pixmap);
QVariant icon(const QIcon &icon);

// The natural size in pixels (an icon's first listed size); 0 x 0 for none and empty.
QSize pixelSize(const QVariant &picture);

// The image as a pixmap, at its natural size or, when size is valid, at that size; null for none and empty.
QPixmap toPixmap(const QVariant &picture, const QSize &size = QSize());

// Draws the picture stretched into target; none and empty draw nothing.
void drawStretched(QPainter &painter, const QRect &target, const QVariant &picture);

}  // namespace Picture

}  // namespace hestova::controls
