#pragma once

#include "odbcini/FileIo.h"

#include <QByteArray>
#include <QString>

namespace hestova::odbcini {

// A folder opened once, so that the files read, made, renamed and removed in it stay in it whatever is done
// meanwhile to the names on its path. It is opened one level at a time without following links: its path must be
// physical (as RegularFile::behindLinks gives it), so a link on the way means that the path was changed since.
// Failures throw AppError(ErrorNumber::DataSource, ...), naming the folder as the folder of `holder` (a role and a
// path, "用户数据源文件 /home/a/.odbc.ini").
class OpenFolder {
public:
    OpenFolder(const QByteArray &path, const QString &holder);

    int descriptor() const { return m_descriptor.get(); }

    // The role and path of the file it was opened for.
    const QString &holder() const { return m_holder; }

    // The path of the file `name` in the folder, for messages.
    QString shown(const QByteArray &name) const;

    // A path that leads to the file `name` in this folder and in no other, for code that takes only paths.
    QByteArray reach(const QByteArray &name) const;

private:
    QByteArray m_path;
    QString m_holder;
    QString m_shownFolder;  // "<holder> 所在的文件夹 <path>"
    Descriptor m_descriptor;
    mutable QByteArray m_reach;
};

// "/proc/self/fd/N", a path that leads to the file open as `descriptor` (called `file` in messages), whatever has
// become of its names. Throws when the system offers no such path (no /proc): the file's own name could lead
// elsewhere by then.
QByteArray descriptorPath(int descriptor, const QString &file);

}  // namespace hestova::odbcini
