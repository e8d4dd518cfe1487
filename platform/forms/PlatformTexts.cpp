#include "forms/PlatformTexts.h"

#include "core/AppError.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace hestova::forms {

void installPlatformTranslations()
{
    static QTranslator translator;
    if (!translator.isEmpty())
        return;
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator.load(QStringLiteral("qtbase_zh_CN"), folder))
        throw AppError(ErrorNumber::FileMissing,
                       QStringLiteral("文件未找到：%1").arg(QDir(folder).filePath(QStringLiteral("qtbase_zh_CN.qm"))));
    QCoreApplication::installTranslator(&translator);
}

}  // namespace hestova::forms
