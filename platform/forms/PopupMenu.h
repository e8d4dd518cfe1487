#pragma once

#include <QList>
#include <QPoint>
#include <QPointer>
#include <QQueue>
#include <QString>

class QAction;
class QMenu;
class QWidget;

namespace hestova::forms {

class Form;

// Pops a menu up at a place of a window and lets the operator choose; the chosen item's action is triggered
// (its handler runs) before the call returns. Replaceable so that tests choose instead of the operator.
class PopupMenuService {
public:
    virtual ~PopupMenuService() = default;
    virtual void popup(QMenu &menu, const QPoint &globalPosition) = 0;
};

// The real pop-up menu, on screen and modal until it closes.
class WidgetPopupMenus : public PopupMenuService {
public:
    void popup(QMenu &menu, const QPoint &globalPosition) override;
};

// The service in use; nullptr restores the real one.
void setPopupMenuService(PopupMenuService *service);
PopupMenuService &popupMenuService();

// Pops menu up at x, y twips of the window's client area.
void PopupMenu(const Form &form, QMenu &menu, int x, int y);

// Test double: records every pop-up and triggers the item queued by the test (by its object name), never blocks.
// A pop-up with nothing queued closes without a choice. Replaces the service while it exists.
class ScriptedPopupMenus : public PopupMenuService {
public:
    struct Popup {
        QPointer<QMenu> menu;
        QString menuName;      // the menu's object name
        QPoint position;       // global pixels
        QString chosen;        // object name of the triggered item; empty when none
        QStringList items;     // object names of the menu's items, in order
    };

    ScriptedPopupMenus();
    ~ScriptedPopupMenus() override;
    ScriptedPopupMenus(const ScriptedPopupMenus &) = delete;
    ScriptedPopupMenus &operator=(const ScriptedPopupMenus &) = delete;

    void chooseNext(const QString &itemName);
    bool allChoicesUsed() const { return m_choices.isEmpty(); }
    const QList<Popup> &popups() const { return m_popups; }
    const Popup &last() const { return m_popups.constLast(); }

    void popup(QMenu &menu, const QPoint &globalPosition) override;

private:
    QQueue<QString> m_choices;
    QList<Popup> m_popups;
    PopupMenuService *m_previous;
};

}  // namespace hestova::forms
