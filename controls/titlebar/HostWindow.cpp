#include "HostWindow.h"

#include "common/LateBound.h"
#include "core/AppError.h"
#include "screen/Twips.h"

#include <QVariant>
#include <QWidget>

namespace hestova::titlebar {

namespace HostWindow {

namespace {

bool hasProperty(QObject *host, const char *name)
{
    return host && host->metaObject()->indexOfProperty(name) >= 0;
}

QWidget *requireWidget(QObject *host)
{
    QWidget *w = widget(host);
    if (!w)
        throw AppError(ErrorNumber::ObjectRequired, QStringLiteral("要求对象"));
    return w;
}

}  // namespace

QWidget *widget(QObject *host)
{
    return qobject_cast<QWidget *>(host);
}

QWidget *window(QObject *host)
{
    QWidget *w = widget(host);
    return w ? w->window() : nullptr;
}

int windowState(QObject *host)
{
    if (hasProperty(host, "WindowState"))
        return controls::LateBound(host).get("WindowState").toInt();
    const Qt::WindowStates state = requireWidget(host)->window()->windowState();
    if (state & Qt::WindowMinimized)
        return Minimized;
    if (state & (Qt::WindowMaximized | Qt::WindowFullScreen))
        return Maximized;
    return Normal;
}

void setWindowState(QObject *host, int state)
{
    if (hasProperty(host, "WindowState")) {
        controls::LateBound(host).set("WindowState", state);
        return;
    }
    QWidget *w = requireWidget(host)->window();
    switch (state) {
    case Minimized: w->setWindowState(Qt::WindowMinimized); break;
    case Maximized: w->setWindowState(Qt::WindowMaximized); break;
    default: w->setWindowState(Qt::WindowNoState); break;
    }
}

int borderStyle(QObject *host)
{
    if (hasProperty(host, "BorderStyle"))
        return controls::LateBound(host).get("BorderStyle").toInt();
    return Sizable;
}

QRect clientRect(QObject *host)
{
    QWidget *w = requireWidget(host);
    if (auto *client = w->findChild<QWidget *>(QStringLiteral("client"), Qt::FindDirectChildrenOnly))
        return client->geometry();
    return w->contentsRect();
}

int scaleWidth(QObject *host)
{
    if (hasProperty(host, "ScaleWidth"))
        return controls::LateBound(host).get("ScaleWidth").toInt();
    return twipsFromPixels(clientRect(host).width());
}

int scaleHeight(QObject *host)
{
    if (hasProperty(host, "ScaleHeight"))
        return controls::LateBound(host).get("ScaleHeight").toInt();
    return twipsFromPixels(clientRect(host).height());
}

void unload(QObject *host)
{
    if (host && host->metaObject()->indexOfMethod("Unload()") >= 0) {
        controls::LateBound(host).invoke("Unload");
        return;
    }
    requireWidget(host)->window()->close();
}

}  // namespace HostWindow

}  // namespace hestova::titlebar
