#pragma once

#include "common/LateBound.h"

#include <QPointer>
#include <QWidget>

// A host window as the program's windows host the title bar: frameless, a 4-pixel outer margin around the
// client area, the window properties the bar reads by name, and the paint and resize steps of a skinned window
// (border rings, tiled background, bar stretched to the client width), all through member names.
class TestHostWindow : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int WindowState READ windowStateValue WRITE setWindowStateValue)
    Q_PROPERTY(int BorderStyle MEMBER borderStyle)
    Q_PROPERTY(int ScaleWidth READ scaleWidth)
    Q_PROPERTY(int ScaleHeight READ scaleHeight)
public:
    explicit TestHostWindow(QWidget *parent = nullptr);

    QWidget *client() const { return m_client; }
    void attachBar(QWidget *bar);  // what a window's load does: places the bar and calls Convert

    int windowStateValue() const;
    void setWindowStateValue(int state);
    int scaleWidth() const;
    int scaleHeight() const;

    Q_INVOKABLE void Unload();

    int borderStyle = 2;
    uint borderColor1 = 0xB08000;
    uint borderColor2 = 0xFFFFFF;
    QString backgroundFile;  // DrawBG's picture; empty: no DrawBG call
    int unloadCount = 0;
    int paintCount = 0;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    QWidget *m_client;
    QPointer<QWidget> m_bar;
};
