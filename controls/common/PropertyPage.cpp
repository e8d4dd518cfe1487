#include "common/PropertyPage.h"

#include "common/LateBound.h"

namespace hestova::controls {

PropertyPage::PropertyPage(QWidget *parent) : QWidget(parent) {}

void PropertyPage::setSelectedControls(const QList<QObject *> &controls)
{
    m_selected.clear();
    for (QObject *control : controls)
        m_selected.append(control);
    SelectionChanged();
    setChanged(false);
}

bool PropertyPage::applyChanges()
{
    if (!ApplyChanges())
        return false;
    setChanged(false);
    return true;
}

void PropertyPage::setChanged(bool changed)
{
    if (m_changed == changed)
        return;
    m_changed = changed;
    emit changedChanged(changed);
}

QList<QObject *> PropertyPage::SelectedControls() const
{
    QList<QObject *> controls;
    for (const QPointer<QObject> &control : m_selected) {
        if (control)
            controls.append(control);
    }
    return controls;
}

void PropertyPage::describeFields(const QMetaObject &control, const QList<QPair<QWidget *, QByteArray>> &fields)
{
    for (const auto &[field, property] : fields)
        field->setToolTip(memberDescription(control, property));
}

}  // namespace hestova::controls
