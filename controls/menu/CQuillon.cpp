#include "CQuillon.h"

#include "MenuGeometry.h"
#include "MenuWndProc.h"
#include "MenuWords.h"
#include "QuillonStyle.h"

#include "common/EdgeDrawing.h"
#include "common/LateBound.h"
#include "common/Picture.h"
#include "common/PictureDrawing.h"
#include "core/AppError.h"
#include "screen/OleColor.h"

#include <QAction>
#include <QFontMetrics>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QWidget>

namespace hestova::quillon {

using namespace geometry;
namespace Edge = controls::Edge;
namespace EdgeSide = controls::EdgeSide;

namespace {
// Dynamic properties an item carries while the engine owns its drawing.
constexpr char OwnerDrawProperty[] = "quillonOwnerDraw";
constexpr char ItemDataProperty[] = "quillonItemData";

// Saves a painter's state and restores it however the drawing ends.
class PainterState {
public:
    explicit PainterState(QPainter &painter) : m_painter(painter) { m_painter.save(); }
    ~PainterState() { m_painter.restore(); }
    PainterState(const PainterState &) = delete;
    PainterState &operator=(const PainterState &) = delete;

private:
    QPainter &m_painter;
};

QString keyOf(quint32 itemData)
{
    return QString::number(itemData);
}

}  // namespace

CQuillon::CQuillon(QObject *parent) : QObject(parent) {}

CQuillon::~CQuillon()
{
    if (isInstalled())
        uninstall();
}

QString CQuillon::menuText(const QAction *action)
{
    QString text = action->text();
    if (!text.contains(QLatin1Char('\t')) && !action->shortcut().isEmpty())
        text += QLatin1Char('\t') + action->shortcut().toString(QKeySequence::NativeText);
    return text;
}

quint32 CQuillon::itemDataOf(const QAction *action)
{
    return action->property(ItemDataProperty).toUInt();
}

std::shared_ptr<CItemData> CQuillon::recordOf(QAction *action) const
{
    if (!action || !action->property(OwnerDrawProperty).toBool())
        return nullptr;
    const QString key = keyOf(itemDataOf(action));
    return m_items.contains(key) ? m_items.Item(key) : nullptr;
}

bool CQuillon::Install(QWidget *wnd, QObject *ilHandle, bool bColorEmbossed, bool bMainMenu)
{
    if (!wnd) {
        if (isInstalled())
            uninstall();
        return true;
    }
    if (isInstalled())
        uninstall();  // hooking again starts afresh instead of hooking twice
    m_host = wnd;
    m_bColorEmbossed = bColorEmbossed;
    if (!m_style) {
        m_style = new QuillonStyle(this);
        m_style->setParent(this);
    }
    m_hook = new MenuWndProc(this, wnd);
    m_items = CItemDatas();
    m_popups.clear();
    if (bMainMenu) {
        m_menuBar = wnd->findChild<QMenuBar *>();
        if (m_menuBar)
            ConvertMenu(m_menuBar, 0, false, true, true);
    }
    if (ilHandle)
        m_imageList = ilHandle;
    return true;
}

void CQuillon::uninstall()
{
    for (const QPointer<QWidget> &popup : std::as_const(m_popups))
        if (popup)
            ConvertMenu(popup, 0, false, false, false);
    if (m_menuBar)
        ConvertMenu(m_menuBar, 0, false, false, true);
    for (const QPointer<QWidget> &menu : std::as_const(m_styledMenus))
        if (menu)
            removeStyle(menu);
    m_styledMenus.clear();
    delete m_hook;
    m_hook = nullptr;
    m_items = CItemDatas();
    m_imageList = nullptr;
}

void CQuillon::ConvertMenu(QWidget *menu, int nIndex, bool bSysMenu, bool bShowButtons, bool Permanent)
{
    Q_UNUSED(nIndex);
    Q_UNUSED(bSysMenu);  // the menus of this program carry no system commands
    if (!menu)
        return;
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        const bool ownerDraw = action->property(OwnerDrawProperty).toBool();
        quint32 itemData = itemDataOf(action);
        if (bShowButtons) {
            if (!ownerDraw) {
                action->setProperty(OwnerDrawProperty, true);
                std::shared_ptr<CItemData> record;
                if (itemData != 0 && m_items.contains(keyOf(itemData))) {
                    record = m_items.Item(keyOf(itemData));
                } else {
                    // Numbers are never reused while the engine lives, so no two items share a record.
                    while (m_items.contains(keyOf(m_nextItemData)))
                        ++m_nextItemData;
                    itemData = m_nextItemData++;
                    action->setProperty(ItemDataProperty, itemData);
                    record = m_items.Add(QString(), 0, 0, keyOf(itemData));
                    record->fType = MFT_OWNERDRAW | (action->isSeparator() ? MFT_SEPARATOR : 0);
                    record->sMenuText = menuText(action);
                    try {
                        record->iButton = GetButtonIndex(record->sMenuText);
                    } catch (const AppError &error) {
                        // An image list that cannot answer leaves the item without an icon; the menu still opens.
                        qWarning("Quillon: no icon for \"%s\": %s", qPrintable(record->sMenuText),
                                 qPrintable(error.boxText()));
                        record->iButton = -1;
                    }
                }
                record->bMainMenu = Permanent;
            }
            if (!Permanent)
                RememberPopup(menu);
        } else {
            if (ownerDraw)
                action->setProperty(OwnerDrawProperty, QVariant());
            if (itemData != 0) {
                action->setProperty(ItemDataProperty, QVariant());
                if (m_items.contains(keyOf(itemData)))
                    m_items.Remove(keyOf(itemData));
            }
        }
    }
    if (bShowButtons && !actions.isEmpty())
        applyStyle(menu);
    else if (!bShowButtons)
        removeStyle(menu);
}

