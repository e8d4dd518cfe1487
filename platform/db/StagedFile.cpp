#include "db/StagedFile.h"

#include "core/AppError.h"

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

namespace hestova::db {

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

QByteArray folderOf(const QByteArray &file)
{
    const qsizetype slash = file.lastIndexOf('/');
    return slash <= 0 ? QByteArray(slash == 0 ? "/" : ".") : file.left(slash);
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

StagedFile::StagedFile(const QString &target, const QByteArray &content, const struct stat &targetStatus)
    : m_target(target), m_owner(targetStatus.st_uid), m_group(targetStatus.st_gid), m_mode(targetStatus.st_mode & 07777)
{
    QByteArray staged = QFile::encodeName(target) + StagedMark + QByteArray(StagedUniqueChars, 'X');
    m_descriptor = ::mkostemp(staged.data(), O_CLOEXEC);
    if (m_descriptor < 0)
        fail(QStringLiteral("无法在 %1 旁边创建临时文件：%2").arg(target, systemErrorText(errno)));
    m_path = QFile::decodeName(staged);
    if (!writeAll(m_descriptor, content.constData(), content.size(), 0)) {
        const int error = errno;
        remove();
        fail(QStringLiteral("无法写入 %1：%2").arg(m_path, systemErrorText(error)));
    }
}

StagedFile::~StagedFile()
{
    remove();
}

void StagedFile::remove()
{
    // Nothing to report: the copy was committed (the name is gone), or a failure is being reported.
    if (!m_path.isEmpty())
        ::unlink(QFile::encodeName(m_path).constData());
    m_path.clear();
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
            fail(QStringLiteral("无法读取 %1：%2").arg(m_path, systemErrorText(errno)));
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
    struct stat copy = {};
    if (::fstat(m_descriptor, &copy) != 0)
        fail(QStringLiteral("无法读取 %1：%2").arg(m_path, systemErrorText(errno)));
    // Owner and group first: changing them may clear the set-id bits of the mode.
    if ((copy.st_uid != m_owner || copy.st_gid != m_group) && ::fchown(m_descriptor, m_owner, m_group) != 0) {
        const int error = errno;
        fail(QStringLiteral("%1 属于用户 %2、组 %3，本程序无法保持它的所有者和组（%4），所以没有修改它")
                 .arg(m_target, userName(m_owner), groupName(m_group), systemErrorText(error)));
    }
    if (::fchmod(m_descriptor, m_mode) != 0)
        fail(QStringLiteral("无法设置 %1 的权限：%2").arg(m_path, systemErrorText(errno)));
    // On disk before it replaces the file, so that a crash leaves the old file or the whole new one.
    if (::fsync(m_descriptor) != 0)
        fail(QStringLiteral("无法把 %1 写到磁盘：%2").arg(m_path, systemErrorText(errno)));

    const QByteArray staged = QFile::encodeName(m_path);
    const QByteArray targetName = QFile::encodeName(m_target);
    struct stat named = {};
    if (::lstat(staged.constData(), &named) != 0 || named.st_dev != copy.st_dev || named.st_ino != copy.st_ino)
        fail(QStringLiteral("%1 在写入时被换掉了，所以没有使用它").arg(m_path));
    const QByteArray folder = folderOf(targetName);
    const int folderDescriptor = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderDescriptor < 0)
        fail(QStringLiteral("无法打开文件夹 %1：%2").arg(QFile::decodeName(folder), systemErrorText(errno)));
    if (::rename(staged.constData(), targetName.constData()) != 0) {
        const int error = errno;
        ::close(folderDescriptor);
        fail(QStringLiteral("无法替换 %1：%2").arg(m_target, systemErrorText(error)));
    }
    m_path.clear();
    remove();
    // The rename is on disk only once the folder is; a file system that cannot flush folders says EINVAL.
    const bool flushed = ::fsync(folderDescriptor) == 0 || errno == EINVAL;
    const int error = errno;
    ::close(folderDescriptor);
    if (!flushed)
        fail(QStringLiteral("%1 已经替换，但无法把文件夹 %2 写到磁盘：%3")
                 .arg(m_target, QFile::decodeName(folder), systemErrorText(error)));
}

void StagedFile::removeLeftovers(const QString &target)
{
    const QByteArray targetName = QFile::encodeName(target);
    const QByteArray folder = folderOf(targetName);
    const QByteArray prefix = targetName.mid(targetName.lastIndexOf('/') + 1) + StagedMark;
    DIR *entries = ::opendir(folder.constData());
    if (!entries)
        return;  // staging in that folder reports why it cannot be used
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        struct stat status = {};
        const QByteArray path = folder + '/' + name;
        // A copy that cannot be removed is harmless: no later copy takes its name.
        if (isStagedCopyName(name, prefix) && ::lstat(path.constData(), &status) == 0 && S_ISREG(status.st_mode))
            ::unlink(path.constData());
    }
    ::closedir(entries);
}

}  // namespace hestova::db
