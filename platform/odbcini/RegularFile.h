#pragma once

#include "odbcini/ExtendedAttributes.h"

#include <QByteArray>
#include <QString>

#include <optional>

#include <sys/stat.h>

namespace hestova::odbcini {
class OpenFolder;
}

namespace hestova::odbcini::RegularFile {

// The descriptions below name a file by its role ("用户数据源文件") and path. Failures throw
// AppError(ErrorNumber::DataSource, ...) with the system's reason.

// The file that `path` leads to as the system resolves it: each folder on the way is taken physically (".." after
// a link climbs from the link's target), and a relative link target is taken from the physical folder that holds
// the link. The file itself need not exist; the folder that would hold it must.
QString behindLinks(const QString &path, const QString &role);

// Throws unless `path` is missing or a regular file. Looks without opening it. `shown` names it in messages when
// given.
void checkKind(const QString &path, const QString &role, const QString &shown = QString());

// The whole content of the regular file `path`; nullopt when it does not exist. Throws for anything but a regular
// file, which is never opened (a named pipe would block the read, a device never end it).
std::optional<QByteArray> read(const QString &path, const QString &role);

// A regular file as read: its content, status and extended attributes, all of one file.
struct Contents {
    QByteArray bytes;
    struct stat status = {};
    ExtendedAttributes attributes;
};

// As read(), for the file `name` in `folder`, which is refused as well when it is a link.
std::optional<Contents> readIn(const OpenFolder &folder, const QByteArray &name, const QString &role);

}  // namespace hestova::odbcini::RegularFile
