#include "forms/Twips.h"

#include "common/Twips.h"

#include <QWidget>

namespace hestova::forms::Twips {

int toPixels(double twips)
{
    static_assert(PerPixel == hestova::controls::TwipsPerPixel);
    return hestova::controls::pixelsFromTwips(twips);
}

int left(const QWidget *widget) { return fromPixels(widget->x()); }
int top(const QWidget *widget) { return fromPixels(widget->y()); }
int width(const QWidget *widget) { return fromPixels(widget->width()); }
int height(const QWidget *widget) { return fromPixels(widget->height()); }

void setLeft(QWidget *widget, int twips) { widget->move(toPixels(twips), widget->y()); }
void setTop(QWidget *widget, int twips) { widget->move(widget->x(), toPixels(twips)); }
void setWidth(QWidget *widget, int twips) { widget->resize(toPixels(twips), widget->height()); }
void setHeight(QWidget *widget, int twips) { widget->resize(widget->width(), toPixels(twips)); }

void move(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(toPixels(QRect(left, top, width, height)));
}

QRect toPixels(const QRect &twips)
{
    return QRect(toPixels(twips.x()), toPixels(twips.y()), toPixels(twips.width()), toPixels(twips.height()));
}

}  // namespace hestova::forms::Twips
