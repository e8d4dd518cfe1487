#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace hestova::controls {

// Style values and answers of the message boxes that control libraries show (the host's values).
namespace MsgBoxStyle {
constexpr int OkOnly = 0;
constexpr int Critical = 16;
constexpr int Exclamation = 48;
constexpr int Information = 64;
constexpr int AnswerOk = 1;
}  // namespace MsgBoxStyle

// Shows one box: prompt, buttons plus icon (MsgBoxStyle values), title; returns the answer.
using MessageBoxFunction =
    std::function<int(QWidget *parent, const QString &prompt, int buttons, const QString &title)>;

// Replaces the box service of this module (a library or the host); an empty function restores the default,
// a plain QMessageBox.
void setMessageBoxFunction(const MessageBoxFunction &show);

// Every box a control library shows goes through here.
int showMessageBox(QWidget *parent, const QString &prompt, int buttons, const QString &title);

}  // namespace hestova::controls
