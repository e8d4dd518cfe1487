#include "forms/PopupMenu.h"

#include "core/AppError.h"
#include "forms/Form.h"
#include "screen/Twips.h"

#include <QAction>
#include <QMenu>

namespace hestova::forms {

namespace {

PopupMenuService *&installedService()
{
    static PopupMenuService *service = nullptr;
    return service;
}

}  // namespace

void WidgetPopupMenus::popup(QMenu &menu, const QPoint &globalPosition)
{
    menu.exec(globalPosition);
}

void setPopupMenuService(PopupMenuService *service)
{
    installedService() = service;
}

PopupMenuService &popupMenuService()
{
    static WidgetPopupMenus real;
    return installedService() ? *installedService() : real;
}

void PopupMenu(const Form &form, QMenu &menu, int x, int y)
{
    const QPoint local(pixelsFromTwips(x), pixelsFromTwips(y));
    popupMenuService().popup(menu, form.client()->mapToGlobal(local));
}

ScriptedPopupMenus::ScriptedPopupMenus() : m_previous(installedService())
{
    setPopupMenuService(this);
}

ScriptedPopupMenus::~ScriptedPopupMenus()
{
    setPopupMenuService(m_previous);
}

void ScriptedPopupMenus::chooseNext(const QString &itemName)
{
    m_choices.enqueue(itemName);
}

void ScriptedPopupMenus::popup(QMenu &menu, const QPoint &globalPosition)
{
    Popup record;
    record.menu = &menu;
    record.menuName = menu.objectName();
    record.position = globalPosition;
    for (const QAction *action : menu.actions())
        record.items.append(action->objectName());

    QAction *chosen = nullptr;
    if (!m_choices.isEmpty()) {
        const QString name = m_choices.dequeue();
        for (QAction *action : menu.actions()) {
            if (action->objectName() == name)
                chosen = action;
        }
        if (!chosen)
            throw hestova::AppError(hestova::ErrorNumber::InvalidArgument,
                                    QStringLiteral("菜单 %1 没有菜单项 %2").arg(menu.objectName(), name));
        record.chosen = name;
    }
    m_popups.append(record);
    // As with the real menu: the menu has closed when the chosen item's handler runs.
    if (chosen && chosen->isEnabled())
        chosen->trigger();
}

}  // namespace hestova::forms
