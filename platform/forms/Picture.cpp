#include "forms/Picture.h"

#include "core/AppError.h"
#include "core/AppFolder.h"

#include <QFileInfo>
#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace hestova::forms {

QVariant LoadPicture(const QString &windowsStylePath)
{
    if (windowsStylePath.isEmpty())
        return QVariant::fromValue(QPixmap());

    const QString file = hestova::AppFolder::file(windowsStylePath);
    if (!QFileInfo(file).isFile())
        throw hestova::AppError(hestova::ErrorNumber::FileMissing,
                                QStringLiteral("文件未找到：%1").arg(windowsStylePath));

    const auto invalid = [&windowsStylePath] {
        return hestova::AppError(InvalidPicture, QStringLiteral("无效图片：%1").arg(windowsStylePath));
    };

    if (file.endsWith(QStringLiteral(".ico"), Qt::CaseInsensitive)) {
        // QIcon reads lazily; check that the file holds at least one readable image first.
        QImageReader reader(file, "ico");
        if (!reader.canRead() || reader.imageCount() < 1)
            throw invalid();
        const QIcon icon(file);
        if (icon.isNull() || icon.availableSizes().isEmpty())
            throw invalid();
        return QVariant::fromValue(icon);
    }

    QPixmap pixmap;
    if (!pixmap.load(file))
        throw invalid();
    return QVariant::fromValue(pixmap);
}

}  // namespace hestova::forms
