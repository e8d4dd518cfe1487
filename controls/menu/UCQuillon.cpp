#include "UCQuillon.h"

#include "CQuillon.h"
#include "MenuEngines.h"

#include "common/Picture.h"
#include "core/AppError.h"
#include "screen/Twips.h"

#include <QPainter>

namespace hestova::quillon {

namespace {
using hestova::ErrorNumber::ObjectNotSet;
constexpr int OwnWidthTwips = 915;
constexpr int OwnHeightTwips = 315;

OleColor colorOf(const QVariant &value)
{
    return static_cast<OleColor>(value.toLongLong() & 0xFFFFFFFF);
}
}  // namespace

UCQuillon::UCQuillon(QWidget *parent) : UserControl(parent)
{
    setFixedSize(pixelsFromTwips(OwnWidthTwips), pixelsFromTwips(OwnHeightTwips));
    m_look.SelIcon = controls::Picture::empty();
    hide();  // the control works without being seen
}

template <typename T>
void UCQuillon::store(T &field, const T &value, const char *name)
{
    field = value;
    emit PropertyChanged(QString::fromLatin1(name));
}

void UCQuillon::setSelIcon(const QVariant &value) { store(m_look.SelIcon, value, "SelIcon"); }
void UCQuillon::setSetFont(bool value) { store(m_look.SetFont, value, "SetFont"); }
void UCQuillon::setColorjb(uint value) { store(m_look.Colorjb, value, "Colorjb"); }
void UCQuillon::setColorShadow(uint value) { store(m_look.ColorShadow, value, "ColorShadow"); }
void UCQuillon::setColSytleSel(int value) { store(m_look.ColSytleSel, value, "ColSytleSel"); }
void UCQuillon::setBorderSytleSel(int value) { store(m_look.BorderSytleSel, value, "BorderSytleSel"); }
void UCQuillon::setBorderColor(uint value) { store(m_look.BorderColor, value, "BorderColor"); }
void UCQuillon::setColorForeSel(uint value) { store(m_look.ColorForeSel, value, "ColorForeSel"); }
void UCQuillon::setColorFore(uint value) { store(m_look.ColorFore, value, "ColorFore"); }
void UCQuillon::setColorRightSel(uint value) { store(m_look.ColorRightSel, value, "ColorRightSel"); }
void UCQuillon::setColorRight(uint value) { store(m_look.ColorRight, value, "ColorRight"); }
void UCQuillon::setColorLeftSel(uint value) { store(m_look.ColorLeftSel, value, "ColorLeftSel"); }
void UCQuillon::setColorLeft(uint value) { store(m_look.ColorLeft, value, "ColorLeft"); }
void UCQuillon::setItemHeight(short value) { store(m_look.ItemHeight, value, "ItemHeight"); }
void UCQuillon::setBitmapWidth(short value) { store(m_look.BitmapWidth, value, "BitmapWidth"); }

short UCQuillon::Convert(const QVariant &wndHandle, QObject *ilHandle, bool bMainMenu)
{
    QWidget *host = MenuEngines::windowOf(wndHandle);
    if (!host)
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("无效的窗口句柄"));
    auto *engine = new CQuillon(host);
    MenuEngines::SetMenuEngine(host, engine);
    engine->setLook(m_look);
    engine->Install(host, ilHandle, false, bMainMenu);
    m_host = host;
    return -1;
}

QVariant UCQuillon::UnloadMenu()
{
    if (!m_host || !MenuEngines::ClearMenuEngine(m_host))
        throw AppError(ObjectNotSet, QStringLiteral("对象变量或 With 块变量未设置"));
    return {};
}

void UCQuillon::InitProperties()
{
    m_look = MenuLook();
    m_look.SelIcon = controls::Picture::empty();
}

void UCQuillon::ReadProperties(const controls::PropertyBag &bag)
{
    const MenuLook d;
    m_look.BitmapWidth = short(bag.read("BitmapWidth", d.BitmapWidth).toInt());
    m_look.ItemHeight = short(bag.read("ItemHeight", d.ItemHeight).toInt());
    m_look.ColorLeft = colorOf(bag.read("ColorLeft", d.ColorLeft));
    m_look.ColorLeftSel = colorOf(bag.read("ColorLeftSel", d.ColorLeftSel));
    m_look.ColorRight = colorOf(bag.read("ColorRight", d.ColorRight));
    m_look.ColorRightSel = colorOf(bag.read("ColorRightSel", d.ColorRightSel));
    m_look.ColorFore = colorOf(bag.read("ColorFore", d.ColorFore));
    m_look.ColorForeSel = colorOf(bag.read("ColorForeSel", d.ColorForeSel));
    m_look.BorderColor = colorOf(bag.read("BorderColor", d.BorderColor));
    m_look.BorderSytleSel = bag.read("BorderSytleSel", d.BorderSytleSel).toInt();
    m_look.ColSytleSel = bag.read("ColSytleSel", d.ColSytleSel).toInt();
    m_look.ColorShadow = colorOf(bag.read("ColorShadow", d.ColorShadow));
    m_look.Colorjb = colorOf(bag.read("Colorjb", d.Colorjb));
    m_look.SetFont = bag.read("SetFont", d.SetFont).toBool();
    m_look.SelIcon = bag.read("SelIcon");
}

void UCQuillon::WriteProperties(controls::PropertyBag &bag) const
{
    const MenuLook d;
    bag.write("BitmapWidth", m_look.BitmapWidth, d.BitmapWidth);
    bag.write("ItemHeight", m_look.ItemHeight, d.ItemHeight);
    bag.write("ColorLeft", m_look.ColorLeft, d.ColorLeft);
    bag.write("ColorLeftSel", m_look.ColorLeftSel, d.ColorLeftSel);
    bag.write("ColorRight", m_look.ColorRight, d.ColorRight);
    bag.write("ColorRightSel", m_look.ColorRightSel, d.ColorRightSel);
    bag.write("ColorFore", m_look.ColorFore, d.ColorFore);
    bag.write("ColorForeSel", m_look.ColorForeSel, d.ColorForeSel);
    bag.write("BorderColor", m_look.BorderColor, d.BorderColor);
    bag.write("BorderSytleSel", m_look.BorderSytleSel, d.BorderSytleSel);
    bag.write("ColSytleSel", m_look.ColSytleSel, d.ColSytleSel);
    bag.write("ColorShadow", m_look.ColorShadow, d.ColorShadow);
    bag.write("Colorjb", m_look.Colorjb, d.Colorjb);
    bag.write("SetFont", m_look.SetFont, d.SetFont);
    // A picture object is stored; no picture (or an empty one) leaves the entry out.
    bag.write("SelIcon", controls::Picture::hasImage(m_look.SelIcon) ? m_look.SelIcon : QVariant(), QVariant());
}

void UCQuillon::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, QStringLiteral("Quillon"));
}

}  // namespace hestova::quillon
