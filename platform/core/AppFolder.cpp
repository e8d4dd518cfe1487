#include "core/AppFolder.h"

#include "core/AppError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <climits>

#include <unistd.h>

namespace hestova::AppFolder {

namespace {
QString &overridden()
{
    static QString folder;
    return folder;
}
}  // namespace

QString path()
{
    if (!overridden().isEmpty())
        return overridden();
    return QCoreApplication::applicationDirPath();
}

void checkCarried()
{
    if (!overridden().isEmpty())
        return;
    char executable[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable);
    if (length <= 0 || length == ssize_t(sizeof executable))
        return;  // unknown here as to Qt, which finds the folder the same way
    QByteArray folder(executable, length);
    folder.truncate(qMax<qsizetype>(folder.lastIndexOf('/'), 1));
    if (QFile::encodeName(QFile::decodeName(folder)) != folder)
        throw AppError(ErrorNumber::PathNotFound,
                       QStringLiteral("本程序所在的文件夹 %1 的路径含有不是 UTF-8 编码的字节，本程序无法按原样使用它来找到"
                                      "自己的文件，所以没有注册数据源，也没有打开窗口。请把这个文件夹移到或改名为只含 UTF-8 "
                                      "字符的路径，再启动本程序")
                           .arg(QFile::decodeName(folder)));
}

void setPath(const QString &folder)
{
    overridden() = folder.isEmpty() ? QString() : QDir::cleanPath(folder);
}

QString file(const QString &relativeWindowsPath)
{
    QString relative = relativeWindowsPath;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (relative.startsWith(QLatin1Char('/')))
        relative.remove(0, 1);
    return QDir::cleanPath(path() + QLatin1Char('/') + relative);
}

}  // namespace hestova::AppFolder
