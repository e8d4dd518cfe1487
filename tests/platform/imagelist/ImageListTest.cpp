#include "imagelist/ImageList.h"

#include "core/AppError.h"

#include <QColor>
#include <QPainter>
#include <gtest/gtest.h>

using hestova::AppError;
using hestova::ImageList;
using hestova::ListImage;

namespace {

QPixmap framed(const QSize &size, const QColor &inner)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0xC0, 0xC0, 0xC0));
    QPainter painter(&image);
    painter.fillRect(QRect(QPoint(1, 1), size - QSize(2, 2)), inner);
    painter.end();
    return QPixmap::fromImage(image);
}

ListImage *add(ImageList &list, const QString &key, const QPixmap &picture, const QVariant &index = {})
{
    return static_cast<ListImage *>(list.listImages()->Add(index, key, picture));
}

}  // namespace

TEST(ImageList, MaskColourBecomesTransparent)
{
    ImageList list;
    list.setMaskColor(0xC0C0C0);
    add(list, QString(), framed(QSize(16, 16), Qt::red));
    const QImage image = list.transparentImage(0);
    ASSERT_EQ(image.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
    EXPECT_EQ(QColor(image.pixel(8, 8)), QColor(Qt::red));
    list.setUseMaskColor(false);
    EXPECT_EQ(qAlpha(list.transparentImage(0).pixel(0, 0)), 255);
    EXPECT_TRUE(list.transparentImage(1).isNull());
    EXPECT_TRUE(list.transparentImage(-1).isNull());
}

TEST(ImageList, FirstPictureFixesTheSizeAndLaterOnesAreFitted)
{
    ImageList list;
    add(list, QString(), framed(QSize(16, 16), Qt::red));
    add(list, QString(), framed(QSize(32, 32), Qt::blue));
    EXPECT_EQ(list.ImageWidth(), 16);
    EXPECT_EQ(list.transparentImage(1).size(), QSize(16, 16));
    EXPECT_THROW(list.setImageWidth(32), AppError);
}

TEST(ImageList, PositionsKeysAndTagsByMemberName)
{
    ImageList list;
    add(list, QStringLiteral("b"), framed(QSize(16, 16), Qt::blue));
    add(list, QStringLiteral("a"), framed(QSize(16, 16), Qt::red), 1);  // inserted first
    QObject *images = list.property("ListImages").value<QObject *>();
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(images->property("Count").toInt(), 2);
    QObject *first = nullptr;
    QMetaObject::invokeMethod(images, "Item", Q_RETURN_ARG(QObject *, first), Q_ARG(QVariant, QVariant(1)));
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->property("Key").toString(), QStringLiteral("a"));
    EXPECT_TRUE(first->setProperty("Tag", QStringLiteral("病人满意度调查")));
    EXPECT_EQ(list.listImages()->at(0)->Tag().toString(), QStringLiteral("病人满意度调查"));
    EXPECT_EQ(static_cast<ListImage *>(list.listImages()->Item(QStringLiteral("B")))->Index(), 2);

    try {
        add(list, QStringLiteral("A"), framed(QSize(16, 16), Qt::green));
        FAIL() << "a key in use was accepted";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), 35602);
    }
    EXPECT_THROW(list.listImages()->Item(3), AppError);
    EXPECT_THROW(list.listImages()->Item(QStringLiteral("zz")), AppError);
    list.listImages()->Remove(1);
    EXPECT_EQ(list.listImages()->Count(), 1);
    EXPECT_EQ(list.listImages()->at(0)->Index(), 1);
}
