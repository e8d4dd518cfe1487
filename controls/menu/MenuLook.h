#pragma once

#include "common/OleColor.h"

#include <QVariant>

namespace hestova::quillon {

// The fifteen appearance values of the menu control, with their defaults; the engine gets a copy at Convert.
// Colours are plain 0x00BBGGRR numbers.
struct MenuLook {
    qint16 BitmapWidth = 16;
    qint16 ItemHeight = 24;
    controls::OleColor ColorLeft = 0xFF8080;
    controls::OleColor ColorLeftSel = 0xE0E0E0;
    controls::OleColor ColorRight = 0xE0E0E0;
    controls::OleColor ColorRightSel = 0x8080FF;
    controls::OleColor ColorFore = 0;
    controls::OleColor ColorForeSel = 0xC00000;
    controls::OleColor BorderColor = 0x800000;
    int BorderSytleSel = 1;
    int ColSytleSel = 0;
    controls::OleColor ColorShadow = 0x808080;
    controls::OleColor Colorjb = 0xFFFFFF;
    bool SetFont = false;
    QVariant SelIcon;  // a QPixmap (bitmap) or QIcon (icon); empty for none
};

}  // namespace hestova::quillon
