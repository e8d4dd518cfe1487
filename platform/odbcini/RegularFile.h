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

// The physical path of the file that `path` leads to as the system resolves it: each folder on the way is taken
// physically (".." after a link climbs from the link's target), and a relative link target is taken from the
// physical folder that holds the link. Resolved one level at a time, so that no length limit of whole paths
// applies. The file itself need not exist; the folder that would hold it must. A path that names a folder by its
// form ("x/", "x/..") is refused.
QByteArray behindLinks(const QByteArray &path, const QString &role);

// Throws unless the file `name` of `folder` is missing or, through its links, a regular file. Looks without
// opening it.
void checkKind(const OpenFolder &folder, const QByteArray &name, const QString &role);

// A regular file as read: its content, status and, when asked for, extended attributes, all of one file and one
// moment (no change between the first read and the last).
struct Contents {
    QByteArray bytes;
    struct stat status = {};
    ExtendedAttributes attributes;
};

enum class Attributes { Skipped, Read };

// The whole content of the regular file `name` of `folder`; nullopt when it does not exist. Throws for a link and
// for anything but a regular file, which is never opened (a named pipe would block the read, a device never end it),
// and for one that keeps changing while it is read.
std::optional<Contents> readIn(const OpenFolder &folder, const QByteArray &name, const QString &role,
                               Attributes attributes);

// Whether two statuses are of one file (device and inode).
bool isSameFile(const struct stat &one, const struct stat &other);
// Whether a file's status `now` is that of the same file, unchanged since it was `read` (content, mode, owner and
// attributes: any change moves the change time).
bool isSameState(const struct stat &read, const struct stat &now);
// The same, but for the change time, which a rename moves: the same file with the same mode, owner, group, size and
// modification time. Attributes are compared apart.
bool isSameStateButChangeTime(const struct stat &read, const struct stat &now);

}  // namespace hestova::odbcini::RegularFile
