#include "forms/OptionGroup.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QKeyEvent>

namespace hestova::forms {

OptionGroup::OptionGroup(QObject *parent) : QObject(parent), m_group(new QButtonGroup(this))
{
    m_group->setExclusive(true);
    connect(m_group, &QButtonGroup::buttonToggled, this, [this] { placeTabStop(); });
}

void OptionGroup::addButton(QAbstractButton *button)
{
    m_group->addButton(button, int(m_buttons.size()) + 1);
    m_buttons.append(button);
    button->installEventFilter(this);
    // A button may go before the group does: it is forgotten, and the stop moves on if it held it.
    connect(button, &QObject::destroyed, this, &OptionGroup::forget);
    placeTabStop();
}

void OptionGroup::forget(QObject *gone)
{
    if (m_buttons.removeIf([gone](const QAbstractButton *button) { return button == gone; }) > 0)
        placeTabStop();
}

void OptionGroup::clear()
{
    // An exclusive group keeps one button ticked; it lets go only while it is not exclusive.
    m_group->setExclusive(false);
    for (QAbstractButton *button : m_buttons)
        button->setChecked(false);
    m_group->setExclusive(true);
    placeTabStop();
}

bool OptionGroup::focusTabStop()
{
    QAbstractButton *stop = tabStop();
    if (!stop)
        return false;
    stop->setFocus(Qt::TabFocusReason);
    return stop->window()->focusWidget() == stop;
}

bool OptionGroup::eventFilter(QObject *watched, QEvent *event)
{
    // A button being destroyed is only a widget by the time its focus-out comes: it is forgotten, not looked at.
    auto *button = qobject_cast<QAbstractButton *>(watched);
    if (!button) {
        forget(watched);
        return false;
    }
    // A button that takes the focus becomes the stop by itself; leaving, showing, hiding, enabling and disabling
    // move it.
    switch (event->type()) {
    case QEvent::KeyPress:
        if (moveFocus(button, static_cast<QKeyEvent *>(event)))
            return true;
        break;
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
    case QEvent::EnabledChange:
    case QEvent::FocusOut:
        placeTabStop();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

// The arrows go through the group's shown buttons in order, round from the last to the first; a tick moves
// along with the focus.
bool OptionGroup::moveFocus(QAbstractButton *from, const QKeyEvent *key)
{
    if (key->modifiers() & ~Qt::KeypadModifier)
        return false;
    int step = 0;
    switch (key->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        step = 1;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        step = -1;
        break;
    default:
        return false;
    }
    const qsizetype count = m_buttons.size();
    const qsizetype at = m_buttons.indexOf(from);
    for (qsizetype i = 1; i < count; ++i) {
        QAbstractButton *next = m_buttons[((at + step * i) % count + count) % count];
        if (next->isHidden() || !next->isEnabled())
            continue;
        if (from->isChecked())
            next->click();
        next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        break;
    }
    return true;
}

QAbstractButton *OptionGroup::tabStop() const
{
    QAbstractButton *ticked = nullptr;
    QAbstractButton *first = nullptr;
    for (QAbstractButton *button : m_buttons) {
        if (button->isHidden() || !button->isEnabled())
            continue;
        if (button->hasFocus())
            return button;
        if (button->isChecked() && !ticked)
            ticked = button;
        if (!first)
            first = button;
    }
    return ticked ? ticked : first;
}

void OptionGroup::placeTabStop()
{
    QAbstractButton *stop = tabStop();
    for (QAbstractButton *button : m_buttons) {
        const Qt::FocusPolicy policy = button->focusPolicy();
        button->setFocusPolicy(button == stop ? Qt::FocusPolicy(policy | Qt::TabFocus)
                                              : Qt::FocusPolicy(policy & ~Qt::TabFocus));
    }
}

}  // namespace hestova::forms
