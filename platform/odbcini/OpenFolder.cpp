#include "odbcini/OpenFolder.h"

#include "core/AppError.h"

#include <QList>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hestova::odbcini {

OpenFolder::OpenFolder(const QByteArray &path, const QString &holder)
    : m_path(path), m_holder(holder), m_shownFolder(QStringLiteral("%1 所在的文件夹 %2").arg(holder, shownPath(path)))
{
    if (!path.startsWith('/'))
        fail(QStringLiteral("%1 不是绝对路径").arg(m_shownFolder));
    QList<QByteArray> names = path.split('/');
    names.removeAll(QByteArray());
    // Folder by folder from the root, each one only when it is no link; only the last one is opened for reading.
    const auto mode = [&](qsizetype at) {
        return (at == names.size() - 1 ? O_RDONLY : O_PATH) | O_DIRECTORY | O_CLOEXEC;
    };
    Descriptor current(::open("/", mode(-1)));  // the root is the last folder of "/"
    if (!current.isOpen())
        fail(QStringLiteral("%1 无法打开：%2").arg(m_shownFolder, systemErrorText(errno)));
    for (qsizetype at = 0; at < names.size(); ++at) {
        const QByteArray &name = names[at];
        Descriptor next(::openat(current.get(), name.constData(), mode(at) | O_NOFOLLOW));
        const int error = errno;
        struct stat status = {};
        if (!next.isOpen() && ::fstatat(current.get(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISLNK(status.st_mode))
            fail(QStringLiteral("%1 的路径在使用时被换成了链接").arg(m_shownFolder));
        if (!next.isOpen())
            fail(QStringLiteral("%1 无法打开：%2").arg(m_shownFolder, systemErrorText(error)));
        current = std::move(next);
    }
    m_descriptor = std::move(current);
}

QString OpenFolder::shown(const QByteArray &name) const
{
    return shownPath(m_path.endsWith('/') ? m_path + name : m_path + '/' + name);
}

QByteArray OpenFolder::reach(const QByteArray &name) const
{
    // Asked for only by writes: a start that only reads needs no /proc.
    if (m_reach.isEmpty())
        m_reach = descriptorPath(m_descriptor.get(), m_shownFolder) + '/';
    return m_reach + name;
}

QByteArray descriptorPath(int descriptor, const QString &file)
{
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(descriptor);
    struct stat named = {};
    struct stat opened = {};
    if (::fstat(descriptor, &opened) != 0)
        fail(QStringLiteral("无法读取%1：%2").arg(file, systemErrorText(errno)));
    if (::stat(path.constData(), &named) != 0)
        fail(QStringLiteral("无法经由 /proc/self/fd 找到%1（%2）：本程序只经由 /proc/self/fd 写入那里的文件，需要挂载 /proc")
                 .arg(file, systemErrorText(errno)));
    if (named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        fail(QStringLiteral("经由 /proc/self/fd 找到的不是%1：本程序只经由 /proc/self/fd 写入那里的文件").arg(file));
    return path;
}

}  // namespace hestova::odbcini
