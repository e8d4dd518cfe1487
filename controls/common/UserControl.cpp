#include "common/UserControl.h"

#include "screen/Twips.h"

namespace hestova::controls {

UserControl::UserControl(QWidget *parent) : QWidget(parent) {}

QFont UserControl::ambientFont() const
{
    return parentWidget() ? parentWidget()->font() : defaultControlFont();
}

int UserControl::Left() const { return twipsFromPixels(x()); }
int UserControl::Top() const { return twipsFromPixels(y()); }
int UserControl::Width() const { return twipsFromPixels(width()); }
int UserControl::Height() const { return twipsFromPixels(height()); }
void UserControl::setLeft(int twips) { move(pixelsFromTwips(twips), y()); }
void UserControl::setTop(int twips) { move(x(), pixelsFromTwips(twips)); }
void UserControl::setWidth(int twips) { resize(pixelsFromTwips(twips), height()); }
void UserControl::setHeight(int twips) { resize(width(), pixelsFromTwips(twips)); }

QFont defaultControlFont()
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(9);
    return font;
}

}  // namespace hestova::controls
