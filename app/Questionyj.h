#pragma once

#include "QuestionnaireWindow.h"

// The medical-technical questionnaire (survey kind 2).
class Questionyj : public QuestionnaireWindow {
    Q_OBJECT

public:
    Questionyj();
};
