// libBrantle: the title-bar control library.
#include "PropertyPageqe.h"
#include "UCtitlebar.h"

#include "common/ControlPlugin.h"

namespace hestova::titlebar {

class BrantlePlugin : public controls::ControlPluginBase {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HestovaControlPlugin_iid FILE "Brantle.json")
    Q_INTERFACES(hestova::controls::ControlPluginInterface)
public:
    BrantlePlugin()
    {
        registerControl(QStringLiteral("工程1.UCtitlebar"), [](QWidget *parent) { return new UCtitlebar(parent); });
        registerPropertyPage(QStringLiteral("PropertyPageqe"),
                             [](QWidget *parent) { return new PropertyPageqe(parent); });
    }
};

}  // namespace hestova::titlebar

#include "BrantlePlugin.moc"
