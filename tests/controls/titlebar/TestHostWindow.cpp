#include "TestHostWindow.h"

#include "screen/Twips.h"

#include <QVariant>

using hestova::controls::LateBound;
using hestova::controls::objectArgument;

TestHostWindow::TestHostWindow(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), m_client(new QWidget(this))
{
    m_client->setObjectName(QStringLiteral("client"));
    resize(320, 200);
    m_client->setGeometry(rect().adjusted(4, 4, -4, -4));
}

void TestHostWindow::attachBar(QWidget *bar)
{
    m_bar = bar;
    bar->setParent(m_client);
    LateBound lateBound(bar);
    lateBound.set("Height", 280);
    lateBound.invoke("Convert", {objectArgument(this)});
    lateBound.set("Top", 0);
    lateBound.set("Left", 0);
    bar->show();
}

int TestHostWindow::windowStateValue() const
{
    const Qt::WindowStates state = windowState();
    if (state & Qt::WindowMinimized)
        return 1;
    if (state & Qt::WindowMaximized)
        return 2;
    return 0;
}

void TestHostWindow::setWindowStateValue(int state)
{
    setWindowState(state == 1 ? Qt::WindowMinimized : state == 2 ? Qt::WindowMaximized : Qt::WindowNoState);
}

int TestHostWindow::scaleWidth() const
{
    return hestova::twipsFromPixels(m_client->width());
}

int TestHostWindow::scaleHeight() const
{
    return hestova::twipsFromPixels(m_client->height());
}

void TestHostWindow::Unload()
{
    ++unloadCount;
    hide();
}

void TestHostWindow::paintEvent(QPaintEvent *)
{
    ++paintCount;
    if (!m_bar)
        return;
    LateBound lateBound(m_bar);
    lateBound.invoke("DrawFrmBorder", {objectArgument(this), borderColor1, borderColor2});
    if (!backgroundFile.isEmpty())
        lateBound.invoke("DrawBG", {objectArgument(this), backgroundFile});
}

void TestHostWindow::resizeEvent(QResizeEvent *)
{
    m_client->setGeometry(rect().adjusted(4, 4, -4, -4));
    if (m_bar) {
        LateBound lateBound(m_bar);
        lateBound.set("Width", scaleWidth());
        lateBound.invoke("DrawFrmBorder", {objectArgument(this), borderColor1, borderColor2});
    }
}
