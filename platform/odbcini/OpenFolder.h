#pragma once

#include <QByteArray>
#include <QString>

namespace hestova::odbcini {

// A folder opened once, so that the files read, made, renamed and removed in it stay in it whatever is done
// meanwhile to the names on its path. It is opened without following links: its path must be physical (as
// RegularFile::behindLinks gives it), so a link on the way means that the path was changed since. Failures throw
// AppError(ErrorNumber::DataSource, ...).
class OpenFolder {
public:
    explicit OpenFolder(const QString &path);
    ~OpenFolder();
    OpenFolder(const OpenFolder &) = delete;
    OpenFolder &operator=(const OpenFolder &) = delete;

    int descriptor() const { return m_descriptor; }

    // The path of the file `name` in the folder, for messages.
    QString shown(const QByteArray &name) const;

    // A path that leads to the file `name` in this folder and in no other, for code that takes only paths.
    QByteArray reach(const QByteArray &name) const;

private:
    QString m_path;
    int m_descriptor = -1;
    QByteArray m_reach;
};

// "/proc/self/fd/N", a path that leads to the file open as `descriptor` (called `file` in messages), whatever has
// become of its names. Throws when the system offers no such path (no /proc): the file's own name could lead
// elsewhere by then.
QByteArray descriptorPath(int descriptor, const QString &file);

}  // namespace hestova::odbcini
