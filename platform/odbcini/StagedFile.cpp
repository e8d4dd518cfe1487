#include "odbcini/StagedFile.h"

#include "core/AppError.h"
#include "odbcini/OpenFolder.h"

#include <QFile>

#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

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

[[noreturn]] void fail(const QString &description)
{
    throw AppError(ErrorNumber::DataSource, description);
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
      m_attributes(original.attributes)
{
    QByteArray staged = folder.reach(target + StagedMark + QByteArray(StagedUniqueChars, 'X'));
    m_descriptor = ::mkostemp(staged.data(), O_CLOEXEC);
    if (m_descriptor < 0)
        fail(QStringLiteral("无法在 %1 旁边创建临时文件：%2").arg(m_shownTarget, systemErrorText(errno)));
    m_name = staged.mid(staged.lastIndexOf('/') + 1);
    try {
        m_reach = descriptorPath(m_descriptor, QStringLiteral("%1 的新副本").arg(m_shownTarget));
        if (!writeAll(m_descriptor, original.bytes.constData(), original.bytes.size(), 0))
            fail(QStringLiteral("无法写入 %1 的新副本：%2").arg(m_shownTarget, systemErrorText(errno)));
    } catch (...) {
        remove();
        throw;
    }
}

StagedFile::~StagedFile()
{
    remove();
}

void StagedFile::remove()
{
    // Nothing to report: the copy was committed (the name is gone), or a failure is being reported.
    if (!m_name.isEmpty())
        ::unlinkat(m_folder.descriptor(), m_name.constData(), 0);
    m_name.clear();
    if (m_descriptor >= 0)
        ::close(m_descriptor);
    m_descriptor = -1;
}

QByteArray StagedFile::content() const
{
    QByteArray content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::pread(m_descriptor, buffer, sizeof buffer, content.size());
        if (got == 0)
            return content;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            fail(QStringLiteral("无法读取 %1 的新副本：%2").arg(m_shownTarget, systemErrorText(errno)));
        }
        content.append(buffer, got);
    }
}

QString StagedFile::writeFailure(qint64 size)
{
    const QByteArray zeros(65536, '\0');
    for (qint64 offset = 0; offset < size; offset += zeros.size()) {
        if (!writeAll(m_descriptor, zeros.constData(), qMin<qint64>(zeros.size(), size - offset), offset))
            return systemErrorText(errno);
    }
    return ::fsync(m_descriptor) == 0 ? QString() : systemErrorText(errno);
}

void StagedFile::commit()
{
    const uid_t owner = m_status.st_uid;
    const gid_t group = m_status.st_gid;
    const mode_t mode = m_status.st_mode & 07777;
    struct stat copy = {};
    if (::fstat(m_descriptor, &copy) != 0)
        fail(QStringLiteral("无法读取 %1 的新副本：%2").arg(m_shownTarget, systemErrorText(errno)));
    // Owner and group first: changing them may clear the set-id bits of the mode. The copy was made 0600.
    if ((copy.st_uid != owner || copy.st_gid != group) && ::fchown(m_descriptor, owner, group) != 0) {
        const int error = errno;
        fail(QStringLiteral("%1 属于用户 %2、组 %3，本程序无法保持它的所有者和组（%4），所以没有修改它")
                 .arg(m_shownTarget, userName(owner), groupName(group), systemErrorText(error)));
    }
    // The group bits are the mask of an ACL (the file's, or one the copy inherited from its folder): none until the
    // attributes are the file's, so that nobody reaches the copy who cannot reach the file.
    const auto setMode = [&](mode_t bits) {
        if (::fchmod(m_descriptor, bits) != 0)
            fail(QStringLiteral("无法设置 %1 的新副本的权限：%2").arg(m_shownTarget, systemErrorText(errno)));
    };
    setMode(mode & ~S_IRWXG);
    m_attributes.giveTo(m_descriptor, m_shownTarget);
    setMode(mode);
    if (::fstat(m_descriptor, &copy) != 0)
        fail(QStringLiteral("无法读取 %1 的新副本：%2").arg(m_shownTarget, systemErrorText(errno)));
    if (copy.st_uid != owner || copy.st_gid != group || (copy.st_mode & 07777) != mode)
        fail(QStringLiteral("%1 的新副本没有保持它的所有者、组和权限（%2 而不是 %3），所以没有修改它")
                 .arg(m_shownTarget, QString::number(copy.st_mode & 07777, 8), QString::number(mode, 8)));
    // On disk before it replaces the file, so that a crash leaves the old file or the whole new one.
    if (::fsync(m_descriptor) != 0)
        fail(QStringLiteral("无法把 %1 的新副本写到磁盘：%2").arg(m_shownTarget, systemErrorText(errno)));

    const int folder = m_folder.descriptor();
    struct stat named = {};
    if (::fstatat(folder, m_name.constData(), &named, AT_SYMLINK_NOFOLLOW) != 0 || named.st_dev != copy.st_dev ||
        named.st_ino != copy.st_ino)
        fail(QStringLiteral("%1 的新副本在写入时被换掉了，所以没有使用它").arg(m_shownTarget));
    if (::renameat(folder, m_name.constData(), folder, m_target.constData()) != 0)
        fail(QStringLiteral("无法替换 %1：%2").arg(m_shownTarget, systemErrorText(errno)));
    m_name.clear();
    remove();
    // The rename is on disk only once the folder is; a file system that cannot flush folders says EINVAL.
    if (::fsync(folder) != 0 && errno != EINVAL)
        fail(QStringLiteral("%1 已经替换，但无法把它的文件夹写到磁盘：%2").arg(m_shownTarget, systemErrorText(errno)));
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
