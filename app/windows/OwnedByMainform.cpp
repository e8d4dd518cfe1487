#include "windows/OwnedByMainform.h"

#include "windows/Mainform.h"

#include "forms/Forms.h"

using hestova::forms::Forms;

namespace OwnedByMainform {

void hold(hestova::forms::Form &window)
{
    Mainform *mainform = Forms::find<Mainform>();
    window.setOwner(mainform);
    if (mainform)
        mainform->setEnabled(false);
}

void release()
{
    if (Mainform *mainform = Forms::find<Mainform>())
        mainform->setEnabled(true);
}

}  // namespace OwnedByMainform
