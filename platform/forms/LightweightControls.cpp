#include "forms/LightweightControls.h"

#include <QHelpEvent>
#include <QLabel>
#include <QStyle>
#include <QToolTip>

namespace hestova::forms {

namespace {

constexpr char LightweightMark[] = "hestovaLightweight";

// A child control of a container: a widget that is not a window of its own (deleted children leave nulls).
QWidget *controlOf(QObject *child)
{
    if (!child || !child->isWidgetType())
        return nullptr;
    auto *widget = static_cast<QWidget *>(child);
    return widget->isWindow() ? nullptr : widget;
}

// Where the label's text lies as the label draws it (all its lines), in its container's coordinates.
QRect textArea(const QLabel &label)
{
    const int margin = label.margin();
    const QRect contents = label.contentsRect().adjusted(margin, margin, -margin, -margin);
    int flags = int(QStyle::visualAlignment(label.layoutDirection(), label.alignment()));
    if (label.wordWrap())
        flags |= Qt::TextWordWrap;
    const QRect text = label.style()->itemTextRect(label.fontMetrics(), contents, flags, label.isEnabled(),
                                                   label.text());
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
    if (QWidget *container = control->parentWidget())
        of(container).restack();
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

// Shows the whole text of a covered label without its own tooltip; false leaves the request to the label.
bool LightweightControls::showCoveredText(QLabel &label, const QHelpEvent &request) const
{
    if (!label.toolTip().isEmpty() || !isCovered(label))
        return false;
    QToolTip::showText(request.globalPos(), label.text(), &label);
    return true;
}

bool LightweightControls::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_container) {
        if (event->type() == QEvent::ChildAdded) {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            watch(child);
            if (isLightweight(child))
                restack();
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
    if (event->type() == QEvent::ZOrderChange) {
        restack();
    } else if (event->type() == QEvent::ToolTip && isLightweight(control)) {
        if (auto *label = qobject_cast<QLabel *>(control))
            return showCoveredText(*label, *static_cast<QHelpEvent *>(event));
    }
    return false;
}

}  // namespace hestova::forms
