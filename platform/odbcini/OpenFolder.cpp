#include "odbcini/OpenFolder.h"

#include "core/AppError.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hestova::odbcini {

namespace {

[[noreturn]] void fail(const QString &description)
{
    throw AppError(ErrorNumber::DataSource, description);
}

}  // namespace

OpenFolder::OpenFolder(const QString &path) : m_path(path)
{
    if (!path.startsWith(QLatin1Char('/')))
        fail(QStringLiteral("文件夹 %1 不是绝对路径").arg(path));
    QList<QByteArray> names = QFile::encodeName(path).split('/');
    names.removeAll(QByteArray());
    // Folder by folder from the root, each one only when it is no link; only the last one is opened for reading.
    const auto mode = [&](qsizetype at) {
        return (at == names.size() - 1 ? O_RDONLY : O_PATH) | O_DIRECTORY | O_CLOEXEC;
    };
    int current = ::open("/", mode(-1));  // the root is the last folder of "/"
    if (current < 0)
        fail(QStringLiteral("无法打开文件夹 %1：%2").arg(path, systemErrorText(errno)));
    for (qsizetype at = 0; at < names.size(); ++at) {
        const QByteArray &name = names[at];
        const int next = ::openat(current, name.constData(), mode(at) | O_NOFOLLOW);
        const int error = errno;
        struct stat status = {};
        const bool link = next < 0 && ::fstatat(current, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
                          S_ISLNK(status.st_mode);
        ::close(current);
        if (link)
            fail(QStringLiteral("文件夹 %1 的路径在使用时被换成了链接").arg(path));
        if (next < 0)
            fail(QStringLiteral("无法打开文件夹 %1：%2").arg(path, systemErrorText(error)));
        current = next;
    }
    m_descriptor = current;
    try {
        m_reach = descriptorPath(m_descriptor, path) + '/';
    } catch (...) {
        ::close(m_descriptor);
        throw;
    }
}

OpenFolder::~OpenFolder()
{
    ::close(m_descriptor);
}

QString OpenFolder::shown(const QByteArray &name) const
{
    return (m_path.endsWith(QLatin1Char('/')) ? m_path : m_path + QLatin1Char('/')) + QFile::decodeName(name);
}

QByteArray OpenFolder::reach(const QByteArray &name) const
{
    return m_reach + name;
}

QByteArray descriptorPath(int descriptor, const QString &file)
{
    const QByteArray path = "/proc/self/fd/" + QByteArray::number(descriptor);
    struct stat named = {};
    struct stat opened = {};
    if (::fstat(descriptor, &opened) != 0)
        fail(QStringLiteral("无法读取 %1：%2").arg(file, systemErrorText(errno)));
    if (::stat(path.constData(), &named) != 0)
        fail(QStringLiteral("无法经由 %1 找到 %2（%3）：本程序只经由 /proc/self/fd 写入那里的文件，需要挂载 /proc")
                 .arg(QFile::decodeName(path), file, systemErrorText(errno)));
    if (named.st_dev != opened.st_dev || named.st_ino != opened.st_ino)
        fail(QStringLiteral("%1 没有通向 %2：本程序只经由 /proc/self/fd 写入那里的文件").arg(QFile::decodeName(path), file));
    return path;
}

}  // namespace hestova::odbcini
