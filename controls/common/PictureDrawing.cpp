#include "common/PictureDrawing.h"

#include "common/Picture.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

namespace hestova::controls::PictureDrawing {

namespace {

bool isBitmap(const QVariant &picture)
{
    return Picture::kind(picture) == Picture::Kind::Bitmap;
}

bool isIcon(const QVariant &picture)
{
    return Picture::kind(picture) == Picture::Kind::Icon;
}

}  // namespace

QImage bitmapImage(const QVariant &bitmap)
{
    if (!isBitmap(bitmap))
        return {};
    if (bitmap.metaType() == QMetaType::fromType<QImage>())
        return bitmap.value<QImage>();
    return bitmap.value<QPixmap>().toImage();
}

void drawBitmap(QPainter &painter, const QImage &bitmap, const QRect &target, const QSize &sourceSize)
{
    if (bitmap.isNull() || target.isEmpty() || sourceSize.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter.drawImage(target, bitmap, QRect(QPoint(0, 0), sourceSize));
    painter.restore();
}

QImage iconImage(const QVariant &icon, const QSize &size)
{
    if (!isIcon(icon) || size.isEmpty())
        return {};
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.value<QIcon>().paint(&painter, QRect(QPoint(0, 0), size));
    return image;
}

QImage stretchedBitmap(const QVariant &bitmap, const QSize &size, const QSize &sourceSize)
{
    if (!isBitmap(bitmap) || size.isEmpty())
        return {};
    QImage copy(size, QImage::Format_ARGB32_Premultiplied);
    copy.fill(Qt::black);
    QPainter painter(&copy);
    drawBitmap(painter, bitmapImage(bitmap), QRect(QPoint(0, 0), size), sourceSize);
    return copy;
}

QImage shapeMask(const QImage &image)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage mask(source.size(), QImage::Format_ARGB32);
    mask.fill(Qt::transparent);
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(mask.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            const QRgb pixel = in[x];
            if (qAlpha(pixel) >= 128 && (pixel & 0x00FFFFFF) != 0x00FFFFFF)
                out[x] = qRgba(0, 0, 0, 255);
        }
    }
    return mask;
}

void drawMono(QPainter &painter, const QImage &image, const QPoint &at, const QColor &colour)
{
    if (image.isNull())
        return;
    QImage shape = shapeMask(image);
    {
        QPainter fill(&shape);
        fill.setCompositionMode(QPainter::CompositionMode_SourceIn);
        fill.fillRect(shape.rect(), colour);
    }
    painter.drawImage(at, shape);
}

void drawEmbossed(QPainter &painter, const QImage &image, const QPoint &at, const QColor &highlight,
                  const QColor &shadow)
{
    drawMono(painter, image, at + QPoint(1, 1), highlight);
    drawMono(painter, image, at, shadow);
}

namespace {

QImage pictureAt(const QVariant &picture, const QSize &size, const QSize &sourceSize)
{
    if (isBitmap(picture))
        return stretchedBitmap(picture, size, sourceSize);
    return iconImage(picture, size);
}

}  // namespace

void drawPlain(QPainter &painter, const QVariant &picture, const QRect &target, const QSize &sourceSize)
{
    if (isBitmap(picture))
        drawBitmap(painter, bitmapImage(picture), target, sourceSize);
    else if (isIcon(picture) && !sourceSize.isEmpty())
        picture.value<QIcon>().paint(&painter, QRect(target.topLeft(), sourceSize));
}

void drawDisabled(QPainter &painter, const QVariant &picture, const QRect &target, const QSize &sourceSize,
                  const QColor &highlight, const QColor &shadow)
{
    drawEmbossed(painter, pictureAt(picture, target.size(), sourceSize), target.topLeft(), highlight, shadow);
}

void drawShadow(QPainter &painter, const QVariant &picture, const QRect &target, const QSize &sourceSize,
                const QColor &colour)
{
    drawMono(painter, pictureAt(picture, target.size(), sourceSize), target.topLeft(), colour);
}

}  // namespace hestova::controls::PictureDrawing
