#pragma once

#include "common/ControlPlugin.h"

namespace hestova::quillon {

// The library Quillon: the menu control "Quillon.UCQuillon" and its page "PropertyPagemenu".
class QuillonPlugin : public controls::ControlPluginBase {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID HestovaControlPlugin_iid FILE "Quillon.json")
    Q_INTERFACES(hestova::controls::ControlPluginInterface)
public:
    explicit QuillonPlugin(QObject *parent = nullptr);
};

}  // namespace hestova::quillon
