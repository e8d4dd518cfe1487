#include "button/SharedToolTip.h"

#include <QLabel>
#include <QPointer>

namespace hestova::tobrel::SharedToolTip {

namespace {

// Module data of one thread: the window and the count of the buttons that may use it.
struct ThreadData {
    QPointer<QLabel> window;
    bool created = false;
    int buttonCount = 0;
};

ThreadData &data()
{
    thread_local ThreadData threadData;
    return threadData;
}

}  // namespace

void countButton()
{
    ++data().buttonCount;
}

void uncountButton()
{
    ThreadData &d = data();
    if (d.buttonCount > 0)
        --d.buttonCount;
    if (d.created && d.buttonCount == 0) {
        delete d.window;
        d.created = false;
    }
}

int buttonCount()
{
    return data().buttonCount;
}

void ensureWindow()
{
    ThreadData &d = data();
    if (d.created)
        return;
    auto *label = new QLabel;
    label->setObjectName(QStringLiteral("TobrelToolTip"));
    label->setWindowFlags(Qt::ToolTip | Qt::WindowStaysOnTopHint);
    label->setAttribute(Qt::WA_ShowWithoutActivating);
    label->setForegroundRole(QPalette::ToolTipText);
    label->setBackgroundRole(QPalette::ToolTipBase);
    label->setAutoFillBackground(true);
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setMargin(2);
    label->setTextFormat(Qt::PlainText);
    d.window = label;
    d.created = true;
}

bool created()
{
    return data().created;
}

QLabel *window()
{
    return data().created ? data().window.data() : nullptr;
}

void show(const QString &text, const QPoint &globalPos)
{
    QLabel *label = window();
    if (!label)
        return;
    label->setText(text);
    label->adjustSize();
    label->move(globalPos + QPoint(2, 20));
    label->show();
}

void hide()
{
    if (QLabel *label = window())
        label->hide();
}

}  // namespace hestova::tobrel::SharedToolTip
