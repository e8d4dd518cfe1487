#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace hestova {

// Opens web addresses for the program (the About box's link). The default hands the address to the
// desktop's browser; tests install a recorder instead, so no browser is ever started by a test.
namespace UrlService {

using Opener = std::function<bool(const QString &address)>;

// Opens the address with the installed opener; false when it could not be opened.
bool openUrl(const QString &address);

// Replaces the opener; an empty one restores the desktop's browser.
void setOpener(Opener opener);

}  // namespace UrlService

// Installs itself as the opener while it lives and records every address asked for.
class UrlRecorder {
public:
    explicit UrlRecorder(bool result = true);
    ~UrlRecorder();
    UrlRecorder(const UrlRecorder &) = delete;
    UrlRecorder &operator=(const UrlRecorder &) = delete;

    const QStringList &opened() const { return m_opened; }

private:
    QStringList m_opened;
};

}  // namespace hestova
