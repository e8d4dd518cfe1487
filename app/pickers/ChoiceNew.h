#pragma once

#include "pickers/SurveyPicker.h"

class QLineEdit;
class QGroupBox;

// The survey picker for questionnaire entry: lists the surveys, adds one ("添加调查", "加    入") and hands the
// chosen one to the questionnaire window of the current survey kind ("开始调查").
class ChoiceNew : public SurveyPicker {
    Q_OBJECT

public:
    ChoiceNew();

    static constexpr int AddAreaHeight = 5235;  // twips, the window's height with the add area open

    QGroupBox &Frame1() const { return *m_frame1; }
    QLineEdit &Text1() const { return *m_text1; }
    QLineEdit &Text2() const { return *m_text2; }
    QLineEdit &Text3() const { return *m_text3; }

    void command1_Click();   // 添加调查
    void qeTobrel1_Click();  // 加    入
    void command2_Click();   // 开始调查

protected:
    void Form_Load() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The information box of an entry that cannot be stored; gives false after showing it.
    bool checkEntry();

    QGroupBox *m_frame1;
    QLineEdit *m_text1;
    QLineEdit *m_text2;
    QLineEdit *m_text3;
};
