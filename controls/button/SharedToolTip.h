#pragma once

#include <QPoint>
#include <QString>

class QLabel;

namespace hestova::tobrel {

// The one tooltip window that all buttons of the thread share. Buttons are counted while they live; the
// window is created by the first button set up at run time and destroyed when the count falls back to 0,
// so a button set up later gets a new one.
namespace SharedToolTip {

void countButton();
void uncountButton();  // destroys the window after the last counted button
int buttonCount();

// Creates the window unless it exists.
void ensureWindow();
bool created();
QLabel *window();  // nullptr while not created

// Shows text at globalPos (the window must exist; otherwise nothing happens).
void show(const QString &text, const QPoint &globalPos);
void hide();

}  // namespace SharedToolTip

}  // namespace hestova::tobrel
