#include "forms/LightweightControls.h"

#include <QEvent>
#include <QLabel>
#include <QStyle>

namespace hestova::forms {

namespace {

constexpr char LightweightMark[] = "hestovaLightweight";
constexpr char GivenTip[] = "hestovaLightweightTip";  // the tooltip this class gave, to tell it from the label's own

// A child control of a container: a widget that is not a window of its own (deleted children leave nulls).
QWidget *controlOf(QObject *child)
{
    if (!child || !child->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(child);
    return widget->isWindow() ? nullptr : widget;
}

// Where the label's text lies, in its container's coordinates.
QRect textArea(const QLabel &label)
{
    const QRect text = label.style()->itemTextRect(label.fontMetrics(), label.contentsRect(), int(label.alignment()),
                                                   label.isEnabled(), label.text());
    return text.intersected(label.rect()).translated(label.pos());
}

}  // namespace

LightweightControls::LightweightControls(QWidget *container) : QObject(container), m_container(container)
{
    m_container->installEventFilter(this);
    for (QObject *child : m_container->children())
        watch(child);
}

void LightweightControls::add(QWidget *control)
{
    control->setProperty(LightweightMark, true);
    if (QWidget *container = control->parentWidget()) {
        LightweightControls &layer = of(container);
        layer.restack();
        layer.refreshTip(control);
    }
}

bool LightweightControls::isLightweight(const QObject *object)
{
    return object && object->property(LightweightMark).toBool();
}

LightweightControls &LightweightControls::of(QWidget *container)
{
    if (auto *existing = container->findChild<LightweightControls *>(QString(), Qt::FindDirectChildrenOnly))
        return *existing;
    return *new LightweightControls(container);
}

void LightweightControls::watch(QObject *child)
{
    if (controlOf(child))
        child->installEventFilter(this);
}

bool LightweightControls::stackedRight() const
{
    bool windowedBelow = false;
    for (QObject *child : m_container->children()) {
        if (!controlOf(child))
            continue;
        if (!isLightweight(child))
            windowedBelow = true;
        else if (windowedBelow)
            return false;
    }
    return true;
}

// Lowers the lightweight controls from the topmost down, so that among themselves they keep their order.
void LightweightControls::restack()
{
    if (m_restacking || stackedRight())
        return;
    m_restacking = true;
    const QObjectList children = m_container->children();
    for (auto it = children.crbegin(); it != children.crend(); ++it) {
        if (controlOf(*it) && isLightweight(*it))
            static_cast<QWidget *>(*it)->lower();
    }
    m_restacking = false;
}

bool LightweightControls::isCovered(const QLabel &label) const
{
    const QRect text = textArea(label);
    if (text.isEmpty())
        return false;
    for (QObject *child : m_container->children()) {
        const QWidget *sibling = controlOf(child);
        if (sibling && !isLightweight(sibling) && !sibling->isHidden() && sibling->geometry().intersects(text))
            return true;
    }
    return false;
}

void LightweightControls::refreshTip(QObject *control) const
{
    auto *label = qobject_cast<QLabel *>(control);
    if (!label || !isLightweight(label) || label->parentWidget() != m_container)
        return;
    const QString given = label->property(GivenTip).toString();
    if (!label->toolTip().isEmpty() && label->toolTip() != given)
        return;  // its own
    const QString tip = isCovered(*label) ? label->text() : QString();
    label->setProperty(GivenTip, tip);
    if (label->toolTip() != tip)
        label->setToolTip(tip);
}

void LightweightControls::refreshTips() const
{
    for (QObject *child : m_container->children())
        refreshTip(child);
}

bool LightweightControls::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_container) {
        if (event->type() == QEvent::ChildAdded) {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            watch(child);
            if (isLightweight(child)) {
                restack();
                refreshTip(child);
            }
        } else if (event->type() == QEvent::ChildRemoved) {
            refreshTips();
        }
        return false;
    }
    auto *control = static_cast<QWidget *>(watched);
    if (control->parentWidget() != m_container) {
        // Moved to another container: a lightweight control takes the rule along.
        control->removeEventFilter(this);
        if (event->type() == QEvent::ParentChange && isLightweight(control))
            add(control);
        return false;
    }
    switch (event->type()) {
    case QEvent::ZOrderChange:
        restack();
        break;
    case QEvent::Show:
    case QEvent::Hide:
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ToolTip:  // also catches a text changed since
        if (isLightweight(control))
            refreshTip(control);
        else
            refreshTips();
        break;
    default:
        break;
    }
    return false;
}

}  // namespace hestova::forms
