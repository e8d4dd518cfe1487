#pragma once

#include "questionwin/QuestionnaireWindow.h"

// The functional-department questionnaire (survey kind 3).
class Questionzn : public QuestionnaireWindow {
    Q_OBJECT

public:
    Questionzn();
};
