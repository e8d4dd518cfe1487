#include "questionwin/Questionyj.h"

Questionyj::Questionyj() : QuestionnaireWindow(QStringLiteral("Questionyj"), 2)
{
}
