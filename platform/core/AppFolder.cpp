#include "core/AppFolder.h"

#include "core/AppError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <climits>

#include <unistd.h>

namespace hestova::AppFolder {

namespace {

// The database file of the folder, which SQLite opens only by a path of at most this many bytes.
constexpr char DatabaseName[] = "/myd.mdb";
constexpr qsizetype MaxDatabasePathBytes = 504;

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
    if (!overridden().isEmpty()) {
        checkCarried(QFile::encodeName(overridden()));
        return;
    }
    char executable[PATH_MAX];
    const ssize_t length = ::readlink("/proc/self/exe", executable, sizeof executable);
    if (length <= 0 || length == ssize_t(sizeof executable))
        return;  // unknown here as to Qt, which finds the folder the same way
    QByteArray folder(executable, length);
    folder.truncate(qMax<qsizetype>(folder.lastIndexOf('/'), 1));
    checkCarried(folder);
}

void checkCarried(const QByteArray &folder)
{
    const auto refuse = [&](const QString &shown, const QString &why, const QString &how) {
        throw AppError(ErrorNumber::PathNotFound,
                       QStringLiteral("本程序所在的文件夹 %1 的路径%2，所以没有注册数据源，也没有打开窗口。请把这个文件夹移到或"
                                      "改名为%3的路径，再启动本程序")
                           .arg(shown, why, how));
    };
    QString shown = QFile::decodeName(folder);
    if (QFile::encodeName(shown) != folder)
        refuse(shown, QStringLiteral("含有不是 UTF-8 编码的字节，本程序无法按原样使用它来找到自己的文件"),
               QStringLiteral("只含 UTF-8 字符"));
    // unixODBC ends a line only at a line feed: a carriage return stays in the database path.
    if (folder.contains('\n'))
        refuse(shown.replace(QLatin1Char('\n'), QLatin1String("\\n")),
               QStringLiteral("含有换行符，数据源的数据库路径无法写成一行"), QStringLiteral("不含换行符"));
    const qsizetype longest = MaxDatabasePathBytes - qsizetype(sizeof DatabaseName - 1);
    if (folder.size() > longest)
        refuse(shown,
               QStringLiteral("有 %1 字节，其中数据库文件 myd.mdb 的路径超过了 SQLite 所能打开的 %2 字节")
                   .arg(folder.size())
                   .arg(MaxDatabasePathBytes),
               QStringLiteral("不超过 %1 字节").arg(longest));
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
