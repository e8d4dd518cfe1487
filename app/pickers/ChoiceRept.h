#pragma once

#include "pickers/SurveyPicker.h"

// The survey picker for reports: lists the surveys and, on "生成报表数据", fills the work table of the current
// survey kind with the chosen survey's answer rows, shows the kind's report window and unloads itself and the
// main window.
class ChoiceRept : public SurveyPicker {
    Q_OBJECT

public:
    ChoiceRept();

    void command2_Click();  // 生成报表数据

protected:
    void Form_Load() override;
};
