#include "common/Picture.h"

#include <QPainter>
#include <QRect>

namespace hestova::controls::Picture {

Kind kind(const QVariant &picture)
{
    if (!picture.isValid())
        return Kind::None;
    if (picture.metaType() == QMetaType::fromType<QPixmap>())
        return picture.value<QPixmap>().isNull() ? Kind::Empty : Kind::Bitmap;
    if (picture.metaType() == QMetaType::fromType<QIcon>())
        return picture.value<QIcon>().isNull() ? Kind::Empty : Kind::Icon;
    if (picture.metaType() == QMetaType::fromType<QImage>())
        return picture.value<QImage>().isNull() ? Kind::Empty : Kind::Bitmap;
    return Kind::None;
}

QVariant none()
{
    return {};
}

QVariant empty()
{
    return QVariant::fromValue(QPixmap());
}

QVariant bitmap(const QPixmap &pixmap)
{
    return QVariant::fromValue(pixmap);
}

QVariant icon(const QIcon &icon)
{
    return QVariant::fromValue(icon);
}

QSize pixelSize(const QVariant &picture)
{
    switch (kind(picture)) {
    case Kind::Bitmap:
        if (picture.metaType() == QMetaType::fromType<QImage>())
            return picture.value<QImage>().size();
        return picture.value<QPixmap>().size();
    case Kind::Icon: {
        const QList<QSize> sizes = picture.value<QIcon>().availableSizes();
        return sizes.isEmpty() ? QSize(32, 32) : sizes.first();
    }
    case Kind::None:
    case Kind::Empty:
        break;
    }
    return {0, 0};
}

QPixmap toPixmap(const QVariant &picture, const QSize &size)
{
    const Kind k = kind(picture);
    if (k == Kind::None || k == Kind::Empty)
        return {};
    const QSize wanted = size.isValid() ? size : pixelSize(picture);
    if (k == Kind::Icon)
        return picture.value<QIcon>().pixmap(wanted);
    QPixmap pixmap = picture.metaType() == QMetaType::fromType<QImage>()
                         ? QPixmap::fromImage(picture.value<QImage>())
                         : picture.value<QPixmap>();
    if (pixmap.size() != wanted && !wanted.isEmpty())
        pixmap = pixmap.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return pixmap;
}

void drawStretched(QPainter &painter, const QRect &target, const QVariant &picture)
{
    if (!hasImage(picture) || target.isEmpty())
        return;
    painter.drawPixmap(target, toPixmap(picture, kind(picture) == Kind::Icon ? target.size() : QSize()));
}

}  // namespace hestova::controls::Picture
