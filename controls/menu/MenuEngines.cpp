#include "MenuEngines.h"

#include "CQuillon.h"

#include <QHash>
#include <QPointer>
#include <QWidget>

namespace hestova::quillon::MenuEngines {

namespace {
QHash<const QWidget *, QPointer<CQuillon>> &engines()
{
    static QHash<const QWidget *, QPointer<CQuillon>> table;
    return table;
}
}  // namespace

void SetMenuEngine(QWidget *host, CQuillon *engine)
{
    ClearMenuEngine(host);
    // The engine is the window's child: it goes with the window, and the entry then reads as empty.
    engines().insert(host, engine);
}

CQuillon *GetMenuEngine(const QWidget *host)
{
    return engines().value(host);
}

bool ClearMenuEngine(QWidget *host)
{
    QPointer<CQuillon> engine = engines().take(host);
    if (!engine)
        return false;
    engine->Install(nullptr, nullptr, true, false);
    delete engine.data();
    return true;
}

QWidget *windowOf(const QVariant &wndHandle)
{
    if (wndHandle.canConvert<QObject *>())
        if (auto *window = qobject_cast<QWidget *>(wndHandle.value<QObject *>()))
            return window;
    bool ok = false;
    const qulonglong id = wndHandle.toULongLong(&ok);
    return ok && id != 0 ? QWidget::find(WId(id)) : nullptr;
}

}  // namespace hestova::quillon::MenuEngines
