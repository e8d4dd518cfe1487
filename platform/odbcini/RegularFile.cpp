#include "odbcini/RegularFile.h"

#include "core/AppError.h"
#include "odbcini/OpenFolder.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace hestova::odbcini::RegularFile {

namespace {

// The system's own limit on the links followed in one path.
constexpr int MaxLinkHops = 40;

[[noreturn]] void fail(const QString &description)
{
    throw AppError(ErrorNumber::DataSource, description);
}

QString kindText(mode_t mode)
{
    if (S_ISDIR(mode))
        return QStringLiteral("文件夹");
    if (S_ISFIFO(mode))
        return QStringLiteral("命名管道");
    if (S_ISCHR(mode))
        return QStringLiteral("字符设备");
    if (S_ISBLK(mode))
        return QStringLiteral("块设备");
    if (S_ISSOCK(mode))
        return QStringLiteral("套接字");
    return QStringLiteral("特殊文件");
}

[[noreturn]] void failNotRegular(const QString &path, const QString &role, mode_t mode)
{
    fail(QStringLiteral("%1 %2 是%3，不是普通文件").arg(role, path, kindText(mode)));
}

[[noreturn]] void failToRead(const QString &path, const QString &role, int error)
{
    fail(QStringLiteral("无法读取%1 %2：%3").arg(role, path, systemErrorText(error)));
}

// The canonical form of an existing folder, or of a whole path that names no file of its own (".", "..", "x/").
QByteArray physical(const QByteArray &path, const QString &named, const QString &role)
{
    char resolved[PATH_MAX];
    if (::realpath(path.constData(), resolved))
        return QByteArray(resolved);
    const int error = errno;
    if (error == ELOOP)
        fail(QStringLiteral("%1 %2 的链接形成循环：%3").arg(role, named, systemErrorText(error)));
    fail(QStringLiteral("%1 %2 所在的文件夹 %3 无法打开：%4")
             .arg(role, named, QFile::decodeName(path), systemErrorText(error)));
}

QByteArray linkTarget(const QByteArray &link, const QString &role)
{
    QByteArray target(PATH_MAX, '\0');
    const ssize_t length = ::readlink(link.constData(), target.data(), static_cast<size_t>(target.size()));
    if (length < 0)
        failToRead(QFile::decodeName(link), role, errno);
    target.truncate(length);
    return target;
}

// Reads the file that `open` opens (or returns -1 for, with errno set), without blocking should it have become a
// pipe since it was looked at; nullopt when it does not exist. `inFolder`: opened in its folder without following
// a link, and read with its attributes.
template <typename Open>
std::optional<Contents> readOpened(const QString &path, const QString &role, Open open, bool inFolder)
{
    const int file = open();
    if (file < 0) {
        const int error = errno;
        if (error == ENOENT)
            return std::nullopt;
        if (error == ELOOP && inFolder)
            fail(QStringLiteral("%1 %2 在使用时被换成了链接").arg(role, path));
        failToRead(path, role, error);
    }
    Contents contents;
    try {
        if (::fstat(file, &contents.status) != 0)
            failToRead(path, role, errno);
        if (!S_ISREG(contents.status.st_mode))
            failNotRegular(path, role, contents.status.st_mode);
        char buffer[65536];
        for (;;) {
            const ssize_t got = ::read(file, buffer, sizeof buffer);
            if (got == 0)
                break;
            if (got < 0 && errno != EINTR)
                failToRead(path, role, errno);
            if (got > 0)
                contents.bytes.append(buffer, got);
        }
        if (inFolder)
            contents.attributes = ExtendedAttributes::of(file, path);
    } catch (...) {
        ::close(file);
        throw;
    }
    ::close(file);
    return contents;
}

}  // namespace

QString behindLinks(const QString &path, const QString &role)
{
    QByteArray current = QFile::encodeName(path);
    for (int hop = 0; hop <= MaxLinkHops; ++hop) {
        const qsizetype slash = current.lastIndexOf('/');
        const QByteArray name = current.mid(slash + 1);
        if (name.isEmpty() || name == "." || name == "..")
            return QFile::decodeName(physical(current, path, role));
        QByteArray folder = slash < 0 ? QByteArray(".") : slash == 0 ? QByteArray("/") : current.left(slash);
        folder = physical(folder, path, role);
        const QByteArray candidate = (folder == "/" ? folder : folder + '/') + name;
        struct stat status = {};
        if (::lstat(candidate.constData(), &status) != 0) {
            if (errno == ENOENT)
                return QFile::decodeName(candidate);
            failToRead(QFile::decodeName(candidate), role, errno);
        }
        if (!S_ISLNK(status.st_mode))
            return QFile::decodeName(candidate);
        const QByteArray target = linkTarget(candidate, role);
        current = target.startsWith('/') ? target : folder + '/' + target;
    }
    fail(QStringLiteral("%1 %2 的链接形成循环：%3").arg(role, path, systemErrorText(ELOOP)));
}

void checkKind(const QString &path, const QString &role, const QString &shown)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno == ENOENT)
            return;
        failToRead(shown.isEmpty() ? path : shown, role, errno);
    }
    if (!S_ISREG(status.st_mode))
        failNotRegular(shown.isEmpty() ? path : shown, role, status.st_mode);
}

std::optional<QByteArray> read(const QString &path, const QString &role)
{
    checkKind(path, role);
    const QByteArray name = QFile::encodeName(path);
    const std::optional<Contents> contents = readOpened(
        path, role, [&] { return ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC); }, false);
    return contents ? std::optional<QByteArray>(contents->bytes) : std::nullopt;
}

std::optional<Contents> readIn(const OpenFolder &folder, const QByteArray &name, const QString &role)
{
    const QString path = folder.shown(name);
    struct stat status = {};
    // A link is refused when it is opened.
    if (::fstatat(folder.descriptor(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        !S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode))
        failNotRegular(path, role, status.st_mode);
    return readOpened(
        path, role,
        [&] { return ::openat(folder.descriptor(), name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC); },
        true);
}

}  // namespace hestova::odbcini::RegularFile
