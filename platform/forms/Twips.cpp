#include "forms/Twips.h"

#include <QWidget>

namespace hestova::forms::Twips {

int left(const QWidget *widget) { return twipsFromPixels(widget->x()); }
int top(const QWidget *widget) { return twipsFromPixels(widget->y()); }
int width(const QWidget *widget) { return twipsFromPixels(widget->width()); }
int height(const QWidget *widget) { return twipsFromPixels(widget->height()); }

void setLeft(QWidget *widget, int twips) { widget->move(pixelsFromTwips(twips), widget->y()); }
void setTop(QWidget *widget, int twips) { widget->move(widget->x(), pixelsFromTwips(twips)); }
void setWidth(QWidget *widget, int twips) { widget->resize(pixelsFromTwips(twips), widget->height()); }
void setHeight(QWidget *widget, int twips) { widget->resize(widget->width(), pixelsFromTwips(twips)); }

void move(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(toPixels(QRect(left, top, width, height)));
}

QRect toPixels(const QRect &twips)
{
    return QRect(pixelsFromTwips(twips.x()), pixelsFromTwips(twips.y()), pixelsFromTwips(twips.width()),
                 pixelsFromTwips(twips.height()));
}

}  // namespace hestova::forms::Twips
