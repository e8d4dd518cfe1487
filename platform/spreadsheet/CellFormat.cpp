#include "spreadsheet/CellFormat.h"

#include "core/AppError.h"
#include "screen/OleColor.h"

namespace hestova::spreadsheet {

namespace {

constexpr int InsideSlot = 4;

AppError badValue(const char *member, int value)
{
    return AppError(ErrorNumber::InvalidArgument,
                    QStringLiteral("单元格格式 %1 的值 %2 无效").arg(QLatin1String(member)).arg(value));
}

}  // namespace

int bgrFromColor(const QColor &color)
{
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

CellFormat::CellFormat(const CellStyle &style, QObject *parent) : QObject(parent), m_style(style)
{
    // The inside lines start as the cell's right edge: the line it shares with its neighbour.
    m_inside = style.borders[RightEdge];
}

void CellFormat::setFontSize(double points)
{
    if (!(points >= 1 && points <= 409))
        throw badValue("FontSize", int(points));
    m_style.fontSize = points;
    m_set.set(Size);
}

void CellFormat::setFontName(const QString &name)
{
    if (name.trimmed().isEmpty())
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("单元格格式 FontName 不能为空"));
    m_style.fontName = name;
    m_set.set(Name);
}

void CellFormat::setFontCharSet(int charSet)
{
    if (charSet < 0 || charSet > 255)
        throw badValue("FontCharSet", charSet);
    m_style.fontCharSet = charSet;
    m_set.set(CharSet);
}

int CellFormat::AlignVertical() const
{
    return int(m_style.vAlign) + 1;
}

void CellFormat::setAlignVertical(int code)
{
    if (code < 1 || code > 3)
        throw badValue("AlignVertical", code);
    m_style.vAlign = VAlign(code - 1);
    m_set.set(VAlignMember);
}

int CellFormat::AlignHorizontal() const
{
    return int(m_style.hAlign) + 1;
}

void CellFormat::setAlignHorizontal(int code)
{
    if (code < 1 || code > 4)
        throw badValue("AlignHorizontal", code);
    m_style.hAlign = HAlign(code - 1);
    m_set.set(HAlignMember);
}

int CellFormat::slotOf(int index)
{
    if (index >= LeftEdge && index <= BottomEdge)
        return index;
    if (index == InsideIndex)
        return InsideSlot;
    throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("边线序号 %1 无效").arg(index));
}

int CellFormat::BorderStyle(int index) const
{
    const int slot = slotOf(index);
    return int(slot == InsideSlot ? m_inside.style : m_style.borders[slot].style);
}

void CellFormat::setBorderStyle(int index, int code)
{
    const int slot = slotOf(index);
    if (code < int(LineStyle::None) || code > int(LineStyle::Double))
        throw badValue("BorderStyle", code);
    (slot == InsideSlot ? m_inside : m_style.borders[slot]).style = LineStyle(code);
    m_styleSet.set(slot);
}

int CellFormat::BorderColor(int index) const
{
    const int slot = slotOf(index);
    return bgrFromColor(slot == InsideSlot ? m_inside.color : m_style.borders[slot].color);
}

void CellFormat::setBorderColor(int index, int bgr)
{
    const int slot = slotOf(index);
    if (bgr < 0 || bgr > 0xFFFFFF)
        throw badValue("BorderColor", bgr);
    (slot == InsideSlot ? m_inside : m_style.borders[slot]).color = toQColor(quint32(bgr));
    m_colorSet.set(slot);
}

void CellFormat::applyTo(CellStyle &target, const std::array<bool, 4> &outerEdges) const
{
    if (m_set[Size])
        target.fontSize = m_style.fontSize;
    if (m_set[Name])
        target.fontName = m_style.fontName;
    if (m_set[CharSet])
        target.fontCharSet = m_style.fontCharSet;
    if (m_set[VAlignMember])
        target.vAlign = m_style.vAlign;
    if (m_set[HAlignMember])
        target.hAlign = m_style.hAlign;
    for (int edge = LeftEdge; edge <= BottomEdge; ++edge) {
        const int slot = outerEdges[edge] ? edge : InsideSlot;
        const Border &source = slot == InsideSlot ? m_inside : m_style.borders[slot];
        if (m_styleSet[slot])
            target.borders[edge].style = source.style;
        if (m_colorSet[slot])
            target.borders[edge].color = source.color;
    }
}

}  // namespace hestova::spreadsheet