void CQuillon::applyStyle(QWidget *menu)
{
    if (menu->style() == m_style)
        return;
    menu->setStyle(m_style);
    if (!m_styledMenus.contains(menu))
        m_styledMenus.append(menu);
}

void CQuillon::removeStyle(QWidget *menu)
{
    if (m_style && menu->style() == m_style)
        menu->setStyle(nullptr);
}

void CQuillon::RememberPopup(QWidget *menu)
{
    if (!m_popups.contains(menu))
        m_popups.append(menu);
}

qint16 CQuillon::GetButtonIndex(const QString &sMenuText) const
{
    if (!m_imageList)
        return -1;
    controls::LateBound list(m_imageList);
    controls::LateBound images(list.get("ListImages").value<QObject *>());
    const int count = images.get("Count").toInt();
    for (int i = 1; i <= count; ++i) {
        controls::LateBound image(images.invoke("Item", {i}).value<QObject *>());
        const QString tag = image.get("Tag").toString();
        if (!tag.isEmpty() && sMenuText.startsWith(tag, Qt::CaseInsensitive))
            return qint16(i - 1);
    }
    return -1;
}

void CQuillon::OnInitMenuPopup(QMenu *hMenu, int nIndex, bool bSysMenu)
{
    ConvertMenu(hMenu, nIndex, bSysMenu, true, false);
}

void CQuillon::OnMenuSelect(int item, int flags, QWidget *hMenu)
{
    Q_UNUSED(item);
    if (qint16(flags) != -1 || hMenu)
        return;
    for (const QPointer<QWidget> &popup : std::as_const(m_popups))
        if (popup)
            ConvertMenu(popup, 0, false, false, false);
}

qint32 CQuillon::OnMenuChar(QChar character, int flags, QMenu *hMenu)
{
    Q_UNUSED(flags);
    if (!hMenu)
        return 0;
    const QList<QAction *> actions = hMenu->actions();
    QList<int> matches;
    int highlighted = 0;
    for (int i = 0; i < actions.size(); ++i) {
        QAction *action = actions[i];
        if (const auto record = recordOf(action); record && action->isVisible()) {
            const QString &text = record->sMenuText;
            const qsizetype amp = text.indexOf(QLatin1Char('&'));
            if (amp >= 0 && amp + 1 < text.size() && text[amp + 1].toUpper() == character.toUpper())
                matches.append(i);
        }
        if (action == hMenu->activeAction())
            highlighted = i;
    }
    if (matches.isEmpty())
        return 0;
    if (matches.size() == 1)
        return MakeLong(qint16(matches.first()), MNC_EXECUTE);
    return MakeLong(qint16(matches.contains(highlighted) ? highlighted : matches.first()), MNC_SELECT);
}

QFont CQuillon::GetMenuFont(bool rebuild)
{
    if (rebuild || !m_hasMenuFont) {
        const QFont hostFont = m_host ? m_host->font() : QFont();
        QFont font(hostFont.family());
        if (hostFont.pixelSize() > 0)
            font.setPixelSize(hostFont.pixelSize());
        else
            font.setPointSizeF(hostFont.pointSizeF());
        font.setWeight(hostFont.weight());
        m_menuFont = font;
        m_hasMenuFont = true;
    }
    return m_menuFont;
}

QFont CQuillon::textFont(QWidget *menu)
{
    if (m_look.SetFont)
        return GetMenuFont(false);
    return menu ? menu->font() : QFont();
}

int CQuillon::measureText(const QString &text, QWidget *menu)
{
    QString line = text;
    line.replace(QLatin1Char('\t'), QLatin1Char(' '));
    const QFontMetrics metrics(textFont(menu));
    return metrics.boundingRect(QRect(), Qt::TextSingleLine | Qt::TextShowMnemonic, line).width();
}

