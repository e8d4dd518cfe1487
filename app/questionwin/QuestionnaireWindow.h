#pragma once

#include "host/SkinnedForm.h"
#include "questionnaire/QuestionnaireModel.h"

#include <QList>

namespace hestova::forms {
class OptionGroup;
}

class QLabel;
class QRadioButton;

// The on-screen copy of a paper questionnaire, shared by the windows of the three survey kinds. The pages,
// rows, texts and button counts come from the kind's catalogue; the window shows what its model says, hands
// the ticks of the shown page over whenever the page is left, and stores a finished questionnaire as one row
// of the kind's answer table.
//
// Rows are numbered 1 to 5; Option<k>(i) is answer button i of row k inside the strip Picture<k>.
class QuestionnaireWindow : public hestova::host::SkinnedForm {
    Q_OBJECT

public:
    static constexpr int Rows = 5;

    // Shows the survey chosen last (SurveyNo, SurveyDate) in the survey line. The questionnaire in progress
    // stays: its next stored row carries that survey.
    void refreshSurveyLine();

    // Previous page ("上一步").
    void Command1_Click();
    // Next page or, on the last page, finish ("完成"): check, store, ask whether to go on.
    void Command2_Click();

    // What the window shows, for the windows' tests.
    const hestova::questionnaire::QuestionnaireModel &model() const { return m_model; }
    QLabel *rowLabel(int row) const;
    QWidget *rowPicture(int row) const;
    QRadioButton *option(int row, int index) const;  // index from 0
    int optionCount(int row) const;
    QLabel *pageLabel() const { return m_label7; }
    QLabel *surveyLabel() const { return m_label8; }
    QLabel *headingLabel() const { return m_label6; }
    QWidget *previousButton() const { return m_command1; }
    QWidget *nextButton() const { return m_command2; }

protected:
    QuestionnaireWindow(const QString &formName, int surveyKind);

    void Form_Load() override;
    // Brought forward (also by the survey picker, which may have chosen another survey): the survey line.
    void Form_Activate() override { refreshSurveyLine(); }

    // Work of one kind alone at load, before the first page shows (the patient window reads its departments).
    virtual void loadQuestionnaireData() {}
    hestova::questionnaire::QuestionnaireModel &editableModel() { return m_model; }

private:
    void createControls();
    void checkControls() const;
    void startQuestionnaire();
    void showPage();
    bool answerRowHasFocus() const;
    void ShowPageTexts();
    void ResetAndRestoreOptions();
    void ShowQuestionRows(int rows);
    void ShowOptionButtons(const QList<int> &counts);
    void showPageCaptions();
    QList<int> shownTicks() const;
    bool storeRow();

    hestova::questionnaire::QuestionnaireModel m_model;
    QLabel *m_label6 = nullptr;
    QLabel *m_label7 = nullptr;
    QLabel *m_label8 = nullptr;
    QWidget *m_command1 = nullptr;
    QWidget *m_command2 = nullptr;
    QList<QLabel *> m_rowLabels;
    QList<QWidget *> m_pictures;
    QList<QList<QRadioButton *>> m_options;
    QList<hestova::forms::OptionGroup *> m_groups;
};
