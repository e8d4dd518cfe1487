#pragma once

#include "ItemRecords.h"
#include "MenuLook.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>

class QAction;
class QMenu;
class QPainter;
class QStyle;
class QWidget;

namespace hestova::quillon {

class MenuWndProc;
class QuillonStyle;

// A measuring request for one menu item (the menu asks how big the item is).
struct MeasureItemStruct {
    int CtlType = 1;  // 1: a menu item
    QWidget *menu = nullptr;
    QAction *action = nullptr;
    quint32 itemData = 0;
    int itemWidth = 0;
    int itemHeight = 0;
};

// A drawing request for one menu item.
struct DrawItemStruct {
    int CtlType = 1;  // 1: a menu item
    QWidget *menu = nullptr;
    QAction *action = nullptr;
    int itemState = 0;  // ODS_SELECTED, ODS_GRAYED, ODS_CHECKED
    QPainter *hDC = nullptr;
    QRect rcItem;
    quint32 itemData = 0;
};

// The menu engine of one host window: turns the window's menus into owner-drawn menus, keeps one record per
// converted item, measures and draws those items with the look's colours and sizes, and answers their mnemonic
// keys. Popups are converted as they open and turned back when the whole menu closes; the menu bar is
// converted at Install.
class CQuillon : public QObject {
    Q_OBJECT
public:
    explicit CQuillon(QObject *parent = nullptr);
    ~CQuillon() override;

    // The fifteen values, copied in by Convert.
    const MenuLook &look() const { return m_look; }
    void setLook(const MenuLook &look) { m_look = look; }

    // Hooks wnd (converting its menu bar when bMainMenu) or, with wnd null, unhooks the window and turns all
    // its menus back to plain ones. Returns true.
    bool Install(QWidget *wnd, QObject *ilHandle, bool bColorEmbossed, bool bMainMenu);
    QWidget *hostWindow() const { return m_host; }
    bool isInstalled() const { return m_hook != nullptr; }

    // bShowButtons true converts every item of menu to owner-drawn, false turns them back.
    // Permanent marks menu-bar records and does not remember the menu.
    void ConvertMenu(QWidget *menu, int nIndex, bool bSysMenu, bool bShowButtons, bool Permanent);

    // 0-based image whose tag begins the item's text (case ignored, empty tags skipped); -1 for none.
    qint16 GetButtonIndex(const QString &sMenuText) const;

    void DrawPic(QPainter &hdcmb, const QVariant &pic, int lTop, int lLeft, int lwidth, int lheight, int Picx,
                 int Picy) const;
    void DrawICOshadow(QPainter &hdcmb, const QVariant &pic, int lTop, int lLeft, int lwidth, int lheight) const;

    // Called by the hook.
    void OnInitMenuPopup(QMenu *hMenu, int nIndex, bool bSysMenu);
    void OnMenuSelect(int item, int flags, QWidget *hMenu);
    qint32 OnMenuChar(QChar character, int flags, QMenu *hMenu);
    bool OnMeasureItem(MeasureItemStruct &mis);
    bool OnDrawItem(DrawItemStruct &dis);
    QFont GetMenuFont(bool rebuild);

    // The records of the converted items; an item's record is found by its item-data number.
    const CItemDatas &records() const { return m_items; }
    std::shared_ptr<CItemData> recordOf(QAction *action) const;  // null when the item is not owner-drawn
    QList<QPointer<QWidget>> rememberedPopups() const { return m_popups; }

    // The text an item shows: its caption, then a Tab and its shortcut when it has one.
    static QString menuText(const QAction *action);
    // The item-data number of an item (0: none).
    static quint32 itemDataOf(const QAction *action);

private:
    void RememberPopup(QWidget *menu);
    void DrawItemText(QPainter &hDC, const QRect &rect, const QString &text, const QColor &color, bool leftAligned);
    void FillColor(QPainter &hDC, const QRect &rect, quint32 color) const;
    void DrawEmbossedIcon(QPainter &hDC, int index, const QPoint &point) const;
    void DrawIconShadow(QPainter &hDC, int index, const QPoint &point) const;
    void DrawImage(QPainter &hDC, int index, const QPoint &point) const;
    void FillHighlight(QPainter &hDC, const QRect &r) const;
    int measureText(const QString &text, QWidget *menu);
    QFont textFont(QWidget *menu);
    void applyStyle(QWidget *menu);
    void removeStyle(QWidget *menu);
    void uninstall();

    MenuLook m_look;
    QPointer<QWidget> m_host;
    QPointer<QObject> m_imageList;
    CItemDatas m_items;
    quint32 m_nextItemData = 1;
    QList<QPointer<QWidget>> m_popups;
    QList<QPointer<QWidget>> m_styledMenus;
    QPointer<QWidget> m_menuBar;
    QFont m_menuFont;
    bool m_hasMenuFont = false;
    bool m_bColorEmbossed = false;  // kept as given; grayed icons and shadows use the picture's shape either way
    QuillonStyle *m_style = nullptr;
    MenuWndProc *m_hook = nullptr;
};

}  // namespace hestova::quillon
