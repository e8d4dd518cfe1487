#include "button/TobrelPlugin.h"

#include "button/PropertyPagebotton.h"
#include "button/QeTobrel.h"

namespace hestova::tobrel {

TobrelPlugin::TobrelPlugin(QObject *parent) : ControlPluginBase(parent)
{
    registerControl(QStringLiteral("Tobrel.qeTobrel"), [](QWidget *parent) { return new QeTobrel(parent); });
    registerPropertyPage(QStringLiteral("PropertyPagebotton"),
                         [](QWidget *parent) { return new PropertyPagebotton(parent); });
}

}  // namespace hestova::tobrel
