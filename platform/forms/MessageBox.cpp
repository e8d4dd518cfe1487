#include "forms/MessageBox.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

namespace hestova::forms {

namespace {

MessageBoxService *&currentService()
{
    static MessageBoxService *service = nullptr;
    return service;
}

struct ButtonChoice {
    QMessageBox::StandardButton button;
    int answer;
};

QList<ButtonChoice> buttonsOf(int buttons)
{
    switch (buttons & ButtonSetMask) {
    case vbOKCancel:
        return {{QMessageBox::Ok, vbOK}, {QMessageBox::Cancel, vbCancel}};
    case vbAbortRetryIgnore:
        return {{QMessageBox::Abort, vbAbort}, {QMessageBox::Retry, vbRetry}, {QMessageBox::Ignore, vbIgnore}};
    case vbYesNoCancel:
        return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}, {QMessageBox::Cancel, vbCancel}};
    case vbYesNo:
        return {{QMessageBox::Yes, vbYes}, {QMessageBox::No, vbNo}};
    case vbRetryCancel:
        return {{QMessageBox::Retry, vbRetry}, {QMessageBox::Cancel, vbCancel}};
    default:
        return {{QMessageBox::Ok, vbOK}};
    }
}

int defaultIndex(int buttons, int count)
{
    const int index = (buttons & DefaultButtonMask) >> 8;
    return index < count ? index : 0;
}

QMessageBox::Icon iconOf(int buttons)
{
    switch (buttons & IconMask) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

}  // namespace

int defaultAnswer(int buttons)
{
    const QList<ButtonChoice> choices = buttonsOf(buttons);
    return choices.at(defaultIndex(buttons, choices.size())).answer;
}

void WidgetMessageBoxes::compose(QMessageBox &box, const QString &prompt, int buttons, const QString &title)
{
    box.setIcon(iconOf(buttons));
    box.setWindowTitle(title);
    box.setText(prompt);
    const QList<ButtonChoice> choices = buttonsOf(buttons);
    for (const ButtonChoice &choice : choices)
        box.addButton(choice.button);
    box.setDefaultButton(choices.at(defaultIndex(buttons, choices.size())).button);
}

int WidgetMessageBoxes::show(const QString &prompt, int buttons, const QString &title)
{
    QMessageBox box;
    compose(box, prompt, buttons, title);
    box.exec();
    const QList<ButtonChoice> choices = buttonsOf(buttons);
    const auto pressed = box.standardButton(box.clickedButton());
    for (const ButtonChoice &choice : choices) {
        if (choice.button == pressed)
            return choice.answer;
    }
    // Closed with Escape or the window's close: the Cancel/No answer where the set has one, else the default.
    for (const ButtonChoice &choice : choices) {
        if (choice.answer == vbCancel)
            return vbCancel;
    }
    if ((buttons & ButtonSetMask) == vbYesNo)
        return vbNo;
    return defaultAnswer(buttons);
}

void setMessageBoxService(MessageBoxService *service)
{
    currentService() = service;
}

MessageBoxService &messageBoxService()
{
    static WidgetMessageBoxes widgets;
    MessageBoxService *service = currentService();
    return service ? *service : widgets;
}

int MsgBox(const QString &prompt, int buttons, const QString &title)
{
    const QString shownTitle = title.isEmpty() ? QGuiApplication::applicationDisplayName() : title;
    return messageBoxService().show(prompt, buttons, shownTitle);
}

void ReportError(const hestova::AppError &error)
{
    MsgBox(error.boxText(), vbCritical, QStringLiteral("错误"));
}

ScriptedMessageBoxes::ScriptedMessageBoxes() : m_previous(currentService())
{
    setMessageBoxService(this);
}

ScriptedMessageBoxes::~ScriptedMessageBoxes()
{
    setMessageBoxService(m_previous);
}

void ScriptedMessageBoxes::answerNext(int answer)
{
    m_answers.enqueue(answer);
}

void ScriptedMessageBoxes::clear()
{
    m_answers.clear();
    m_boxes.clear();
}

int ScriptedMessageBoxes::show(const QString &prompt, int buttons, const QString &title)
{
    Box box;
    box.text = prompt;
    box.buttons = buttons;
    box.title = title;
    box.scripted = !m_answers.isEmpty();
    box.answer = box.scripted ? m_answers.dequeue() : defaultAnswer(buttons);
    m_boxes.append(box);
    return box.answer;
}

}  // namespace hestova::forms
