#pragma once

#include "screen/Twips.h"

#include <QRect>

class QWidget;

namespace hestova::forms {

// A child widget's place in its parent, in twips (screen/Twips.h converts).
namespace Twips {

int left(const QWidget *widget);
int top(const QWidget *widget);
int width(const QWidget *widget);
int height(const QWidget *widget);
void setLeft(QWidget *widget, int twips);
void setTop(QWidget *widget, int twips);
void setWidth(QWidget *widget, int twips);
void setHeight(QWidget *widget, int twips);
void move(QWidget *widget, int left, int top, int width, int height);

// A rectangle given in twips (left, top, width, height) as pixels.
QRect toPixels(const QRect &twips);

}  // namespace Twips

}  // namespace hestova::forms
