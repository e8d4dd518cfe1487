#include "shell/UrlService.h"

#include <QDesktopServices>
#include <QUrl>

namespace hestova {

namespace {

bool openInBrowser(const QString &address)
{
    const QUrl url = QUrl::fromUserInput(address);
    return url.isValid() && QDesktopServices::openUrl(url);
}

UrlService::Opener &installedOpener()
{
    static UrlService::Opener opener = openInBrowser;
    return opener;
}

}  // namespace

bool UrlService::openUrl(const QString &address)
{
    return installedOpener()(address);
}

void UrlService::setOpener(Opener opener)
{
    installedOpener() = opener ? std::move(opener) : Opener(openInBrowser);
}

UrlRecorder::UrlRecorder(bool result)
{
    UrlService::setOpener([this, result](const QString &address) {
        m_opened.append(address);
        return result;
    });
}

UrlRecorder::~UrlRecorder()
{
    UrlService::setOpener({});
}

}  // namespace hestova
