#include "odbcini/ExtendedAttributes.h"

#include "core/AppError.h"
#include "odbcini/FileIo.h"
#include "odbcini/Interleave.h"

#include <algorithm>
#include <cerrno>
#include <optional>

#include <sys/xattr.h>

namespace hestova::odbcini {

namespace {

// Reads of a list or value that keeps outgrowing the buffer measured for it end after this many tries.
constexpr int MaxReadTries = 5;

// The kernel's integrity modules keep these for the content the file had.
bool isContentHash(const QByteArray &name)
{
    return name == "security.ima" || name == "security.evm";
}

[[noreturn]] void failToRead(const QString &what, int error)
{
    fail(QStringLiteral("无法读取%1：%2").arg(what, systemErrorText(error)));
}

// What `get` fills into a buffer of the size it answers when given none (a size of 0 means that there is nothing):
// nullopt when it answers ENODATA. `get` answers as the system calls do, -1 with errno set on failure.
template <typename Get>
std::optional<QByteArray> measuredRead(Get get, const QString &what)
{
    for (int tried = 0; tried < MaxReadTries; ++tried) {
        const ssize_t size = get(nullptr, 0);
        if (size < 0 && errno == ENODATA)
            return std::nullopt;
        if (size < 0)
            failToRead(what, errno);
        if (size == 0)
            return QByteArray();
        interleave(Moment::BetweenAttributeReads);
        QByteArray read(size, '\0');
        const ssize_t got = get(read.data(), size_t(read.size()));
        if (got < 0 && errno == ERANGE)
            continue;  // it grew meanwhile
        if (got < 0 && errno == ENODATA)
            return std::nullopt;
        if (got < 0)
            failToRead(what, errno);
        read.truncate(got);
        return read;
    }
    fail(QStringLiteral("无法读取%1：它在读取时一再变大").arg(what));
}

// The names of the attributes of the file open as `descriptor`; none on a file system without them.
QList<QByteArray> names(int descriptor, const QString &file)
{
    const std::optional<QByteArray> list = measuredRead(
        [&](char *buffer, size_t size) {
            const ssize_t got = ::flistxattr(descriptor, buffer, size);
            if (got < 0 && errno == ENOTSUP)
                return ssize_t(0);
            return got;
        },
        QStringLiteral(" %1 的扩展属性").arg(file));
    if (!list || list->isEmpty())
        return {};
    QByteArray names = *list;
    names.chop(1);  // each name ends with a NUL
    return names.split('\0');
}

// The value of the attribute `name`; nullopt when the file has none of that name.
std::optional<QByteArray> value(int descriptor, const QByteArray &name, const QString &file)
{
    return measuredRead(
        [&](char *buffer, size_t size) { return ::fgetxattr(descriptor, name.constData(), buffer, size); },
        QStringLiteral(" %1 的扩展属性 %2").arg(file, shownPath(name)));
}

}  // namespace

ExtendedAttributes ExtendedAttributes::of(int descriptor, const QString &file)
{
    ExtendedAttributes attributes;
    for (const QByteArray &name : names(descriptor, file)) {
        if (isContentHash(name))
            fail(QStringLiteral("%1 带有扩展属性 %2，它是旧内容的散列或签名，新内容无法保持它，所以没有修改 %1")
                     .arg(file, shownPath(name)));
        if (const std::optional<QByteArray> held = value(descriptor, name, file))
            attributes.m_attributes.append({name, *held});
    }
    return attributes;
}

bool ExtendedAttributes::contains(const QByteArray &name) const
{
    for (const auto &attribute : m_attributes) {
        if (attribute.first == name)
            return true;
    }
    return false;
}

bool ExtendedAttributes::operator==(const ExtendedAttributes &other) const
{
    auto mine = m_attributes;
    auto theirs = other.m_attributes;
    std::sort(mine.begin(), mine.end());
    std::sort(theirs.begin(), theirs.end());
    return mine == theirs;
}

void ExtendedAttributes::giveTo(int descriptor, const QString &file) const
{
    const QString copy = QStringLiteral("%1 的新副本").arg(file);
    const auto cannotKeep = [&](const QByteArray &name) {
        const QString reason = systemErrorText(errno);
        fail(QStringLiteral("本程序无法为 %1 的新副本保持扩展属性 %2（%3），所以没有修改 %1")
                 .arg(file, shownPath(name), reason));
    };
    for (const QByteArray &name : names(descriptor, copy)) {
        // The kernel keeps the copy's own content hashes.
        if (!contains(name) && !isContentHash(name) && ::fremovexattr(descriptor, name.constData()) != 0 &&
            errno != ENODATA)
            cannotKeep(name);
    }
    for (const auto &[name, wanted] : m_attributes) {
        // A value the kernel already gave the copy (a security label of its folder, say) is not written again:
        // this process may lack the right to write it.
        if (value(descriptor, name, copy) != wanted &&
            ::fsetxattr(descriptor, name.constData(), wanted.constData(), wanted.size(), 0) != 0)
            cannotKeep(name);
    }
}

}  // namespace hestova::odbcini