bool CQuillon::OnMeasureItem(MeasureItemStruct &mis)
{
    if (mis.CtlType != 1 || mis.itemData == 0)
        return false;
    const auto record = m_items.Item(keyOf(mis.itemData));
    if (record->fType & MFT_SEPARATOR) {
        mis.itemHeight = separatorHeight(systemMetric(SystemMetric::MenuHeight));
        mis.itemWidth = 0;
        return true;
    }
    const int textWidth = measureText(record->sMenuText, mis.menu);
    mis.itemHeight = m_look.ItemHeight;
    mis.itemWidth = record->bMainMenu
        ? textWidth
        : popupItemWidth(textWidth, m_look.BitmapWidth, systemMetric(SystemMetric::MenuCheckWidth));
    return true;
}

void CQuillon::FillColor(QPainter &hDC, const QRect &rect, quint32 color) const
{
    hDC.fillRect(rect, colorOf(color));
}

void CQuillon::DrawImage(QPainter &hDC, int index, const QPoint &point) const
{
    if (index < 0 || !m_imageList)
        return;
    const QImage image = controls::LateBound(m_imageList).invoke("transparentImage", {index}).value<QImage>();
    hDC.drawImage(point, image);
}

void CQuillon::DrawEmbossedIcon(QPainter &hDC, int index, const QPoint &point) const
{
    if (index < 0 || !m_imageList)
        return;
    const QImage image = controls::LateBound(m_imageList).invoke("transparentImage", {index}).value<QImage>();
    controls::PictureDrawing::drawEmbossed(hDC, image, point,
                                           colorOf(systemColor(SystemColor::ButtonHighlight)),
                                           colorOf(systemColor(SystemColor::ButtonShadow)));
}

void CQuillon::DrawIconShadow(QPainter &hDC, int index, const QPoint &point) const
{
    if (index < 0 || !m_imageList)
        return;
    const QImage image = controls::LateBound(m_imageList).invoke("transparentImage", {index}).value<QImage>();
    controls::PictureDrawing::drawMono(hDC, image, point + QPoint(1, 1), colorOf(m_look.ColorShadow));
}

void CQuillon::DrawPic(QPainter &hdcmb, const QVariant &pic, int lTop, int lLeft, int lwidth, int lheight, int Picx,
                       int Picy) const
{
    controls::PictureDrawing::drawPlain(hdcmb, pic, QRect(lLeft, lTop, lwidth, lheight), QSize(Picx, Picy));
}

void CQuillon::DrawICOshadow(QPainter &hdcmb, const QVariant &pic, int lTop, int lLeft, int lwidth, int lheight) const
{
    controls::PictureDrawing::drawShadow(hdcmb, pic, QRect(lLeft, lTop, lwidth, lheight), QSize(lwidth, lheight),
                                         colorOf(m_look.ColorShadow));
}

void CQuillon::FillHighlight(QPainter &hDC, const QRect &r) const
{
    QList<GradientLine> lines;
    switch (m_look.ColSytleSel) {
    case 0:
        FillColor(hDC, r, m_look.ColorRightSel);
        return;
    case 1:
        lines = GradientLeftRight(r, m_look.ColorRightSel, m_look.Colorjb);
        break;
    case 2:
        lines = GradientTopBottom(r, m_look.ColorRightSel, m_look.Colorjb);
        break;
    case 3:
        FillColor(hDC, r, m_look.Colorjb);
        lines = GradientToMiddleV(r, m_look.ColorRightSel, m_look.Colorjb);
        break;
    case 4:
        FillColor(hDC, r, m_look.Colorjb);
        lines = GradientToMiddleH(r, m_look.ColorRightSel, m_look.Colorjb);
        break;
    default:
        return;
    }
    for (const GradientLine &line : std::as_const(lines)) {
        const QRect pixels = line.from.y() == line.to.y()
            ? QRect(line.from.x(), line.from.y(), line.to.x() - line.from.x(), 1)
            : QRect(line.from.x(), line.from.y(), 1, line.to.y() - line.from.y());
        hDC.fillRect(pixels, line.color);
    }
}

void CQuillon::DrawItemText(QPainter &hDC, const QRect &rect, const QString &text, const QColor &color,
                            bool leftAligned)
{
    const qsizetype tab = text.indexOf(QLatin1Char('\t'));
    const QString label = tab < 0 ? text : text.left(tab);
    const QString accelerator = tab < 0 ? QString() : text.mid(tab + 1);
    const PainterState state(hDC);
    hDC.setPen(color);
    if (m_look.SetFont)
        hDC.setFont(GetMenuFont(false));
    const int flags = Qt::TextSingleLine | Qt::AlignVCenter | Qt::TextShowMnemonic;
    hDC.drawText(rect, flags | (leftAligned ? Qt::AlignLeft : Qt::AlignHCenter), label);
    if (!accelerator.isEmpty())
        hDC.drawText(rect, flags | Qt::AlignRight, accelerator);
}

