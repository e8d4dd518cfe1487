#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace hestova::odbcini {

// Paths are kept as the bytes the system gave them, whatever their encoding; they are decoded only to be shown.

// Throws AppError(ErrorNumber::DataSource, description): how this folder's code refuses.
[[noreturn]] void fail(const QString &description);

// A path or name as a message shows it.
QString shownPath(const QByteArray &path);

// The folder part and the name of a physical path ("/a/b" -> "/a", "b"; "/b" -> "/", "b").
std::pair<QByteArray, QByteArray> splitPath(const QByteArray &path);

// The whole content of the file open as `descriptor`, read from its start; nullopt with errno set when a read fails.
std::optional<QByteArray> readWhole(int descriptor);

// An open file descriptor, closed with its owner.
class Descriptor {
public:
    explicit Descriptor(int descriptor = -1) : m_descriptor(descriptor) {}
    ~Descriptor();
    Descriptor(Descriptor &&other) noexcept : m_descriptor(other.release()) {}
    Descriptor &operator=(Descriptor &&other) noexcept;
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;

    int get() const { return m_descriptor; }
    bool isOpen() const { return m_descriptor >= 0; }
    int release();

private:
    int m_descriptor;
};

}  // namespace hestova::odbcini
