#include "odbcini/RegularFile.h"

#include "core/AppError.h"
#include "odbcini/OpenFolder.h"

#include <cerrno>
#include <cstdlib>
#include <memory>

#include <fcntl.h>
#include <unistd.h>

namespace hestova::odbcini::RegularFile {

namespace {

// The system's own limit on the links followed in one path.
constexpr int MaxLinkHops = 40;
// Reads of a file that keeps changing while it is read end after this many tries.
constexpr int MaxStateReads = 5;

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

QByteArray joined(const QList<QByteArray> &names)
{
    QByteArray path;
    for (const QByteArray &name : names)
        path += '/' + name;
    return path.isEmpty() ? QByteArray("/") : path;
}

// The names of a path, without empty ones and ".".
QList<QByteArray> namesOf(const QByteArray &path)
{
    QList<QByteArray> names = path.split('/');
    names.removeIf([](const QByteArray &name) { return name.isEmpty() || name == "."; });
    return names;
}

// The target of the link `name` in `folder`, of any length the system allows.
QByteArray linkTarget(int folder, const QByteArray &name, const QString &shown, const QString &role)
{
    for (QByteArray target(256, '\0');; target.resize(target.size() * 2)) {
        const ssize_t length = ::readlinkat(folder, name.constData(), target.data(), size_t(target.size()));
        if (length < 0)
            failToRead(shown, role, errno);
        if (length < target.size())
            return target.left(length);
    }
}

}  // namespace

QByteArray behindLinks(const QByteArray &path, const QString &role)
{
    const QString shown = shownPath(path);
    QByteArray absolute = path;
    if (!path.startsWith('/')) {
        const std::unique_ptr<char, decltype(&std::free)> current(::getcwd(nullptr, 0), &std::free);
        if (!current)
            fail(QStringLiteral("%1 %2 是相对路径，而当前文件夹无法确定：%3").arg(role, shown, systemErrorText(errno)));
        absolute = QByteArray(current.get()) + '/' + path;
    }
    // A path that ends in a folder's own name names that folder.
    const bool namesFolder = path.endsWith('/') || path.endsWith("/.") || path.endsWith("/..") || path == "." ||
                             path == "..";
    const auto openRoot = [&] {
        Descriptor root(::open("/", O_PATH | O_DIRECTORY | O_CLOEXEC));
        if (!root.isOpen())
            fail(QStringLiteral("%1 %2 所在的文件夹 / 无法打开：%3").arg(role, shown, systemErrorText(errno)));
        return root;
    };

    // The folder reached so far, open and by its physical names; the names still to take.
    Descriptor folder = openRoot();
    QList<QByteArray> physical;
    QList<QByteArray> pending = namesOf(absolute);
    int hops = 0;
    while (!pending.isEmpty()) {
        const QByteArray name = pending.takeFirst();
        const bool last = pending.isEmpty() && !namesFolder;
        const QByteArray here = joined(physical + QList<QByteArray>{name});
        if (name != "..") {
            struct stat status = {};
            if (::fstatat(folder.get(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) != 0) {
                const int error = errno;
                if (error == ENOENT && last)
                    return here;
                // Refused access is the searched folder's; other failures are the name's.
                const QByteArray failed = error == EACCES ? joined(physical) : here;
                fail(QStringLiteral("%1 %2 所在的文件夹 %3 无法打开：%4")
                         .arg(role, shown, shownPath(failed), systemErrorText(error)));
            }
            if (S_ISLNK(status.st_mode)) {
                if (++hops > MaxLinkHops)
                    fail(QStringLiteral("%1 %2 的链接形成循环：%3").arg(role, shown, systemErrorText(ELOOP)));
                const QByteArray target = linkTarget(folder.get(), name, shownPath(here), role);
                if (target.startsWith('/')) {
                    folder = openRoot();
                    physical.clear();
                }
                pending = namesOf(target) + pending;
                continue;
            }
            if (last)
                return here;
        }
        Descriptor next(::openat(folder.get(), name.constData(), O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (!next.isOpen()) {
            const int error = errno;
            fail(QStringLiteral("%1 %2 所在的文件夹 %3 无法打开：%4")
                     .arg(role, shown, shownPath(here), systemErrorText(error)));
        }
        folder = std::move(next);
        if (name != "..")
            physical.append(name);
        else if (!physical.isEmpty())
            physical.removeLast();
    }
    failNotRegular(shown, role, S_IFDIR);
}

void checkKind(const OpenFolder &folder, const QByteArray &name, const QString &role)
{
    struct stat status = {};
    if (::fstatat(folder.descriptor(), name.constData(), &status, 0) != 0) {
        const int error = errno;
        if (error == ENOENT)
            return;
        failToRead(folder.shown(name), role, error);
    }
    if (!S_ISREG(status.st_mode))
        failNotRegular(folder.shown(name), role, status.st_mode);
}

std::optional<Contents> readIn(const OpenFolder &folder, const QByteArray &name, const QString &role,
                               Attributes attributes)
{
    const QString path = folder.shown(name);
    struct stat status = {};
    // A link is refused when it is opened.
    if (::fstatat(folder.descriptor(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
        !S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode))
        failNotRegular(path, role, status.st_mode);
    // Not blocking should it have become a pipe since.
    const Descriptor file(::openat(folder.descriptor(), name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    if (!file.isOpen()) {
        const int error = errno;
        if (error == ENOENT)
            return std::nullopt;
        if (error == ELOOP)
            fail(QStringLiteral("%1 %2 在使用时被换成了链接").arg(role, path));
        failToRead(path, role, error);
    }
    // Content, mode, owner and attributes are one state: read again when the file changed while they were read
    // (a mode read before the owner removed an ACL would otherwise widen the group's rights).
    for (int tried = 0; tried < MaxStateReads; ++tried) {
        Contents contents;
        if (::fstat(file.get(), &contents.status) != 0)
            failToRead(path, role, errno);
        if (!S_ISREG(contents.status.st_mode))
            failNotRegular(path, role, contents.status.st_mode);
        const std::optional<QByteArray> bytes = readWhole(file.get());
        if (!bytes)
            failToRead(path, role, errno);
        contents.bytes = *bytes;
        if (attributes == Attributes::Read)
            contents.attributes = ExtendedAttributes::of(file.get(), path);
        struct stat after = {};
        if (::fstat(file.get(), &after) != 0)
            failToRead(path, role, errno);
        if (isSameState(contents.status, after))
            return contents;
    }
    fail(QStringLiteral("无法读取%1 %2：它在读取时一再被修改").arg(role, path));
}

bool isSameFile(const struct stat &one, const struct stat &other)
{
    return one.st_dev == other.st_dev && one.st_ino == other.st_ino;
}

bool isSameState(const struct stat &read, const struct stat &now)
{
    return isSameStateButChangeTime(read, now) && read.st_ctim.tv_sec == now.st_ctim.tv_sec &&
           read.st_ctim.tv_nsec == now.st_ctim.tv_nsec;
}

bool isSameStateButChangeTime(const struct stat &read, const struct stat &now)
{
    return isSameFile(read, now) && read.st_mode == now.st_mode && read.st_uid == now.st_uid &&
           read.st_gid == now.st_gid && read.st_size == now.st_size &&
           read.st_mtim.tv_sec == now.st_mtim.tv_sec && read.st_mtim.tv_nsec == now.st_mtim.tv_nsec;
}

}  // namespace hestova::odbcini::RegularFile
