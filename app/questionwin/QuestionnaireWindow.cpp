#include "questionwin/QuestionnaireWindow.h"

#include "questionwin/QuestionTextLabel.h"

#include "Mmain.h"
#include "core/AppError.h"
#include "db/Command.h"
#include "db/Connection.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Formatting.h"
#include "forms/Forms.h"
#include "forms/Handler.h"
#include "forms/MessageBox.h"
#include "forms/OptionGroup.h"
#include "forms/Twips.h"
#include "questionnaire/QuestionnaireTexts.h"

#include <QLabel>
#include <QRadioButton>

using hestova::AppError;
using hestova::questionnaire::QuestionnaireCatalogue;
using hestova::questionnaire::QuestionnaireModel;
namespace texts = hestova::questionnaire::QuestionnaireTexts;
namespace forms = hestova::forms;

namespace {

QString optionName(int row, int index)
{
    return QStringLiteral("Option%1(%2)").arg(row).arg(index);
}

// A row caption ends every line with a carriage return; the label breaks its lines there. The return after
// the last line ends that line and adds none below it.
QString labelText(const QString &caption)
{
    QString text = caption;
    if (text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

}  // namespace

QuestionnaireWindow::QuestionnaireWindow(const QString &formName, int surveyKind)
    : SkinnedForm(formName), m_model(QuestionnaireCatalogue::load(surveyKind))
{
    forms::RunHandler([this] { createControls(); });
    if (hasHostedControl(QStringLiteral("Command1"))) {
        m_command1 = controlWidget(QStringLiteral("Command1"));
        onClick(QStringLiteral("Command1"), [this] { Command1_Click(); });
    }
    if (hasHostedControl(QStringLiteral("Command2"))) {
        m_command2 = controlWidget(QStringLiteral("Command2"));
        onClick(QStringLiteral("Command2"), [this] { Command2_Click(); });
    }
}

void QuestionnaireWindow::createControls()
{
    const forms::FormDefinition &design = definition();
    auto place = [this](QLabel *label, const QString &name) {
        applyDesign(label, name);
        return label;
    };
    m_label6 = place(new QLabel(client()), QStringLiteral("Label6"));
    m_label7 = place(new QLabel(client()), QStringLiteral("Label7"));
    m_label8 = place(new QLabel(client()), QStringLiteral("Label8"));

    const QList<int> &capacity = m_model.catalogue().rowCapacity();
    for (int row = 1; row <= Rows; ++row) {
        auto *label = new QuestionTextLabel(client());
        label->setKeepClear(m_label8);  // the survey line stays where it is laid out, above the first row
        m_rowLabels.append(place(label, QStringLiteral("Label%1").arg(row)));

        auto *picture = new QWidget(client());
        applyDesign(picture, QStringLiteral("Picture%1").arg(row));
        m_pictures.append(picture);

        auto *group = new forms::OptionGroup(this);
        m_groups.append(group);
        QList<QRadioButton *> buttons;
        for (int index = 0; design.hasControl(optionName(row, index)); ++index) {
            auto *button = new QRadioButton(picture);
            applyControlDefinition(button, design.control(optionName(row, index)));
            group->addButton(button);
            buttons.append(button);
        }
        if (buttons.size() < capacity.value(row - 1))
            throw AppError(hestova::ErrorNumber::BadFileFormat,
                           QStringLiteral("%1 第 %2 行只有 %3 个答案按钮，问卷需要 %4 个")
                               .arg(design.name)
                               .arg(row)
                               .arg(buttons.size())
                               .arg(capacity.value(row - 1)));
        m_options.append(buttons);
    }
}

QLabel *QuestionnaireWindow::rowLabel(int row) const
{
    return m_rowLabels.value(row - 1);
}

QWidget *QuestionnaireWindow::rowPicture(int row) const
{
    return m_pictures.value(row - 1);
}

QRadioButton *QuestionnaireWindow::option(int row, int index) const
{
    return m_options.value(row - 1).value(index);
}

int QuestionnaireWindow::optionCount(int row) const
{
    return int(m_options.value(row - 1).size());
}

void QuestionnaireWindow::checkControls() const
{
    // A damaged form definition has been reported when the window was made; nothing can be shown without them.
    if (m_options.size() != Rows || !m_label8)
        throw AppError(hestova::ErrorNumber::BadFileFormat,
                       QStringLiteral("窗体定义 %1 缺少问卷控件").arg(definition().name));
}

void QuestionnaireWindow::Form_Load()
{
    checkControls();
    skinWindow(hestova::host::WindowIcon,
               {QStringLiteral("Label1"), QStringLiteral("Label2"), QStringLiteral("Label3"), QStringLiteral("Label4"),
                QStringLiteral("Label5"), QStringLiteral("Label6"), QStringLiteral("Label7"),
                QStringLiteral("Picture1"), QStringLiteral("Picture2"), QStringLiteral("Picture3"),
                QStringLiteral("Picture4"), QStringLiteral("Picture5"), QStringLiteral("Command1"),
                QStringLiteral("Command2")});
    refreshSurveyLine();
    loadQuestionnaireData();
    setWindowStateValue(forms::vbMaximized);
    startQuestionnaire();
}

void QuestionnaireWindow::refreshSurveyLine()
{
    if (!m_label8)
        return;  // the window has no controls (its definition was reported damaged)
    m_label8->setText(QuestionnaireModel::surveyLine(Mmain::SurveyNo, forms::dateText(Mmain::SurveyDate)));
}

void QuestionnaireWindow::startQuestionnaire()
{
    m_model.startNew();
    showPage();
}

void QuestionnaireWindow::showPage()
{
    // An operator typing the answers goes on with the new page's first row (also when the window gets the
    // focus back from a message box).
    const bool typing = answerRowHasFocus();
    if (typing)
        focusWidget()->clearFocus();
    ShowPageTexts();
    ResetAndRestoreOptions();
    showPageCaptions();
    if (typing) {
        for (forms::OptionGroup *group : m_groups)
            if (group->focusTabStop())
                break;
    }
}

bool QuestionnaireWindow::answerRowHasFocus() const
{
    const QWidget *focus = focusWidget();  // the window's own, active or not
    for (const QWidget *picture : m_pictures)
        if (focus && picture->isAncestorOf(focus))
            return true;
    return false;
}

void QuestionnaireWindow::showPageCaptions()
{
    if (m_command1)
        control(QStringLiteral("Command1")).set("Enabled", m_model.previousEnabled());
    if (m_command2)
        control(QStringLiteral("Command2")).set("Caption", m_model.nextCaption());
    m_label7->setText(m_model.pageCaption());
    m_label7->adjustSize();
}

void QuestionnaireWindow::ShowPageTexts()
{
    for (int row = 1; row <= Rows; ++row) {
        QLabel *label = rowLabel(row);
        label->setText(labelText(m_model.rowCaption(row)));
        label->adjustSize();
    }
}

void QuestionnaireWindow::ResetAndRestoreOptions()
{
    for (int row = 1; row <= Rows; ++row) {
        m_groups[row - 1]->clear();
        for (QRadioButton *button : m_options[row - 1])
            button->hide();
    }
    ShowQuestionRows(m_model.rowCount());
    QList<int> counts;
    for (int row = 1; row <= Rows; ++row)
        counts.append(m_model.rowButtons(row));
    ShowOptionButtons(counts);
    for (int row = 1; row <= m_model.rowCount(); ++row) {
        const int tick = m_model.rowTick(row);
        if (QRadioButton *button = option(row, tick - 1))
            button->setChecked(true);
    }
}

void QuestionnaireWindow::ShowQuestionRows(int rows)
{
    for (int row = 1; row <= Rows; ++row) {
        rowLabel(row)->setVisible(row <= rows);
        rowPicture(row)->setVisible(row <= rows);
    }
}

void QuestionnaireWindow::ShowOptionButtons(const QList<int> &counts)
{
    for (int row = 1; row <= Rows; ++row) {
        // Never more than the row has, whatever the count.
        const int shown = qMin(counts.value(row - 1), optionCount(row));
        for (int index = 0; index < shown; ++index)
            option(row, index)->show();
    }
    // A first row of more than one line of buttons gets a strip of two lines.
    if (optionCount(1) > QuestionnaireModel::ButtonsPerLine) {
        forms::Twips::setHeight(rowPicture(1), counts.value(0) > QuestionnaireModel::ButtonsPerLine ? 680 : 375);
    }
}

QList<int> QuestionnaireWindow::shownTicks() const
{
    QList<int> ticks;
    for (int row = 1; row <= Rows; ++row) {
        // The last ticked button of the row, visible or not; 0 when none is.
        int value = 0;
        for (int index = 0; index < optionCount(row); ++index)
            if (option(row, index)->isChecked())
                value = index + 1;
        ticks.append(value);
    }
    return ticks;
}

void QuestionnaireWindow::Command1_Click()
{
    forms::RunHandler([this] {
        checkControls();
        m_model.previous(shownTicks());
        showPage();
    });
}

void QuestionnaireWindow::Command2_Click()
{
    forms::RunHandler([this] {
        checkControls();
        switch (m_model.next(shownTicks())) {
        case QuestionnaireModel::NextResult::PageTurned:
            showPage();
            return;
        case QuestionnaireModel::NextResult::Incomplete:
            forms::MsgBox(texts::incompleteMessage(), forms::vbInformation, texts::incompleteTitle());
            return;
        case QuestionnaireModel::NextResult::Complete:
            break;
        }
        if (!storeRow())
            return;
        if (forms::MsgBox(texts::continueQuestion(), forms::vbYesNo, texts::continueTitle()) == forms::vbYes)
            startQuestionnaire();
        else
            Unload();
    });
}

bool QuestionnaireWindow::storeRow()
{
    hestova::db::Connection connection;
    try {
        const QString statement = m_model.insertStatement(Mmain::SurveyNo);
        connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
        hestova::db::Command command;
        command.ActiveConnection = &connection;
        command.CommandText = statement;
        command.Execute();
    } catch (const AppError &error) {
        // Nothing is stored: the questionnaire stays on its last page with every answer.
        forms::ReportError(error);
        return false;
    }
    try {
        connection.Close();
    } catch (const AppError &) {
        // The row is stored. Reporting the close as a failure would invite storing the questionnaire twice;
        // the connection is released when it goes out of scope.
    }
    return true;
}
