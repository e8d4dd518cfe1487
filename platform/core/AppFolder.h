#pragma once

#include <QByteArray>
#include <QString>

namespace hestova {

// The application folder: the folder of the executable, or the one a test sets.
namespace AppFolder {

QString path();

// Throws AppError(ErrorNumber::PathNotFound, ...) when the application folder has a path that `path()` cannot
// carry exactly (a name that is no UTF-8: every file found from it would then be missed or another one), one that
// the data source cannot name (a line feed), or one too long for its database file to be opened.
void checkCarried();
void checkCarried(const QByteArray &folder);  // the bytes of a folder's path
void setPath(const QString &folder);  // tests and tools; empty restores the executable's folder

// "\skin\close.bmp" (as the program writes its paths) -> "<appdir>/skin/close.bmp".
QString file(const QString &relativeWindowsPath);

}  // namespace AppFolder

}  // namespace hestova
