#pragma once

#include <QVariant>
#include <QWidget>

namespace hestova::titlebar {

// One of the bar's image areas: shows a picture stretched to its size and reports the mouse.
class ImageArea : public QWidget {
    Q_OBJECT
public:
    explicit ImageArea(QWidget *parent = nullptr);

    const QVariant &picture() const { return m_picture; }
    void setPicture(const QVariant &picture);

signals:
    void pressed(Qt::MouseButton button);
    void hovered();                         // mouse moved over it with no button held
    void released(Qt::MouseButton button);  // any button released over it
    void clicked();                         // left button pressed and released over it

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QVariant m_picture;
    bool m_leftPressed = false;
};

}  // namespace hestova::titlebar
