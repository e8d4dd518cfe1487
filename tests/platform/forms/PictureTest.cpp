#include "forms/Picture.h"

#include "IniFiles.h"
#include "TempAppFolder.h"
#include "core/AppError.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <gtest/gtest.h>

using namespace hestova::forms;

namespace {

class Pictures : public ::testing::Test {
protected:
    void SetUp() override { QDir(folder.path()).mkpath(QStringLiteral("skin")); }

    void writeImage(const QString &relative, const char *format, QSize size)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(Qt::blue);
        ASSERT_TRUE(image.save(folder.file(relative), format));
    }
    int errorOf(const QString &path)
    {
        try {
            LoadPicture(path);
        } catch (const hestova::AppError &error) {
            return error.number();
        }
        return 0;
    }

    TempAppFolder folder;
};

TEST_F(Pictures, BitmapsLoadAsPixmapsAndIconsAsIcons)
{
    writeImage(QStringLiteral("skin/Bkground.BMP"), "BMP", QSize(32, 24));
    writeImage(QStringLiteral("skin/computer.ico"), "ICO", QSize(16, 16));
    const QVariant background = LoadPicture(QStringLiteral("\\skin\\Bkground.BMP"));
    ASSERT_EQ(background.typeId(), QMetaType::QPixmap);
    EXPECT_EQ(background.value<QPixmap>().size(), QSize(32, 24));
    const QVariant icon = LoadPicture(QStringLiteral("\\skin\\computer.ico"));
    ASSERT_EQ(icon.typeId(), QMetaType::QIcon);
    EXPECT_TRUE(icon.value<QIcon>().availableSizes().contains(QSize(16, 16)));
    EXPECT_TRUE(LoadPicture(QString()).value<QPixmap>().isNull());  // the empty picture
}

TEST_F(Pictures, AMissingFileIsError53AndAnUnreadableOne481)
{
    EXPECT_EQ(errorOf(QStringLiteral("\\skin\\max.bmp")), 53);
    EXPECT_EQ(errorOf(QStringLiteral("\\skin")), 53);  // a folder is no picture
    EXPECT_EQ(errorOf(QStringLiteral("\\skin\\bkground.bmp")), 53);  // names keep their case
    for (const char *name : {"skin/min.bmp", "skin/Hospital.ico"})
        IniFiles::write(folder.file(QString::fromUtf8(name)), "not a picture");
    EXPECT_EQ(errorOf(QStringLiteral("\\skin\\min.bmp")), InvalidPicture);
    EXPECT_EQ(errorOf(QStringLiteral("\\skin\\Hospital.ico")), InvalidPicture);
}

}  // namespace
