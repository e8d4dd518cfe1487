#pragma once

#include "questionwin/QuestionnaireWindow.h"

// The medical-technical questionnaire (survey kind 2).
class Questionyj : public QuestionnaireWindow {
    Q_OBJECT

public:
    Questionyj();
};
