#include "db/StagedFile.h"

#include "core/AppError.h"

#include <QFile>

#include <cerrno>
#include <cstdio>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace hestova::db {

namespace {

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

// Copies all of `from` to `to`; false with errno set when that fails.
bool copyContent(int from, int to)
{
    char buffer[65536];
    for (;;) {
        const ssize_t read = ::read(from, buffer, sizeof buffer);
        if (read == 0)
            return true;
        if (read < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        for (ssize_t written = 0; written < read;) {
            const ssize_t now = ::write(to, buffer + written, static_cast<size_t>(read - written));
            if (now < 0) {
                if (errno == EINTR)
                    continue;
                return false;
            }
            written += now;
        }
    }
}

}  // namespace

StagedFile::StagedFile(const QString &target) : m_target(target)
{
    const QByteArray targetName = QFile::encodeName(target);
    const int source = ::open(targetName.constData(), O_RDONLY | O_CLOEXEC);
    if (source < 0)
        fail(QStringLiteral("无法读取 %1：%2").arg(target, systemErrorText(errno)));
    struct stat status = {};
    if (::fstat(source, &status) != 0) {
        const int error = errno;
        ::close(source);
        fail(QStringLiteral("无法读取 %1：%2").arg(target, systemErrorText(error)));
    }
    m_owner = status.st_uid;
    m_group = status.st_gid;
    m_mode = status.st_mode & 07777;

    QByteArray staged = targetName + ".XXXXXX";
    const int copy = ::mkstemp(staged.data());
    if (copy < 0) {
        const int error = errno;
        ::close(source);
        fail(QStringLiteral("无法在 %1 旁边创建临时文件：%2").arg(target, systemErrorText(error)));
    }
    m_path = QFile::decodeName(staged);
    const bool copied = copyContent(source, copy);
    const int error = errno;
    ::close(source);
    if (::close(copy) != 0 || !copied)
        fail(QStringLiteral("无法写入 %1：%2").arg(m_path, systemErrorText(copied ? errno : error)));
}

StagedFile::~StagedFile()
{
    // Nothing to report here: either the copy was committed (the name is gone) or a failure is being reported.
    if (!m_path.isEmpty())
        ::unlink(QFile::encodeName(m_path).constData());
}

void StagedFile::commit()
{
    const QByteArray staged = QFile::encodeName(m_path);
    struct stat status = {};
    if (::stat(staged.constData(), &status) != 0)
        fail(QStringLiteral("无法读取 %1：%2").arg(m_path, systemErrorText(errno)));
    // Owner and group first: changing them may clear the set-id bits of the mode.
    if ((status.st_uid != m_owner || status.st_gid != m_group) &&
        ::chown(staged.constData(), m_owner, m_group) != 0) {
        const int error = errno;
        fail(QStringLiteral("%1 属于用户 %2、组 %3，本程序无法保持它的所有者和组（%4），所以没有修改它")
                 .arg(m_target, userName(m_owner), groupName(m_group), systemErrorText(error)));
    }
    if (::chmod(staged.constData(), m_mode) != 0)
        fail(QStringLiteral("无法设置 %1 的权限：%2").arg(m_path, systemErrorText(errno)));
    if (std::rename(staged.constData(), QFile::encodeName(m_target).constData()) != 0)
        fail(QStringLiteral("无法替换 %1：%2").arg(m_target, systemErrorText(errno)));
    m_path.clear();
}

}  // namespace hestova::db
