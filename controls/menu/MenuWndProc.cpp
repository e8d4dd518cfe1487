#include "MenuWndProc.h"

#include "CQuillon.h"
#include "MenuWords.h"

#include "core/AppError.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

#include <exception>

namespace hestova::quillon {

MenuWndProc::MenuWndProc(CQuillon *engine, QWidget *host) : QObject(engine), m_engine(engine), m_host(host)
{
    host->installEventFilter(this);
    hookChildren(host);
}

MenuWndProc::~MenuWndProc()
{
    if (m_host)
        m_host->removeEventFilter(this);
    for (const QPointer<QMenu> &menu : std::as_const(m_menus)) {
        if (!menu)
            continue;
        menu->removeEventFilter(this);
        disconnect(menu, nullptr, this, nullptr);
    }
}

template <typename Call>
bool MenuWndProc::trapped(const char *what, Call &&call)
{
    try {
        call();
        return true;
    } catch (const AppError &error) {
        qWarning("Quillon: %s failed: %s", what, qPrintable(error.boxText()));
    } catch (const std::exception &error) {
        qWarning("Quillon: %s failed: %s", what, error.what());
    }
    return false;
}

void MenuWndProc::hookChildren(QObject *parent)
{
    const QList<QMenu *> menus = parent->findChildren<QMenu *>();
    for (QMenu *menu : menus)
        hookMenu(menu);
}

void MenuWndProc::hookMenu(QMenu *menu)
{
    if (!menu || m_menus.contains(menu))
        return;
    m_menus.append(menu);
    menu->installEventFilter(this);
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { onAboutToShow(menu); });
    hookChildren(menu);  // its submenus
}

void MenuWndProc::onAboutToShow(QMenu *menu)
{
    // The popup's position in its parent is not used.
    trapped("converting a popup", [&] { m_engine->OnInitMenuPopup(menu, 0, false); });
}

void MenuWndProc::onMenuHidden()
{
    for (const QPointer<QMenu> &menu : std::as_const(m_menus))
        if (menu && menu->isVisible())
            return;  // a popup of the window is still open
    trapped("reverting the popups", [&] { m_engine->OnMenuSelect(0, 0xFFFF, nullptr); });
}

bool MenuWndProc::onKeyPress(QMenu *menu, QEvent *event)
{
    auto *key = static_cast<QKeyEvent *>(event);
    const Qt::KeyboardModifiers extra = key->modifiers() & ~(Qt::ShiftModifier | Qt::AltModifier | Qt::KeypadModifier);
    const QString text = key->text();
    if (extra != Qt::NoModifier || text.size() != 1 || !text.at(0).isPrint())
        return false;
    qint32 answer = 0;
    if (!trapped("answering a menu key", [&] { answer = m_engine->OnMenuChar(text.at(0), 0, menu); }) || answer == 0)
        return false;  // the menu's own handling applies
    const QList<QAction *> actions = menu->actions();
    const int position = LoWord(answer);
    if (position < 0 || position >= actions.size())
        return false;
    menu->setActiveAction(actions[position]);
    if (HiWord(answer) == MNC_EXECUTE) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(menu, &enter);
    }
    return true;
}

bool MenuWndProc::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ChildAdded:
    case QEvent::ChildPolished:  // a menu is complete only once polished
        if (auto *menu = qobject_cast<QMenu *>(static_cast<QChildEvent *>(event)->child()))
            hookMenu(menu);
        break;
    case QEvent::PaletteChange:
    case QEvent::FontChange:
    case QEvent::ApplicationPaletteChange:
    case QEvent::ApplicationFontChange:
        if (watched == m_host)
            trapped("rebuilding the menu font", [&] { m_engine->GetMenuFont(true); });
        break;
    case QEvent::Hide:
        if (watched != m_host && qobject_cast<QMenu *>(watched))
            onMenuHidden();
        break;
    case QEvent::KeyPress:
        if (auto *menu = qobject_cast<QMenu *>(watched))
            return onKeyPress(menu, event);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace hestova::quillon
