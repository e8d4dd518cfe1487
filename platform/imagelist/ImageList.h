#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPixmap>
#include <QPointer>
#include <QVariant>

namespace hestova {

// One picture of an image list, with the texts the host attaches to it.
class ListImage : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Index READ Index)
    Q_PROPERTY(QString Key READ Key WRITE setKey)
    Q_PROPERTY(QVariant Tag READ Tag WRITE setTag)
    Q_PROPERTY(QPixmap Picture READ Picture)

public:
    ListImage(int index, const QString &key, const QImage &picture, QObject *parent);

    int Index() const { return m_index; }
    QString Key() const { return m_key; }
    void setKey(const QString &key) { m_key = key; }
    QVariant Tag() const { return m_tag; }
    void setTag(const QVariant &tag) { m_tag = tag; }
    QPixmap Picture() const { return QPixmap::fromImage(m_picture); }

    const QImage &image() const { return m_picture; }
    void setIndex(int index) { m_index = index; }

private:
    int m_index;
    QString m_key;
    QVariant m_tag;
    QImage m_picture;  // already at the list's image size
};

class ImageList;

// The images of a list: 1-based positions, optional unique keys.
class ListImages : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Count READ Count)

public:
    explicit ListImages(ImageList *owner);

    int Count() const { return int(m_images.size()); }

    // Appends (Index empty) or inserts at the 1-based Index; the first picture fixes the list's size when unset.
    Q_INVOKABLE QObject *Add(const QVariant &Index, const QString &Key, const QPixmap &Picture);
    // A 1-based position or a key.
    Q_INVOKABLE QObject *Item(const QVariant &IndexOrKey) const;
    Q_INVOKABLE void Remove(const QVariant &IndexOrKey);
    Q_INVOKABLE void Clear();

    ListImage *at(int zeroBased) const;

private:
    int positionOf(const QVariant &indexOrKey) const;  // 0-based; throws when absent
    void renumber();

    ImageList *m_owner;
    QList<ListImage *> m_images;
};

// Pictures of one size that a window hands to the controls it hosts. Other libraries reach it late-bound:
// the properties below, ListImages (Count, Item(i).Tag) and transparentImage(i).
class ImageList : public QObject {
    Q_OBJECT
    Q_PROPERTY(int ImageWidth READ ImageWidth WRITE setImageWidth)
    Q_PROPERTY(int ImageHeight READ ImageHeight WRITE setImageHeight)
    Q_PROPERTY(qint32 MaskColor READ MaskColor WRITE setMaskColor)
    Q_PROPERTY(bool UseMaskColor READ UseMaskColor WRITE setUseMaskColor)
    Q_PROPERTY(QObject *ListImages READ listImagesObject)

public:
    explicit ImageList(QObject *parent = nullptr);

    int ImageWidth() const { return m_width; }
    void setImageWidth(int width);
    int ImageHeight() const { return m_height; }
    void setImageHeight(int height);
    qint32 MaskColor() const { return m_maskColor; }  // 0x00BBGGRR
    void setMaskColor(qint32 color) { m_maskColor = color; }
    bool UseMaskColor() const { return m_useMaskColor; }
    void setUseMaskColor(bool use) { m_useMaskColor = use; }

    hestova::ListImages *listImages() const { return m_listImages; }
    QObject *listImagesObject() const { return m_listImages; }

    // Image `index` (0-based) at the list's size, the mask colour made transparent; a null image for an
    // index outside the list.
    Q_INVOKABLE QImage transparentImage(int index) const;

    // The picture brought to the list's size (used by ListImages::Add).
    QImage fitted(const QImage &picture);

private:
    int m_width = 0;
    int m_height = 0;
    qint32 m_maskColor = 0xC0C0C0;
    bool m_useMaskColor = true;
    hestova::ListImages *m_listImages;
};

}  // namespace hestova
