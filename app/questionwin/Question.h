#pragma once

#include "questionwin/QuestionnaireWindow.h"

// The patient questionnaire (survey kind 1). Question 1 lists the departments of jyks, read at every load.
class Question : public QuestionnaireWindow {
    Q_OBJECT

public:
    Question();

protected:
    void loadQuestionnaireData() override;
};
