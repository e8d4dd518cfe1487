#include "db/RegularFile.h"

#include "core/AppError.h"

#include <QFile>

#include <cerrno>
#include <climits>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace hestova::db::RegularFile {

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

void checkKind(const QString &path, const QString &role)
{
    struct stat status = {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        if (errno == ENOENT)
            return;
        failToRead(path, role, errno);
    }
    if (!S_ISREG(status.st_mode))
        failNotRegular(path, role, status.st_mode);
}

std::optional<QByteArray> read(const QString &path, const QString &role, struct stat *status)
{
    checkKind(path, role);
    // Without blocking, should the file have become a pipe since.
    const int file = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (file < 0) {
        if (errno == ENOENT)
            return std::nullopt;
        failToRead(path, role, errno);
    }
    struct stat opened = {};
    if (::fstat(file, &opened) != 0) {
        const int error = errno;
        ::close(file);
        failToRead(path, role, error);
    }
    if (!S_ISREG(opened.st_mode)) {
        ::close(file);
        failNotRegular(path, role, opened.st_mode);
    }
    QByteArray content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(file, buffer, sizeof buffer);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            ::close(file);
            failToRead(path, role, error);
        }
        content.append(buffer, got);
    }
    ::close(file);
    if (status)
        *status = opened;
    return content;
}

}  // namespace hestova::db::RegularFile
