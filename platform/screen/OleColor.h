#pragma once

#include <QColor>
#include <QString>
#include <QtGlobal>
#include <optional>

namespace hestova {

// A colour as the windows and the control libraries store it: 0x00BBGGRR, or a system colour 0x800000nn
// (nn = index into the system colour table).
using OleColor = quint32;

constexpr bool isSystemColor(OleColor color)
{
    return (color & 0x80000000u) != 0;
}

constexpr OleColor rgb(int red, int green, int blue)
{
    return OleColor(red & 0xFF) | (OleColor(green & 0xFF) << 8) | (OleColor(blue & 0xFF) << 16);
}

// With translation: a system colour becomes the table's colour. Without (libraries whose colours are plain
// numbers): the low 24 bits are read as 0x00BBGGRR whatever the top bit says.
QColor toQColor(OleColor color, bool translateSystemColor = true);
OleColor fromQColor(const QColor &color);

// Reads "&HB08000", "&H80000005&", "0xB08000" or decimal text; nothing for anything else.
std::optional<OleColor> parseOleColor(const QString &text);

// The fixed table of system colours (index as in a system colour value) and system metrics.
namespace SystemColor {
constexpr int ScrollBar = 0, Background = 1, ActiveCaption = 2, InactiveCaption = 3, Menu = 4, Window = 5,
              WindowFrame = 6, MenuText = 7, WindowText = 8, CaptionText = 9, ActiveBorder = 10,
              InactiveBorder = 11, AppWorkspace = 12, Highlight = 13, HighlightText = 14, ButtonFace = 15,
              ButtonShadow = 16, GrayText = 17, ButtonText = 18, InactiveCaptionText = 19, ButtonHighlight = 20,
              DarkShadow3D = 21, Light3D = 22, InfoText = 23, InfoBackground = 24, HotLight = 26,
              GradientActiveCaption = 27, GradientInactiveCaption = 28, MenuHighlight = 29, MenuBar = 30;
constexpr int Count = 31;
}  // namespace SystemColor

// 0x00BBGGRR of a system colour index; black for an index outside the table.
OleColor systemColor(int index);

namespace SystemMetric {
constexpr int ScreenWidth = 0, ScreenHeight = 1, VScrollWidth = 2, HScrollHeight = 3, CaptionHeight = 4,
              BorderWidth = 5, BorderHeight = 6, FixedFrameWidth = 7, FixedFrameHeight = 8, IconWidth = 11,
              IconHeight = 12, CursorWidth = 13, CursorHeight = 14, MenuHeight = 15, FullScreenWidth = 16,
              FullScreenHeight = 17, SizeFrameWidth = 32, SizeFrameHeight = 33, EdgeWidth = 45,
              EdgeHeight = 46, SmallIconWidth = 49, SmallIconHeight = 50, SmallCaptionHeight = 51,
              MenuBarButtonWidth = 54, MenuBarButtonHeight = 55, MenuCheckWidth = 71, MenuCheckHeight = 72;
}  // namespace SystemMetric

// The table's value of a system metric index (pixels); 0 for an index outside the table.
int systemMetric(int index);

}  // namespace hestova
