#pragma once

#include "core/AppError.h"

#include <QList>
#include <QQueue>
#include <QString>

class QMessageBox;

namespace hestova::forms {

// Buttons, icons and default button of a message box; add one of each.
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbRetryCancel = 5;
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
constexpr int vbDefaultButton1 = 0;
constexpr int vbDefaultButton2 = 256;
constexpr int vbDefaultButton3 = 512;

// Answers.
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

constexpr int ButtonSetMask = 0x7;
constexpr int IconMask = 0x70;
constexpr int DefaultButtonMask = 0x300;

// The answer of the default button of a button set (the first button unless vbDefaultButton2/3 is given).
int defaultAnswer(int buttons);

// Shows one message box and gives the answer. Replaceable so that tests answer instead of the operator.
class MessageBoxService {
public:
    virtual ~MessageBoxService() = default;
    virtual int show(const QString &prompt, int buttons, const QString &title) = 0;
};

// The real boxes, on screen and modal.
class WidgetMessageBoxes : public MessageBoxService {
public:
    int show(const QString &prompt, int buttons, const QString &title) override;

    // Puts text, title, icon, the set's standard buttons (their texts from the platform's catalogue) and the
    // default button on `box`, as show() shows it.
    static void compose(QMessageBox &box, const QString &prompt, int buttons, const QString &title);
};

// The service in use; nullptr restores the real one.
void setMessageBoxService(MessageBoxService *service);
MessageBoxService &messageBoxService();

// A message box; an empty title shows the program's name.
int MsgBox(const QString &prompt, int buttons = vbOKOnly, const QString &title = QString());

// The "错误" box: "number：  description", critical icon. The caller then abandons its handler.
void ReportError(const hestova::AppError &error);

// Test double: answers from a queue that the test fills, records every box, never blocks.
// It replaces the service while it exists and restores the previous one when destroyed.
class ScriptedMessageBoxes : public MessageBoxService {
public:
    struct Box {
        QString text;
        int buttons = 0;  // as given: button set + icon + default button
        QString title;
        int answer = 0;
        bool scripted = false;  // false: nothing was queued, the default button answered

        int icon() const { return buttons & IconMask; }
        int buttonSet() const { return buttons & ButtonSetMask; }
    };

    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;
    ScriptedMessageBoxes(const ScriptedMessageBoxes &) = delete;
    ScriptedMessageBoxes &operator=(const ScriptedMessageBoxes &) = delete;

    void answerNext(int answer);
    bool allAnswersUsed() const { return m_answers.isEmpty(); }
    const QList<Box> &boxes() const { return m_boxes; }
    const Box &last() const { return m_boxes.constLast(); }
    void clear();

    int show(const QString &prompt, int buttons, const QString &title) override;

private:
    QQueue<int> m_answers;
    QList<Box> m_boxes;
    MessageBoxService *m_previous;
};

}  // namespace hestova::forms
