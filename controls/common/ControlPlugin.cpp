#include "common/ControlPlugin.h"

#include <QWidget>

namespace hestova::controls {

ControlPluginBase::ControlPluginBase(QObject *parent) : QObject(parent) {}

QWidget *ControlPluginBase::createControl(const QString &progId, QWidget *parent)
{
    const auto factory = m_controls.constFind(progId);
    return factory == m_controls.constEnd() ? nullptr : (*factory)(parent);
}

QWidget *ControlPluginBase::createPropertyPage(const QString &name, QWidget *parent)
{
    const auto factory = m_pages.constFind(name);
    return factory == m_pages.constEnd() ? nullptr : (*factory)(parent);
}

void ControlPluginBase::setMessageBox(const MessageBoxFunction &show)
{
    // This library's copy of the hook: the host's service reaches the library's own code this way.
    setMessageBoxFunction(show);
}

void ControlPluginBase::registerControl(const QString &progId, WidgetFactory factory)
{
    if (!m_controls.contains(progId))
        m_controlOrder.append(progId);
    m_controls.insert(progId, std::move(factory));
}

void ControlPluginBase::registerPropertyPage(const QString &name, WidgetFactory factory)
{
    if (!m_pages.contains(name))
        m_pageOrder.append(name);
    m_pages.insert(name, std::move(factory));
}

}  // namespace hestova::controls
