#include "Mainform.h"

Mainform::Mainform() : Form(QStringLiteral("Mainform"))
{
}
