#include "questionwin/Questionzn.h"

Questionzn::Questionzn() : QuestionnaireWindow(QStringLiteral("Questionzn"), 3)
{
}
