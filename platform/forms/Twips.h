#pragma once

#include <QRect>

class QWidget;

namespace hestova::forms {

// Lengths of the program are twips; the screen has 15 twips per pixel.
namespace Twips {

constexpr int PerPixel = 15;

// Twips to pixels, to the nearest pixel; halves go to the even neighbour.
int toPixels(double twips);
constexpr int fromPixels(int pixels) { return pixels * PerPixel; }

// A child widget's place in its parent, in twips.
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
