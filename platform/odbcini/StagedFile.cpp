#include "odbcini/StagedFile.h"

#include "core/AppError.h"
#include "odbcini/Interleave.h"
#include "odbcini/OpenFolder.h"

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hestova::odbcini {

namespace {

// Copies are named <file><StagedMark> and six characters that mkstemp chose.
constexpr char StagedMark[] = ".hestova-staged-";
constexpr qsizetype StagedUniqueChars = 6;
// A file of another that a message names as kept leaves the copy's name for <file><KeptMark> and the same six
// characters, which no later start takes for a leftover; -2, -3 ... follow should that name be taken.
constexpr char KeptMark[] = ".hestova-kept-";
constexpr int MaxKeptNames = 100;

QString userName(uid_t user)
{
    const passwd *entry = ::getpwuid(user);
    return entry && entry->pw_name ? QString::fromLocal8Bit(entry->pw_name) : QString::number(user);
}

QString groupName(gid_t group)
{
    const ::group *entry = ::getgrgid(group);
    return entry && entry->gr_name ? QString::fromLocal8Bit(entry->gr_name) : QString::number(group);
}

// Writes all of `data` at `offset`; false with errno set when that fails.
bool writeAll(int file, const char *data, qint64 size, qint64 offset)
{
    for (qint64 written = 0; written < size;) {
        const ssize_t now = ::pwrite(file, data + written, static_cast<size_t>(size - written), offset + written);
        if (now < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        written += now;
    }
    return true;
}

bool isStagedCopyName(const QByteArray &name, const QByteArray &prefix)
{
    if (name.size() != prefix.size() + StagedUniqueChars || !name.startsWith(prefix))
        return false;
    for (const char c : name.mid(prefix.size())) {
        if (!std::isalnum(static_cast<unsigned char>(c)))
            return false;
    }
    return true;
}

}  // namespace

StagedFile::StagedFile(const OpenFolder &folder, const QByteArray &target, const RegularFile::Contents &original)
    : m_folder(folder), m_target(target), m_shownTarget(folder.shown(target)), m_status(original.status),
      m_content(original.bytes), m_attributes(original.attributes)
{
    QByteArray staged = folder.reach(target + StagedMark + QByteArray(StagedUniqueChars, 'X'));
    m_descriptor = Descriptor(::mkostemp(staged.data(), O_CLOEXEC));
    if (!m_descriptor.isOpen())
        fail(QStringLiteral("无法在 %1 旁边创建临时文件：%2").arg(m_shownTarget, systemErrorText(errno)));
    m_name = staged.mid(staged.lastIndexOf('/') + 1);
    try {
        m_reach = descriptorPath(m_descriptor.get(), QStringLiteral("%1 的新副本").arg(folder.holder()));
        if (!writeAll(m_descriptor.get(), original.bytes.constData(), original.bytes.size(), 0))
            fail(QStringLiteral("无法写入 %1 的新副本：%2").arg(m_shownTarget, systemErrorText(errno)));
    } catch (...) {
        clearName();
        throw;
    }
}

StagedFile::~StagedFile()
{
    clearName();  // the copy, when it was not committed; another's file is kept, and a failure is being reported
}

QString StagedFile::clearName()
{
    if (m_name.isEmpty())
        return QString();
    const int folder = m_folder.descriptor();
    struct stat named = {};
    struct stat copy = {};
    if (::fstatat(folder, m_name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0) {
        m_name.clear();
        return QString();  // nothing is left under it
    }
    const bool isCopy = ::fstat(m_descriptor.get(), &copy) == 0 && RegularFile::isSameFile(named, copy);
    if (!isCopy && !RegularFile::isSameFile(named, m_status) && !S_ISLNK(named.st_mode))
        return keep();
    // A copy that cannot be removed is harmless: no later copy takes its name.
    ::unlinkat(folder, std::exchange(m_name, QByteArray()).constData(), 0);
    return QString();
}

QString StagedFile::keep()
{
    const QByteArray name = std::exchange(m_name, QByteArray());
    const QByteArray unique = name.right(StagedUniqueChars);
    const int folder = m_folder.descriptor();
    for (int tried = 1; tried <= MaxKeptNames; ++tried) {
        const QByteArray kept =
            m_target + KeptMark + unique + (tried > 1 ? '-' + QByteArray::number(tried) : QByteArray());
        if (::renameat2(folder, name.constData(), folder, kept.constData(), RENAME_NOREPLACE) == 0)
            return m_folder.shown(kept);
        if (errno != EEXIST)
            break;
    }
    // Where it cannot move (a file system that cannot rename without replacing), it stays under the copy's name.
    return m_folder.shown(name);
}

QByteArray StagedFile::content() const
{
    const std::optional<QByteArray> content = readWhole(m_descriptor.get());
    if (!content)
        fail(QStringLiteral("无法读取 %1 的新副本：%2").arg(m_shownTarget, systemErrorText(errno)));
    return *content;
}

QString StagedFile::writeFailure(qint64 size)
{
    const QByteArray zeros(65536, '\0');
    for (qint64 offset = 0; offset < size; offset += zeros.size()) {
        if (!writeAll(m_descriptor.get(), zeros.constData(), qMin<qint64>(zeros.size(), size - offset), offset))
            return systemErrorText(errno);
    }
    return ::fsync(m_descriptor.get()) == 0 ? QString() : systemErrorText(errno);
}

void StagedFile::commit()
{
    const uid_t owner = m_status.st_uid;
    const gid_t group = m_status.st_gid;
    const mode_t mode = m_status.st_mode & 07777;
    struct stat copy = {};
    if (::fstat(m_descriptor.get(), &copy) != 0)
        fail(QStringLiteral("无法读取 %1 的新副本：%2").arg(m_shownTarget, systemErrorText(errno)));
    // Owner and group first: changing them may clear the set-id bits of the mode. The copy was made 0600.
    if ((copy.st_uid != owner || copy.st_gid != group) && ::fchown(m_descriptor.get(), owner, group) != 0) {
        const int error = errno;
        fail(QStringLiteral("%1 属于用户 %2、组 %3，本程序无法保持它的所有者和组（%4），所以没有修改它")
                 .arg(m_shownTarget, userName(owner), groupName(group), systemErrorText(error)));
    }
    // The group bits are the mask of an ACL (the file's, or one the copy inherited from its folder): none until the
    // attributes are the file's, so that nobody reaches the copy who cannot reach the file.
    const auto setMode = [&](mode_t bits) {
        if (::fchmod(m_descriptor.get(), bits) != 0)
            fail(QStringLiteral("无法设置 %1 的新副本的权限：%2").arg(m_shownTarget, systemErrorText(errno)));
    };
    setMode(mode & ~S_IRWXG);
    m_attributes.giveTo(m_descriptor.get(), m_shownTarget);
    setMode(mode);
    if (::fstat(m_descriptor.get(), &copy) != 0)
        fail(QStringLiteral("无法读取 %1 的新副本：%2").arg(m_shownTarget, systemErrorText(errno)));
    if (copy.st_uid != owner || copy.st_gid != group || (copy.st_mode & 07777) != mode)
        fail(QStringLiteral("%1 的新副本没有保持它的所有者、组和权限（%2 而不是 %3），所以没有修改它")
                 .arg(m_shownTarget, QString::number(copy.st_mode & 07777, 8), QString::number(mode, 8)));
    // On disk before it replaces the file, so that a crash leaves the old file or the whole new one.
    if (::fsync(m_descriptor.get()) != 0)
        fail(QStringLiteral("无法把 %1 的新副本写到磁盘：%2").arg(m_shownTarget, systemErrorText(errno)));

    interleave(Moment::BeforeReplacing);
    if (!isNamed(m_name, copy))
        failSwapped(clearName());
    checkTargetUnchanged();
    interleave(Moment::Exchanging);
    replace(copy);
    // The rename is on disk only once the folder is; a file system that cannot flush folders says EINVAL.
    if (::fsync(m_folder.descriptor()) != 0 && errno != EINVAL)
        fail(QStringLiteral("%1 已经替换，但无法把它的文件夹写到磁盘：%2").arg(m_shownTarget, systemErrorText(errno)));
}

bool StagedFile::isNamed(const QByteArray &name, const struct stat &file) const
{
    struct stat named = {};
    return ::fstatat(m_folder.descriptor(), name.constData(), &named, AT_SYMLINK_NOFOLLOW) == 0 &&
           RegularFile::isSameFile(named, file);
}

void StagedFile::checkTargetUnchanged() const
{
    struct stat now = {};
    if (::fstatat(m_folder.descriptor(), m_target.constData(), &now, AT_SYMLINK_NOFOLLOW) != 0) {
        const int error = errno;
        if (error == ENOENT)
            failDeleted();
        fail(QStringLiteral("无法读取 %1：%2").arg(m_shownTarget, systemErrorText(error)));
    }
    if (!RegularFile::isSameState(m_status, now))
        failChanged(QString());
}

bool StagedFile::exchangeNames() const
{
    if (const int refused = exchangeRefusal()) {
        errno = refused;
        return false;
    }
    const int folder = m_folder.descriptor();
    return ::renameat2(folder, m_name.constData(), folder, m_target.constData(), RENAME_EXCHANGE) == 0;
}

void StagedFile::replace(const struct stat &copy)
{
    // Exchanged, so that the file's name never leads to nothing, and so that what each name leads to can be checked
    // after and sent back.
    if (exchangeNames()) {
        interleave(Moment::AfterExchanging);
        checkExchanged(copy);
        return;
    }
    // A file system that cannot exchange names gets a plain rename of the copy, checked after it.
    const int error = errno;
    if (error != EINVAL && error != ENOSYS && error != EOPNOTSUPP)
        failToReplace(error);
    if (!isNamed(m_name, copy))
        failSwapped(clearName());
    const int folder = m_folder.descriptor();
    if (::renameat(folder, m_name.constData(), folder, m_target.constData()) != 0)
        failToReplace(errno);
    m_name.clear();
    interleave(Moment::AfterExchanging);
    if (!isNamed(m_target, copy))
        fail(QStringLiteral("%1 在注册时被另一个程序换成了另一个文件，本程序没有再修改它；下次启动时会再注册")
                 .arg(m_folder.holder()));
}

void StagedFile::checkExchanged(const struct stat &copy)
{
    const bool copyInPlace = isNamed(m_target, copy);
    const bool readCameOut = isNamed(m_name, m_status);
    if (copyInPlace && readCameOut && cameOutUnchanged()) {
        clearName();  // the old file
        return;
    }
    struct stat inPlace = {};
    const bool targetNamed = ::fstatat(m_folder.descriptor(), m_target.constData(), &inPlace, AT_SYMLINK_NOFOLLOW) == 0;
    const int targetError = errno;
    if (!copyInPlace && targetNamed && S_ISREG(inPlace.st_mode)) {
        // Another program saved the file just after the exchange: its file stays, and the old one goes.
        failChanged(clearName());
    }
    if (!targetNamed && targetError == ENOENT && readCameOut)
        putBack();  // the copy was removed just after the exchange
    // A save made just before the exchange, the file read changed between the last look and the exchange, or the file
    // read in the place of a copy swapped for a link, goes back.
    if (!exchangeNames() || (!copyInPlace && !isNamed(m_target, m_status))) {
        const QString left = keep();
        fail(QStringLiteral("%1 在注册时被换掉了，本程序没能把它换回原来的文件：请检查 %1 和 %2").arg(m_shownTarget, left));
    }
    if (copyInPlace)
        failChanged(clearName());
    failSwapped(clearName());
}

bool StagedFile::cameOutUnchanged() const
{
    const Descriptor file(
        ::openat(m_folder.descriptor(), m_name.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC));
    struct stat now = {};
    if (!file.isOpen() || ::fstat(file.get(), &now) != 0 || !RegularFile::isSameStateButChangeTime(m_status, now) ||
        readWhole(file.get()) != m_content)
        return false;
    try {
        return ExtendedAttributes::of(file.get(), m_shownTarget) == m_attributes;
    } catch (const AppError &) {
        return false;  // attributes that can no longer be read as they were read are not those read
    }
}

void StagedFile::putBack()
{
    const int folder = m_folder.descriptor();
    if (::renameat2(folder, m_name.constData(), folder, m_target.constData(), RENAME_NOREPLACE) == 0) {
        m_name.clear();
        fail(QStringLiteral("%1 在注册时被删除了，本程序把原来的文件放回了原处；下次启动时会再注册").arg(m_folder.holder()));
    }
    fail(QStringLiteral("%1 在注册时被删除了，本程序没能把原来的文件放回原处：它留在 %2").arg(m_folder.holder(), keep()));
}

void StagedFile::failSwapped(const QString &left) const
{
    QString description = QStringLiteral("%1 的新副本在写入时被换掉了，所以没有使用它").arg(m_shownTarget);
    if (!left.isEmpty())
        description += QStringLiteral("；换进来的文件留在 %1").arg(left);
    fail(description);
}

void StagedFile::failChanged(const QString &left) const
{
    QString description =
        QStringLiteral("%1 在注册时被另一个程序改动了，本程序没有修改它；下次启动时会再注册").arg(m_folder.holder());
    if (!left.isEmpty())
        description += QStringLiteral("（另一个文件留在 %1）").arg(left);
    fail(description);
}

void StagedFile::failDeleted() const
{
    fail(QStringLiteral("%1 在注册时被删除了").arg(m_folder.holder()));
}

void StagedFile::failToReplace(int error)
{
    if (error == ENOENT) {
        struct stat target = {};
        if (::fstatat(m_folder.descriptor(), m_target.constData(), &target, AT_SYMLINK_NOFOLLOW) != 0)
            failDeleted();
        failSwapped(clearName());
    }
    if (error == EBUSY && isMountPoint())
        fail(QStringLiteral("无法替换 %1：它是一个挂载点（例如从主机挂载进容器的文件），本程序只能整个替换这个文件，"
                            "所以没有修改它")
                 .arg(m_shownTarget));
    fail(QStringLiteral("无法替换 %1：%2").arg(m_shownTarget, systemErrorText(error)));
}

bool StagedFile::isMountPoint() const
{
    struct statx status = {};
    return ::statx(m_folder.descriptor(), m_target.constData(), AT_SYMLINK_NOFOLLOW, STATX_BASIC_STATS, &status) == 0 &&
           (status.stx_attributes_mask & STATX_ATTR_MOUNT_ROOT) && (status.stx_attributes & STATX_ATTR_MOUNT_ROOT);
}

void StagedFile::removeLeftovers(const OpenFolder &folder, const QByteArray &target)
{
    const QByteArray prefix = target + StagedMark;
    const int listing = ::openat(folder.descriptor(), ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    DIR *entries = listing < 0 ? nullptr : ::fdopendir(listing);
    if (!entries) {
        if (listing >= 0)
            ::close(listing);
        return;  // staging in that folder reports why it cannot be used
    }
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        struct stat status = {};
        // A copy that cannot be removed is harmless: no later copy takes its name.
        if (isStagedCopyName(name, prefix) &&
            ::fstatat(folder.descriptor(), name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode))
            ::unlinkat(folder.descriptor(), name.constData(), 0);
    }
    ::closedir(entries);
}

}  // namespace hestova::odbcini
