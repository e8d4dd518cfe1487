#include "imagelist/ImageList.h"

#include "core/AppError.h"

#include <QColor>

namespace hestova {

namespace {
using hestova::ErrorNumber::IndexOutOfBounds;
using hestova::ErrorNumber::ElementNotFound;
using hestova::ErrorNumber::KeyNotUnique;

QRgb rgbOf(qint32 bgr)
{
    return qRgb(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}
}  // namespace

ListImage::ListImage(int index, const QString &key, const QImage &picture, QObject *parent)
    : QObject(parent), m_index(index), m_key(key), m_picture(picture)
{
}

ListImages::ListImages(ImageList *owner) : QObject(owner), m_owner(owner) {}

QObject *ListImages::Add(const QVariant &Index, const QString &Key, const QPixmap &Picture)
{
    if (Picture.isNull())
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("无效的图片"));
    if (!Key.isEmpty()) {
        for (const ListImage *image : m_images)
            if (image->Key().compare(Key, Qt::CaseInsensitive) == 0)
                throw AppError(KeyNotUnique, QStringLiteral("关键字在集合中不唯一"));
    }
    int position = int(m_images.size());
    if (Index.isValid() && !Index.toString().isEmpty()) {
        bool ok = false;
        const int oneBased = Index.toInt(&ok);
        if (!ok || oneBased < 1 || oneBased > m_images.size() + 1)
            throw AppError(IndexOutOfBounds, QStringLiteral("索引超出范围"));
        position = oneBased - 1;
    }
    auto *image = new ListImage(position + 1, Key, m_owner->fitted(Picture.toImage()), this);
    m_images.insert(position, image);
    renumber();
    return image;
}

int ListImages::positionOf(const QVariant &indexOrKey) const
{
    if (indexOrKey.typeId() == QMetaType::QString) {
        const QString key = indexOrKey.toString();
        for (int i = 0; i < m_images.size(); ++i)
            if (!key.isEmpty() && m_images[i]->Key().compare(key, Qt::CaseInsensitive) == 0)
                return i;
        throw AppError(ElementNotFound, QStringLiteral("找不到元素"));
    }
    bool ok = false;
    const int oneBased = indexOrKey.toInt(&ok);
    if (!ok || oneBased < 1 || oneBased > m_images.size())
        throw AppError(IndexOutOfBounds, QStringLiteral("索引超出范围"));
    return oneBased - 1;
}

QObject *ListImages::Item(const QVariant &IndexOrKey) const
{
    return m_images[positionOf(IndexOrKey)];
}

void ListImages::Remove(const QVariant &IndexOrKey)
{
    const int position = positionOf(IndexOrKey);
    delete m_images.takeAt(position);
    renumber();
}

void ListImages::Clear()
{
    qDeleteAll(m_images);
    m_images.clear();
}

ListImage *ListImages::at(int zeroBased) const
{
    return zeroBased >= 0 && zeroBased < m_images.size() ? m_images[zeroBased] : nullptr;
}

void ListImages::renumber()
{
    for (int i = 0; i < m_images.size(); ++i)
        m_images[i]->setIndex(i + 1);
}

ImageList::ImageList(QObject *parent) : QObject(parent), m_listImages(new hestova::ListImages(this)) {}

void ImageList::setImageWidth(int width)
{
    if (m_listImages->Count() > 0 && width != m_width)
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("图像列表不为空时不能改变图像大小"));
    m_width = width;
}

void ImageList::setImageHeight(int height)
{
    if (m_listImages->Count() > 0 && height != m_height)
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("图像列表不为空时不能改变图像大小"));
    m_height = height;
}

QImage ImageList::fitted(const QImage &picture)
{
    if (m_width <= 0 || m_height <= 0) {
        m_width = picture.width();
        m_height = picture.height();
    }
    QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    if (image.size() != QSize(m_width, m_height))
        image = image.scaled(m_width, m_height, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return image;
}

QImage ImageList::transparentImage(int index) const
{
    const ListImage *image = m_listImages->at(index);
    if (!image)
        return {};
    QImage result = image->image();
    if (!m_useMaskColor)
        return result;
    const QRgb mask = rgbOf(m_maskColor);
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == (mask & 0x00FFFFFF) && qAlpha(line[x]) == 255)
                line[x] = 0;
    }
    return result;
}

}  // namespace hestova
