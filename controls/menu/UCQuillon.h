#pragma once

#include "MenuLook.h"

#include "common/UserControl.h"

#include <QPointer>

namespace hestova::quillon {

// The menu control a window carries: fifteen appearance values kept in the window's property bag, Convert
// (gives the window an engine with these values and converts its menus) and UnloadMenu (returns the window
// converted last by this control to plain menus). Its own small window shows "Quillon"; it stays hidden
// unless a host shows it.
class UCQuillon : public controls::UserControl {
    Q_OBJECT
    Q_CLASSINFO("ProgID", "Quillon.UCQuillon")
    Q_CLASSINFO("DispId.SelIcon", "0x68030000")
    Q_CLASSINFO("DispId.SetFont", "0x68030001")
    Q_CLASSINFO("DispId.Colorjb", "0x68030002")
    Q_CLASSINFO("DispId.ColorShadow", "0x68030003")
    Q_CLASSINFO("DispId.ColSytleSel", "0x68030004")
    Q_CLASSINFO("DispId.BorderSytleSel", "0x68030005")
    Q_CLASSINFO("DispId.BorderColor", "0x68030006")
    Q_CLASSINFO("DispId.ColorForeSel", "0x68030007")
    Q_CLASSINFO("DispId.ColorFore", "0x68030008")
    Q_CLASSINFO("DispId.ColorRightSel", "0x68030009")
    Q_CLASSINFO("DispId.ColorRight", "0x6803000a")
    Q_CLASSINFO("DispId.ColorLeftSel", "0x6803000b")
    Q_CLASSINFO("DispId.ColorLeft", "0x6803000c")
    Q_CLASSINFO("DispId.ItemHeight", "0x6803000d")
    Q_CLASSINFO("DispId.BitmapWidth", "0x6803000e")
    Q_CLASSINFO("DispId.Convert", "0x60030014")
    Q_CLASSINFO("DispId.UnloadMenu", "0x60030015")
    // Help texts of the properties, as a designer shows them (read through controls::memberDescription).
    Q_CLASSINFO("Description.SelIcon", "复选菜单的图标")
    Q_CLASSINFO("Description.SetFont", "菜单文字是否应用窗体的字体")
    Q_CLASSINFO("Description.ColorShadow", "图标阴影颜色")
    Q_CLASSINFO("Description.ColSytleSel", "选中时颜色填充样式")
    Q_CLASSINFO("Description.BorderSytleSel", "选中时边框样式")
    Q_CLASSINFO("Description.BorderColor", "选中时边框颜色")
    Q_CLASSINFO("Description.ColorForeSel", "选中时字体颜色")
    Q_CLASSINFO("Description.ColorFore", "字体颜色")
    Q_CLASSINFO("Description.ColorRightSel", "文字部分选中时的背景颜色")
    Q_CLASSINFO("Description.ColorRight", "文字部分的背景颜色")
    Q_CLASSINFO("Description.ColorLeftSel", "图标部分选中时的背景颜色")
    Q_CLASSINFO("Description.ColorLeft", "图标部分的背景颜色")
    Q_CLASSINFO("Description.ItemHeight", "菜单项高度，大于BitmapWidth")
    Q_CLASSINFO("Description.BitmapWidth", "图标大小")

    Q_PROPERTY(QVariant SelIcon READ SelIcon WRITE setSelIcon)
    Q_PROPERTY(bool SetFont READ SetFont WRITE setSetFont)
    Q_PROPERTY(uint Colorjb READ Colorjb WRITE setColorjb)
    Q_PROPERTY(uint ColorShadow READ ColorShadow WRITE setColorShadow)
    Q_PROPERTY(int ColSytleSel READ ColSytleSel WRITE setColSytleSel)
    Q_PROPERTY(int BorderSytleSel READ BorderSytleSel WRITE setBorderSytleSel)
    Q_PROPERTY(uint BorderColor READ BorderColor WRITE setBorderColor)
    Q_PROPERTY(uint ColorForeSel READ ColorForeSel WRITE setColorForeSel)
    Q_PROPERTY(uint ColorFore READ ColorFore WRITE setColorFore)
    Q_PROPERTY(uint ColorRightSel READ ColorRightSel WRITE setColorRightSel)
    Q_PROPERTY(uint ColorRight READ ColorRight WRITE setColorRight)
    Q_PROPERTY(uint ColorLeftSel READ ColorLeftSel WRITE setColorLeftSel)
    Q_PROPERTY(uint ColorLeft READ ColorLeft WRITE setColorLeft)
    Q_PROPERTY(short ItemHeight READ ItemHeight WRITE setItemHeight)
    Q_PROPERTY(short BitmapWidth READ BitmapWidth WRITE setBitmapWidth)

public:
    explicit UCQuillon(QWidget *parent = nullptr);

    QVariant SelIcon() const { return m_look.SelIcon; }
    void setSelIcon(const QVariant &value);
    bool SetFont() const { return m_look.SetFont; }
    void setSetFont(bool value);
    uint Colorjb() const { return m_look.Colorjb; }
    void setColorjb(uint value);
    uint ColorShadow() const { return m_look.ColorShadow; }
    void setColorShadow(uint value);
    int ColSytleSel() const { return m_look.ColSytleSel; }
    void setColSytleSel(int value);
    int BorderSytleSel() const { return m_look.BorderSytleSel; }
    void setBorderSytleSel(int value);
    uint BorderColor() const { return m_look.BorderColor; }
    void setBorderColor(uint value);
    uint ColorForeSel() const { return m_look.ColorForeSel; }
    void setColorForeSel(uint value);
    uint ColorFore() const { return m_look.ColorFore; }
    void setColorFore(uint value);
    uint ColorRightSel() const { return m_look.ColorRightSel; }
    void setColorRightSel(uint value);
    uint ColorRight() const { return m_look.ColorRight; }
    void setColorRight(uint value);
    uint ColorLeftSel() const { return m_look.ColorLeftSel; }
    void setColorLeftSel(uint value);
    uint ColorLeft() const { return m_look.ColorLeft; }
    void setColorLeft(uint value);
    short ItemHeight() const { return m_look.ItemHeight; }
    void setItemHeight(short value);
    short BitmapWidth() const { return m_look.BitmapWidth; }
    void setBitmapWidth(short value);

    // wndHandle: the host window object or its native window id; ilHandle: the image list or null.
    // Returns -1 (True). A window converted before gets a fresh engine in place of its old one.
    Q_INVOKABLE short Convert(const QVariant &wndHandle, QObject *ilHandle, bool bMainMenu);
    // Returns the window this control converted last to plain menus; error 91 when it has no engine.
    Q_INVOKABLE QVariant UnloadMenu();

    void InitProperties() override;
    void ReadProperties(const controls::PropertyBag &bag) override;
    void WriteProperties(controls::PropertyBag &bag) const override;

    const MenuLook &look() const { return m_look; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    template <typename T>
    void store(T &field, const T &value, const char *name);

    MenuLook m_look;
    QPointer<QWidget> m_host;
};

}  // namespace hestova::quillon
