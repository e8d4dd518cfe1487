#include "core/AppFolder.h"

#include <QCoreApplication>
#include <QDir>

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
