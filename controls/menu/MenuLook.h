#pragma once

#include "screen/OleColor.h"

#include <QVariant>

namespace hestova::quillon {

// The fifteen appearance values of the menu control, with their defaults; the engine gets a copy at Convert.
// Colours are plain 0x00BBGGRR numbers.
struct MenuLook {
    qint16 BitmapWidth = 16;
    qint16 ItemHeight = 24;
    OleColor ColorLeft = 0xFF8080;
    OleColor ColorLeftSel = 0xE0E0E0;
    OleColor ColorRight = 0xE0E0E0;
    OleColor ColorRightSel = 0x8080FF;
    OleColor ColorFore = 0;
    OleColor ColorForeSel = 0xC00000;
    OleColor BorderColor = 0x800000;
    int BorderSytleSel = 1;
    int ColSytleSel = 0;
    OleColor ColorShadow = 0x808080;
    OleColor Colorjb = 0xFFFFFF;
    bool SetFont = false;
    QVariant SelIcon;  // a QPixmap (bitmap) or QIcon (icon); empty for none
};

}  // namespace hestova::quillon
