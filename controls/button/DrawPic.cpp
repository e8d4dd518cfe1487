#include "button/DrawPic.h"

#include "common/PictureDrawing.h"
#include "screen/OleColor.h"

#include <QRect>

namespace hestova::tobrel {

namespace PictureDrawing = controls::PictureDrawing;

void DrawPic::drawPic(QPainter &target, const QVariant &pic, int top, int left, int width, int height, int picX,
                      int picY) const
{
    PictureDrawing::drawPlain(target, pic, QRect(left, top, width, height), QSize(picX, picY));
}

void DrawPic::drawDisabledPic(QPainter &target, const QVariant &pic, int top, int left, int width, int height,
                              int picX, int picY) const
{
    PictureDrawing::drawDisabled(target, pic, QRect(left, top, width, height), QSize(picX, picY),
                                 toQColor(systemColor(SystemColor::ButtonHighlight)),
                                 toQColor(systemColor(SystemColor::ButtonShadow)));
}

void DrawPic::drawShadowPic(QPainter &target, const QVariant &pic, int top, int left, int width, int height,
                            int picX, int picY, const QColor &shadowColor) const
{
    PictureDrawing::drawShadow(target, pic, QRect(left, top, width, height), QSize(picX, picY), shadowColor);
}

}  // namespace hestova::tobrel
