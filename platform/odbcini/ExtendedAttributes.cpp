#include "odbcini/ExtendedAttributes.h"

#include "core/AppError.h"

#include <cerrno>
#include <optional>

#include <sys/xattr.h>

namespace hestova::odbcini {

namespace {

[[noreturn]] void fail(const QString &description)
{
    throw AppError(ErrorNumber::DataSource, description);
}

// The kernel's integrity modules keep these for the content the file had.
bool isContentHash(const QByteArray &name)
{
    return name == "security.ima" || name == "security.evm";
}

// The names of the attributes of the file open as `descriptor`; none on a file system without them.
QList<QByteArray> names(int descriptor, const QString &file)
{
    for (;;) {
        const ssize_t size = ::flistxattr(descriptor, nullptr, 0);
        if (size < 0 && errno == ENOTSUP)
            return {};
        QByteArray list(qMax<ssize_t>(size, 0), '\0');
        const ssize_t got = size < 0 ? size : ::flistxattr(descriptor, list.data(), list.size());
        if (got < 0 && errno == ERANGE)
            continue;  // an attribute was added meanwhile
        if (got < 0)
            fail(QStringLiteral("无法读取 %1 的扩展属性：%2").arg(file, systemErrorText(errno)));
        list.truncate(got);
        list.chop(1);  // each name ends with a NUL
        return got == 0 ? QList<QByteArray>() : list.split('\0');
    }
}

// The value of the attribute `name`; nullopt when the file has none of that name.
std::optional<QByteArray> value(int descriptor, const QByteArray &name, const QString &file)
{
    for (;;) {
        const ssize_t size = ::fgetxattr(descriptor, name.constData(), nullptr, 0);
        QByteArray value(qMax<ssize_t>(size, 0), '\0');
        const ssize_t got = size < 0 ? size : ::fgetxattr(descriptor, name.constData(), value.data(), value.size());
        if (got < 0 && errno == ERANGE)
            continue;  // the value grew meanwhile
        if (got < 0 && errno == ENODATA)
            return std::nullopt;
        if (got < 0)
            fail(QStringLiteral("无法读取 %1 的扩展属性 %2：%3")
                     .arg(file, QString::fromLatin1(name), systemErrorText(errno)));
        value.truncate(got);
        return value;
    }
}

}  // namespace

ExtendedAttributes ExtendedAttributes::of(int descriptor, const QString &file)
{
    ExtendedAttributes attributes;
    for (const QByteArray &name : names(descriptor, file)) {
        if (isContentHash(name))
            fail(QStringLiteral("%1 带有扩展属性 %2，它是旧内容的散列或签名，新内容无法保持它，所以没有修改 %1")
                     .arg(file, QString::fromLatin1(name)));
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

void ExtendedAttributes::giveTo(int descriptor, const QString &file) const
{
    const QString copy = QStringLiteral("%1 的新副本").arg(file);
    const auto cannotKeep = [&](const QByteArray &name) {
        fail(QStringLiteral("本程序无法为 %1 的新副本保持扩展属性 %2（%3），所以没有修改 %1")
                 .arg(file, QString::fromLatin1(name), systemErrorText(errno)));
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