bool CQuillon::OnDrawItem(DrawItemStruct &dis)
{
    if (dis.CtlType != 1 || dis.itemData == 0 || !dis.hDC)
        return false;
    const auto rec = m_items.Item(keyOf(dis.itemData));
    QPainter &hDC = *dis.hDC;
    const QRect rc = dis.rcItem;
    const int right = rc.left() + rc.width();
    const int bottom = rc.top() + rc.height();
    const int IH = m_look.ItemHeight;
    const int BW = m_look.BitmapWidth;
    const bool grayed = dis.itemState & ODS_GRAYED;
    const bool checked = dis.itemState & ODS_CHECKED;
    const bool selected = dis.itemState & ODS_SELECTED;

    const PainterState state(hDC);
    if (!rec->bMainMenu) {
        FillColor(hDC, ltrb(rc.left(), rc.top(), rc.left() + IH, bottom), m_look.ColorLeft);
        FillColor(hDC, ltrb(rc.left() + IH, rc.top(), right, bottom), m_look.ColorRight);
    }
    if (rec->fType & MFT_SEPARATOR) {
        controls::drawEdge(hDC, ltrb(rc.left(), rc.top() + rc.height() / 2, right, bottom), Edge::Etched,
                           EdgeSide::Top);
        return true;
    }

    const QRect box = iconBox(rc, IH, BW);
    const QPoint at = iconPosition(box, BW);
    const bool hasImage = rec->iButton >= 0;
    const bool showsIcon = hasImage || checked;
    const bool hasSelIcon = controls::Picture::hasImage(m_look.SelIcon);
    if (hasImage) {
        if (grayed) {
            DrawEmbossedIcon(hDC, rec->iButton, at);
        } else if (selected || checked) {
            FillColor(hDC, box, m_look.ColorLeftSel);
            if (selected && m_look.BorderSytleSel == 4)
                controls::drawEdge(hDC, box, Edge::RaisedInner, EdgeSide::All);
            else if (selected && m_look.BorderSytleSel == 5)
                controls::drawEdge(hDC, box, Edge::SunkenOuter, EdgeSide::All);
        } else {
            DrawImage(hDC, rec->iButton, at);
        }
    } else if (checked && !selected && hasSelIcon) {
        DrawPic(hDC, m_look.SelIcon, at.y(), at.x(), BW, BW, BW, BW);
    }

    if (rec->bMainMenu)
        FillColor(hDC, rc, systemColor(SystemColor::Menu));

    QRect textRect = rec->bMainMenu ? rc : popupTextRect(rc, IH);
    if (selected && !grayed) {
        if (rec->bMainMenu) {
            FillColor(hDC, rc, m_look.ColorLeft);
            controls::drawEdge(hDC, rc, Edge::SunkenOuter, EdgeSide::All);
            textRect.translate(2, 1);
        } else {
            const QRect hr = highlightRect(rc, IH, showsIcon, m_look.BorderSytleSel);
            FillHighlight(hDC, hr);
            switch (m_look.BorderSytleSel) {
            case 1:
            case 4:
            case 5:
                controls::frameRect(hDC, hr, colorOf(m_look.BorderColor));
                break;
            case 2:
                controls::drawEdge(hDC, hr, Edge::RaisedInner, EdgeSide::All);
                break;
            case 3:
                controls::drawEdge(hDC, hr, Edge::SunkenOuter, EdgeSide::All);
                break;
            default:
                break;
            }
            if (checked && hasSelIcon) {
                DrawICOshadow(hDC, m_look.SelIcon, at.y() + 1, at.x() + 1, BW, BW);
                DrawPic(hDC, m_look.SelIcon, at.y() - 1, at.x() - 1, BW, BW, BW, BW);
            } else if (!checked && hasImage) {
                DrawIconShadow(hDC, rec->iButton, at);
                DrawImage(hDC, rec->iButton, at - QPoint(1, 1));
            }
        }
    }

    const quint32 color = grayed ? 0x808080u : selected ? m_look.ColorForeSel : m_look.ColorFore;
    if (grayed)
        DrawItemText(hDC, textRect.translated(1, 1), rec->sMenuText,
                     colorOf(systemColor(SystemColor::ButtonHighlight)), !rec->bMainMenu);
    DrawItemText(hDC, textRect, rec->sMenuText, colorOf(color), !rec->bMainMenu);
    return true;
}

}  // namespace hestova::quillon
