#include "common/MessageBoxHook.h"

#include <QMessageBox>

namespace hestova::controls {

namespace {

MessageBoxFunction &current()
{
    static MessageBoxFunction function;
    return function;
}

int plainMessageBox(QWidget *parent, const QString &prompt, int buttons, const QString &title)
{
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    switch (buttons & 0x70) {
    case MsgBoxStyle::Critical: icon = QMessageBox::Critical; break;
    case 32: icon = QMessageBox::Question; break;
    case MsgBoxStyle::Exclamation: icon = QMessageBox::Warning; break;
    case MsgBoxStyle::Information: icon = QMessageBox::Information; break;
    default: break;
    }
    QMessageBox box(icon, title, prompt, QMessageBox::Ok, parent);
    box.exec();
    return MsgBoxStyle::AnswerOk;
}

}  // namespace

void setMessageBoxFunction(const MessageBoxFunction &show)
{
    current() = show;
}

int showMessageBox(QWidget *parent, const QString &prompt, int buttons, const QString &title)
{
    if (current())
        return current()(parent, prompt, buttons, title);
    return plainMessageBox(parent, prompt, buttons, title);
}

}  // namespace hestova::controls
