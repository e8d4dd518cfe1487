// A tiny control library for the loader's tests.
#include "common/ControlPlugin.h"
#include "common/MessageBoxHook.h"
#include "common/UserControl.h"

#include <QLabel>

namespace {

class Gauge : public hestova::controls::UserControl {
    Q_OBJECT
    Q_PROPERTY(int Level READ level WRITE setLevel)
public:
    using UserControl::UserControl;
    int level() const { return m_level; }
    void setLevel(int level)
    {
        m_level = level;
        emit PropertyChanged(QStringLiteral("Level"));
    }
    Q_INVOKABLE int Warn(const QString &text)
    {
        return hestova::controls::showMessageBox(this, text, hestova::controls::MsgBoxStyle::Critical,
                                                 QStringLiteral("错误"));
    }

private:
    int m_level = 0;
};

class ProbePlugin : public hestova::controls::ControlPluginBase {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HestovaControlPlugin_iid FILE "ProbePlugin.json")
    Q_INTERFACES(hestova::controls::ControlPluginInterface)
public:
    ProbePlugin()
    {
        registerControl(QStringLiteral("Probe.Gauge"), [](QWidget *parent) { return new Gauge(parent); });
        registerPropertyPage(QStringLiteral("GaugePage"), [](QWidget *parent) { return new QLabel(parent); });
    }
};

}  // namespace

#include "ProbePlugin.moc"
