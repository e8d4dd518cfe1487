#include "QuillonPlugin.h"

#include "PropertyPagemenu.h"
#include "UCQuillon.h"

namespace hestova::quillon {

QuillonPlugin::QuillonPlugin(QObject *parent) : ControlPluginBase(parent)
{
    registerControl(QStringLiteral("Quillon.UCQuillon"), [](QWidget *parent) { return new UCQuillon(parent); });
    registerPropertyPage(QStringLiteral("PropertyPagemenu"),
                         [](QWidget *parent) { return new PropertyPagemenu(parent); });
}

}  // namespace hestova::quillon
