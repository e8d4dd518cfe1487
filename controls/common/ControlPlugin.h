#pragma once

#include "common/MessageBoxHook.h"

#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QtPlugin>
#include <functional>

class QWidget;

namespace hestova::controls {

// What every control library exports: its controls by ProgID and its property pages by name.
// A library lists the same ProgIDs and page names in its plugin metadata (keys "ProgIDs" and
// "PropertyPages"), so a host can list them without loading the library.
class ControlPluginInterface {
public:
    virtual ~ControlPluginInterface() = default;

    virtual QStringList progIds() const = 0;
    virtual QStringList propertyPageNames() const = 0;

    // A new control widget, or nullptr when the library has no such ProgID.
    virtual QWidget *createControl(const QString &progId, QWidget *parent) = 0;
    // A new property page widget, or nullptr when the library has no such page.
    virtual QWidget *createPropertyPage(const QString &name, QWidget *parent) = 0;

    // The host's message-box service; the library shows every box through it.
    virtual void setMessageBox(const MessageBoxFunction &show) = 0;
};

// The usual implementation: a library's plugin class derives from this, adds Q_OBJECT,
// Q_PLUGIN_METADATA(IID HestovaControlPlugin_iid FILE "<Library>.json") and
// Q_INTERFACES(hestova::controls::ControlPluginInterface), and registers its factories in its constructor.
class ControlPluginBase : public QObject, public ControlPluginInterface {
    Q_OBJECT
public:
    using WidgetFactory = std::function<QWidget *(QWidget *parent)>;

    explicit ControlPluginBase(QObject *parent = nullptr);

    QStringList progIds() const override { return m_controlOrder; }
    QStringList propertyPageNames() const override { return m_pageOrder; }
    QWidget *createControl(const QString &progId, QWidget *parent) override;
    QWidget *createPropertyPage(const QString &name, QWidget *parent) override;
    void setMessageBox(const MessageBoxFunction &show) override;

protected:
    void registerControl(const QString &progId, WidgetFactory factory);
    void registerPropertyPage(const QString &name, WidgetFactory factory);

private:
    QStringList m_controlOrder;
    QStringList m_pageOrder;
    QHash<QString, WidgetFactory> m_controls;
    QHash<QString, WidgetFactory> m_pages;
};

}  // namespace hestova::controls

#define HestovaControlPlugin_iid "org.hestova.ControlPlugin/1.0"
Q_DECLARE_INTERFACE(hestova::controls::ControlPluginInterface, HestovaControlPlugin_iid)
