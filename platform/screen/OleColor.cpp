#include "screen/OleColor.h"

#include <array>

namespace hestova {

namespace {

// One fixed look, the same on every machine, so that drawings and tests do not depend on the desktop theme.
constexpr std::array<OleColor, SystemColor::Count> systemColors = {
    rgb(200, 200, 200),  // ScrollBar
    rgb(58, 110, 165),   // Background
    rgb(10, 36, 106),    // ActiveCaption
    rgb(128, 128, 128),  // InactiveCaption
    rgb(212, 208, 200),  // Menu
    rgb(255, 255, 255),  // Window
    rgb(0, 0, 0),        // WindowFrame
    rgb(0, 0, 0),        // MenuText
    rgb(0, 0, 0),        // WindowText
    rgb(255, 255, 255),  // CaptionText
    rgb(212, 208, 200),  // ActiveBorder
    rgb(212, 208, 200),  // InactiveBorder
    rgb(128, 128, 128),  // AppWorkspace
    rgb(10, 36, 106),    // Highlight
    rgb(255, 255, 255),  // HighlightText
    rgb(212, 208, 200),  // ButtonFace
    rgb(128, 128, 128),  // ButtonShadow
    rgb(128, 128, 128),  // GrayText
    rgb(0, 0, 0),        // ButtonText
    rgb(212, 208, 200),  // InactiveCaptionText
    rgb(255, 255, 255),  // ButtonHighlight
    rgb(64, 64, 64),     // DarkShadow3D
    rgb(212, 208, 200),  // Light3D
    rgb(0, 0, 0),        // InfoText
    rgb(255, 255, 225),  // InfoBackground
    rgb(181, 181, 181),  // 25: unused
    rgb(0, 0, 128),      // HotLight
    rgb(166, 202, 240),  // GradientActiveCaption
    rgb(192, 192, 192),  // GradientInactiveCaption
    rgb(10, 36, 106),    // MenuHighlight
    rgb(212, 208, 200),  // MenuBar
};

struct MetricEntry {
    int index;
    int value;
};

constexpr MetricEntry systemMetrics[] = {
    {SystemMetric::ScreenWidth, 1024},      {SystemMetric::ScreenHeight, 768},
    {SystemMetric::VScrollWidth, 16},       {SystemMetric::HScrollHeight, 16},
    {SystemMetric::CaptionHeight, 18},      {SystemMetric::BorderWidth, 1},
    {SystemMetric::BorderHeight, 1},        {SystemMetric::FixedFrameWidth, 3},
    {SystemMetric::FixedFrameHeight, 3},    {SystemMetric::IconWidth, 32},
    {SystemMetric::IconHeight, 32},         {SystemMetric::CursorWidth, 32},
    {SystemMetric::CursorHeight, 32},       {SystemMetric::MenuHeight, 19},
    {SystemMetric::FullScreenWidth, 1024},  {SystemMetric::FullScreenHeight, 706},
    {SystemMetric::SizeFrameWidth, 4},      {SystemMetric::SizeFrameHeight, 4},
    {SystemMetric::EdgeWidth, 2},           {SystemMetric::EdgeHeight, 2},
    {SystemMetric::SmallIconWidth, 16},     {SystemMetric::SmallIconHeight, 16},
    {SystemMetric::SmallCaptionHeight, 15}, {SystemMetric::MenuBarButtonWidth, 18},
    {SystemMetric::MenuBarButtonHeight, 18}, {SystemMetric::MenuCheckWidth, 13},
    {SystemMetric::MenuCheckHeight, 13},
};

QColor fromBgr(OleColor color)
{
    return QColor(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

}  // namespace

QColor toQColor(OleColor color, bool translateSystemColor)
{
    if (translateSystemColor && isSystemColor(color))
        return fromBgr(systemColor(int(color & 0xFFFF)));
    return fromBgr(color & 0x00FFFFFFu);
}

OleColor fromQColor(const QColor &color)
{
    const QColor c = color.toRgb();
    return rgb(c.red(), c.green(), c.blue());
}

std::optional<OleColor> parseOleColor(const QString &text)
{
    QString digits = text.trimmed();
    int base = 10;
    if (digits.startsWith(QStringLiteral("&H"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
        if (digits.endsWith(QLatin1Char('&')))
            digits.chop(1);
        base = 16;
    } else if (digits.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive)) {
        digits = digits.mid(2);
        base = 16;
    }
    bool ok = false;
    const qulonglong value = digits.toULongLong(&ok, base);
    if (!ok || digits.isEmpty() || value > 0xFFFFFFFFull)
        return std::nullopt;
    return OleColor(value);
}

OleColor systemColor(int index)
{
    if (index < 0 || index >= SystemColor::Count)
        return 0;
    return systemColors.at(std::size_t(index));
}

int systemMetric(int index)
{
    for (const MetricEntry &entry : systemMetrics) {
        if (entry.index == index)
            return entry.value;
    }
    return 0;
}

}  // namespace hestova
