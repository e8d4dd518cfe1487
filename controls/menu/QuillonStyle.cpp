#include "QuillonStyle.h"

#include "CQuillon.h"
#include "MenuWords.h"

#include "common/EdgeDrawing.h"
#include "core/AppError.h"
#include "screen/OleColor.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>

#include <exception>

namespace hestova::quillon {

namespace {

QColor menuColor()
{
    return toQColor(systemColor(SystemColor::Menu));
}

// Whether a popup opens from a menu bar (directly or through other popups); the menu shows shortcut columns
// for such popups whatever the item says.
bool reachedFromMenuBar(const QMenu *menu, int depth = 0)
{
    if (!menu->menuAction() || depth > 16)
        return false;
    const QList<QObject *> owners = menu->menuAction()->associatedObjects();
    for (QObject *owner : owners) {
        if (qobject_cast<QMenuBar *>(owner))
            return true;
        if (auto *parentMenu = qobject_cast<QMenu *>(owner); parentMenu && parentMenu != menu
            && reachedFromMenuBar(parentMenu, depth + 1))
            return true;
    }
    return false;
}

void warnFailure(const char *what, const QString &description)
{
    qWarning("Quillon: %s failed, the item is drawn plainly: %s", what, qPrintable(description));
}

}  // namespace

QuillonStyle::QuillonStyle(CQuillon *engine) : m_engine(engine) {}

QAction *QuillonStyle::actionForOption(const QWidget *menu, const QStyleOption *option)
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if (!menu || !item)
        return nullptr;
    const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
    const QList<QAction *> actions = menu->actions();
    const QString label = item->text.section(QLatin1Char('\t'), 0, 0);
    for (int pass = 0; pass < 2; ++pass) {
        for (QAction *action : actions) {
            if (CQuillon::itemDataOf(action) == 0 || action->isSeparator() != separator || !action->isVisible())
                continue;
            if (separator)
                return action;
            if (pass == 0 ? CQuillon::menuText(action) == item->text
                          : action->text().section(QLatin1Char('\t'), 0, 0) == label)
                return action;
        }
    }
    return nullptr;
}

int QuillonStyle::acceleratorColumnWidth(const QWidget *widget)
{
    const auto *menu = qobject_cast<const QMenu *>(widget);
    if (!menu)
        return 0;
    const bool contextMenu = !reachedFromMenuBar(menu);
    const QFontMetrics metrics = menu->fontMetrics();
    int width = 0;
    const QList<QAction *> actions = menu->actions();
    for (const QAction *action : actions) {
        if (!action->isVisible() || action->isSeparator())
            continue;
        const QString text = action->text();
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        if (tab >= 0)
            width = qMax(width, metrics.horizontalAdvance(text.mid(tab + 1)));
        else if ((action->isShortcutVisibleInContextMenu() || !contextMenu) && !action->shortcut().isEmpty())
            width = qMax(width, metrics.horizontalAdvance(action->shortcut().toString(QKeySequence::NativeText)));
    }
    return width;
}

void QuillonStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                               const QWidget *widget) const
{
    const auto *item = qstyleoption_cast<const QStyleOptionMenuItem *>(option);
    if ((element == CE_MenuItem || element == CE_MenuBarItem) && item && widget) {
        QAction *action = nullptr;
        if (const auto *menu = qobject_cast<const QMenu *>(widget))
            action = menu->actionAt(option->rect.center());
        else if (const auto *bar = qobject_cast<const QMenuBar *>(widget))
            action = bar->actionAt(option->rect.center());
        if (action && m_engine->recordOf(action)) {
            DrawItemStruct dis;
            dis.menu = const_cast<QWidget *>(widget);
            dis.action = action;
            dis.hDC = painter;
            dis.rcItem = option->rect;
            dis.itemData = CQuillon::itemDataOf(action);
            if (option->state & State_Selected)
                dis.itemState |= ODS_SELECTED;
            if (!(option->state & State_Enabled))
                dis.itemState |= ODS_GRAYED;
            if (item->checked)
                dis.itemState |= ODS_CHECKED;
            try {
                if (m_engine->OnDrawItem(dis)) {
                    if (item->menuItemType == QStyleOptionMenuItem::SubMenu) {
                        QStyleOption arrow = *option;
                        const int size = option->rect.height() / 3;
                        arrow.rect = QRect(option->rect.right() - size - 2, option->rect.center().y() - size / 2,
                                           size, size);
                        baseStyle()->drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
                    }
                    return;
                }
            } catch (const AppError &error) {
                warnFailure("drawing an item", error.boxText());
            } catch (const std::exception &error) {
                warnFailure("drawing an item", QString::fromLocal8Bit(error.what()));
            }
        }
    } else if (element == CE_MenuEmptyArea || element == CE_MenuBarEmptyArea) {
        painter->fillRect(option->rect, menuColor());
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

void QuillonStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                                 const QWidget *widget) const
{
    switch (element) {
    case PE_PanelMenu:
    case PE_PanelMenuBar:
        painter->fillRect(option->rect, menuColor());
        return;
    case PE_FrameMenu:
        controls::drawEdge(*painter, option->rect, controls::Edge::Raised, controls::EdgeSide::All);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }
}

QSize QuillonStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                     const QWidget *widget) const
{
    if (type == CT_MenuItem || type == CT_MenuBarItem) {
        QAction *action = actionForOption(widget, option);
        if (action && m_engine->recordOf(action)) {
            MeasureItemStruct mis;
            mis.menu = const_cast<QWidget *>(widget);
            mis.action = action;
            mis.itemData = CQuillon::itemDataOf(action);
            try {
                if (m_engine->OnMeasureItem(mis)) {
                    int width = mis.itemWidth;
                    if (type == CT_MenuItem) {
                        // What the menu itself adds: the check-mark width, and the widest accelerator.
                        width += systemMetric(SystemMetric::MenuCheckWidth) - 1;
                        width -= acceleratorColumnWidth(widget);
                    }
                    return QSize(qMax(1, width), qMax(1, mis.itemHeight));
                }
            } catch (const AppError &error) {
                warnFailure("measuring an item", error.boxText());
            } catch (const std::exception &error) {
                warnFailure("measuring an item", QString::fromLocal8Bit(error.what()));
            }
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

int QuillonStyle::pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const
{
    switch (metric) {
    case PM_MenuPanelWidth:
        return 3;
    case PM_MenuHMargin:
    case PM_MenuVMargin:
    case PM_MenuBarPanelWidth:
    case PM_MenuBarItemSpacing:
    case PM_MenuBarHMargin:
    case PM_MenuBarVMargin:
        return 0;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

}  // namespace hestova::quillon
