#include "odbcini/FileIo.h"

#include "core/AppError.h"

#include <QFile>

#include <cerrno>

#include <unistd.h>

namespace hestova::odbcini {

void fail(const QString &description)
{
    throw AppError(ErrorNumber::DataSource, description);
}

QString shownPath(const QByteArray &path)
{
    return QFile::decodeName(path);
}

std::pair<QByteArray, QByteArray> splitPath(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    return {slash <= 0 ? QByteArray("/") : path.left(slash), path.mid(slash + 1)};
}

std::optional<QByteArray> readWhole(int descriptor)
{
    QByteArray content;
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::pread(descriptor, buffer, sizeof buffer, content.size());
        if (got == 0)
            return content;
        if (got < 0 && errno != EINTR)
            return std::nullopt;
        if (got > 0)
            content.append(buffer, got);
    }
}

Descriptor::~Descriptor()
{
    if (m_descriptor >= 0)
        ::close(m_descriptor);
}

Descriptor &Descriptor::operator=(Descriptor &&other) noexcept
{
    if (this != &other) {
        if (m_descriptor >= 0)
            ::close(m_descriptor);
        m_descriptor = other.release();
    }
    return *this;
}

int Descriptor::release()
{
    const int descriptor = m_descriptor;
    m_descriptor = -1;
    return descriptor;
}

}  // namespace hestova::odbcini
