#pragma once

#include "common/ControlPlugin.h"

namespace hestova::tobrel {

// The library Tobrel: the button "Tobrel.qeTobrel" and its page "PropertyPagebotton".
class TobrelPlugin : public controls::ControlPluginBase {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HestovaControlPlugin_iid FILE "Tobrel.json")
    Q_INTERFACES(hestova::controls::ControlPluginInterface)
public:
    explicit TobrelPlugin(QObject *parent = nullptr);
};

}  // namespace hestova::tobrel
