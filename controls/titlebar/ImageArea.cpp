#include "ImageArea.h"

#include "common/Picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace hestova::titlebar {

ImageArea::ImageArea(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
}

void ImageArea::setPicture(const QVariant &picture)
{
    m_picture = picture;
    update();
}

void ImageArea::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    controls::Picture::drawStretched(painter, rect(), m_picture);
}

void ImageArea::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    emit pressed(event->button());
}

void ImageArea::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() == Qt::NoButton)
        emit hovered();
}

void ImageArea::mouseReleaseEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->position().toPoint());
    const bool click = event->button() == Qt::LeftButton && m_leftPressed && inside;
    if (event->button() == Qt::LeftButton)
        m_leftPressed = false;
    if (inside)
        emit released(event->button());
    if (click)
        emit clicked();
}

}  // namespace hestova::titlebar
