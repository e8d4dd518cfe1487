#include "UCtitlebar.h"

#include "CaptionLayout.h"
#include "HostWindow.h"
#include "ImageArea.h"
#include "Module1.h"

#include "common/MessageBoxHook.h"
#include "common/Picture.h"
#include "screen/Twips.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

namespace hestova::titlebar {

namespace {

using controls::Picture::none;

const QString DefaultCaption = QStringLiteral("标题栏");
constexpr const char *BackgroundReportedProperty = "_hestova_background_reported";

}  // namespace

UCtitlebar::UCtitlebar(QWidget *parent)
    : UserControl(parent),
      m_image1(new ImageArea(this)),
      m_image2(new ImageArea(this)),
      m_image3(new ImageArea(this)),
      m_image4(new ImageArea(this))
{
    setMouseTracking(true);
    m_image2->setToolTip(QStringLiteral("最小化"));
    m_image3->setToolTip(QStringLiteral("最大化"));
    m_image4->setToolTip(QStringLiteral("关闭"));
    connectArea(m_image1, &m_imageTitleN, &m_imageTitleF, &m_imageTitleD);
    connectArea(m_image2, &m_imageMinN, &m_imageMinF, &m_imageMinD);
    connectArea(m_image3, &m_currentN, &m_currentF, &m_currentD);
    connectArea(m_image4, &m_imageCloseN, &m_imageCloseF, &m_imageCloseD);

    connect(m_image2, &ImageArea::clicked, this, [this] {
        if (m_frm)
            HostWindow::setWindowState(m_frm, HostWindow::Minimized);
    });
    connect(m_image3, &ImageArea::clicked, this, [this] {
        if (m_frm)
            toggleMaximized();
    });
    connect(m_image4, &ImageArea::clicked, this, [this] {
        // Unloading destroys this bar too: leave the mouse handler first.
        if (QObject *host = m_frm)
            QTimer::singleShot(0, host, [host] { HostWindow::unload(host); });
    });

    setFont(controls::defaultControlFont());
    InitProperties();
}

UCtitlebar::~UCtitlebar() = default;

void UCtitlebar::connectArea(ImageArea *area, const QVariant *normal, const QVariant *hover, const QVariant *pressed)
{
    connect(area, &ImageArea::pressed, this, [area, pressed](Qt::MouseButton button) {
        if (button == Qt::LeftButton)
            showIfSet(area, *pressed);
    });
    connect(area, &ImageArea::hovered, this, [area, hover] { showIfSet(area, *hover); });
    connect(area, &ImageArea::released, this, [area, normal, hover](Qt::MouseButton) {
        showIfSet(area, controls::Picture::isNone(*hover) ? *normal : *hover);
    });
}

void UCtitlebar::showIfSet(ImageArea *area, const QVariant &picture)
{
    if (!controls::Picture::isNone(picture))
        area->setPicture(picture);
}

ImageArea *UCtitlebar::image(int number) const
{
    switch (number) {
    case 1: return m_image1;
    case 2: return m_image2;
    case 3: return m_image3;
    case 4: return m_image4;
    default: return nullptr;
    }
}

// ---- persistence

void UCtitlebar::InitProperties()
{
    m_backColor = DefaultBackColor;
    m_imageTitleN = none();
    for (QVariant *picture : {&m_imageTitleF, &m_imageTitleD, &m_imageMaxN, &m_imageMaxF, &m_imageMaxD,
                              &m_imageRestoreN, &m_imageRestoreF, &m_imageRestoreD, &m_imageMinN, &m_imageMinF,
                              &m_imageMinD, &m_imageCloseN, &m_imageCloseF, &m_imageCloseD})
        *picture = controls::Picture::empty();
    m_btnsize = DefaultBtnsize;
    m_bMin = m_bMax = m_bClose = true;
    m_caption = DefaultCaption;
    m_bgPic = none();
    setFont(ambientFont());
    update();
}

void UCtitlebar::ReadProperties(const controls::PropertyBag &bag)
{
    m_backColor = bag.read(QStringLiteral("BackColor"), DefaultBackColor).toUInt();
    m_imageTitleN = bag.read(QStringLiteral("ImageTitleN"));
    m_image1->setPicture(m_imageTitleN);
    m_imageTitleF = bag.read(QStringLiteral("ImageTitleF"));
    m_imageTitleD = bag.read(QStringLiteral("ImageTitleD"));
    m_imageMaxN = bag.read(QStringLiteral("ImageMaxN"));
    m_imageMaxF = bag.read(QStringLiteral("ImageMaxF"));
    m_imageMaxD = bag.read(QStringLiteral("ImageMaxD"));
    m_imageRestoreN = bag.read(QStringLiteral("ImageRestoreN"));
    m_imageRestoreF = bag.read(QStringLiteral("ImageRestoreF"));
    m_imageRestoreD = bag.read(QStringLiteral("ImageRestoreD"));
    m_imageMinN = bag.read(QStringLiteral("ImageMinN"));
    m_image2->setPicture(m_imageMinN);
    m_imageMinF = bag.read(QStringLiteral("ImageMinF"));
    m_imageMinD = bag.read(QStringLiteral("ImageMinD"));
    m_imageCloseN = bag.read(QStringLiteral("ImageCloseN"));
    m_image4->setPicture(m_imageCloseN);
    m_imageCloseF = bag.read(QStringLiteral("ImageCloseF"));
    m_imageCloseD = bag.read(QStringLiteral("ImageCloseD"));
    m_btnsize = bag.read(QStringLiteral("Btnsize"), DefaultBtnsize).toInt();
    m_bMin = bag.read(QStringLiteral("bMin"), true).toBool();
    m_image2->setVisible(m_bMin);
    m_bMax = bag.read(QStringLiteral("bMax"), true).toBool();
    m_image3->setVisible(m_bMax);
    m_caption = bag.read(QStringLiteral("Caption"), DefaultCaption).toString();
    m_bgPic = bag.read(QStringLiteral("BGpic"));
    setFont(bag.read(QStringLiteral("Font"), ambientFont()).value<QFont>());
    m_foreColor = bag.read(QStringLiteral("ForeColor"), DefaultForeColor).toUInt();
    m_frm = bag.read(QStringLiteral("frm")).value<QObject *>();
    m_image3->setPicture(m_imageRestoreN);
    m_bClose = bag.read(QStringLiteral("bClose"), true).toBool();
    m_image4->setVisible(m_bClose);
    layoutAreas();
    update();
}

void UCtitlebar::WriteProperties(controls::PropertyBag &bag) const
{
    bag.write(QStringLiteral("BackColor"), m_backColor, DefaultBackColor);
    bag.write(QStringLiteral("ImageTitleN"), m_imageTitleN);
    bag.write(QStringLiteral("ImageTitleF"), m_imageTitleF);
    bag.write(QStringLiteral("ImageTitleD"), m_imageTitleD);
    bag.write(QStringLiteral("ImageMaxN"), m_imageMaxN);
    bag.write(QStringLiteral("ImageMaxF"), m_imageMaxF);
    bag.write(QStringLiteral("ImageMaxD"), m_imageMaxD);
    bag.write(QStringLiteral("ImageRestoreN"), m_imageRestoreN);
    bag.write(QStringLiteral("ImageRestoreF"), m_imageRestoreF);
    bag.write(QStringLiteral("ImageRestoreD"), m_imageRestoreD);
    bag.write(QStringLiteral("ImageMinN"), m_imageMinN);
    bag.write(QStringLiteral("ImageMinF"), m_imageMinF);
    bag.write(QStringLiteral("ImageMinD"), m_imageMinD);
    bag.write(QStringLiteral("ImageCloseN"), m_imageCloseN);
    bag.write(QStringLiteral("ImageCloseF"), m_imageCloseF);
    bag.write(QStringLiteral("ImageCloseD"), m_imageCloseD);
    bag.write(QStringLiteral("Btnsize"), m_btnsize, DefaultBtnsize);
    bag.write(QStringLiteral("bMin"), m_bMin, true);
    bag.write(QStringLiteral("bMax"), m_bMax, true);
    bag.write(QStringLiteral("Caption"), m_caption, DefaultCaption);
    bag.write(QStringLiteral("BGpic"), m_bgPic);
    bag.write(QStringLiteral("Font"), font(), ambientFont());
    bag.write(QStringLiteral("ForeColor"), m_foreColor, DefaultForeColor);
    bag.write(QStringLiteral("frm"), m_frm ? QVariant::fromValue<QObject *>(m_frm.data()) : QVariant());
    bag.write(QStringLiteral("bClose"), m_bClose, true);
}

// ---- properties: store, announce, then act

void UCtitlebar::announce(const char *name)
{
    emit PropertyChanged(QString::fromLatin1(name));
}

void UCtitlebar::storePicture(QVariant &member, const QVariant &picture, const char *name, ImageArea *shows)
{
    member = picture;
    announce(name);
    if (shows)
        shows->setPicture(picture);
}

void UCtitlebar::setBackColor(uint color)
{
    m_backColor = color;
    announce("BackColor");
    repaintBar();
}

void UCtitlebar::setImageTitleN(const QVariant &picture)
{
    storePicture(m_imageTitleN, picture, "ImageTitleN", m_image1);
}

void UCtitlebar::setImageTitleF(const QVariant &picture)
{
    storePicture(m_imageTitleF, picture, "ImageTitleF", nullptr);
}

void UCtitlebar::setImageTitleD(const QVariant &picture)
{
    storePicture(m_imageTitleD, picture, "ImageTitleD", nullptr);
}

void UCtitlebar::setImageMaxN(const QVariant &picture)
{
    storePicture(m_imageMaxN, picture, "ImageMaxN", m_image3);
}

void UCtitlebar::setImageMaxF(const QVariant &picture)
{
    storePicture(m_imageMaxF, picture, "ImageMaxF", nullptr);
}

void UCtitlebar::setImageMaxD(const QVariant &picture)
{
    storePicture(m_imageMaxD, picture, "ImageMaxD", nullptr);
}

void UCtitlebar::setImageRestoreN(const QVariant &picture)
{
    storePicture(m_imageRestoreN, picture, "ImageRestoreN", nullptr);
}

void UCtitlebar::setImageRestoreF(const QVariant &picture)
{
    storePicture(m_imageRestoreF, picture, "ImageRestoreF", nullptr);
}

void UCtitlebar::setImageRestoreD(const QVariant &picture)
{
    storePicture(m_imageRestoreD, picture, "ImageRestoreD", nullptr);
}

void UCtitlebar::setImageMinN(const QVariant &picture)
{
    storePicture(m_imageMinN, picture, "ImageMinN", m_image2);
}

void UCtitlebar::setImageMinF(const QVariant &picture)
{
    storePicture(m_imageMinF, picture, "ImageMinF", nullptr);
}

void UCtitlebar::setImageMinD(const QVariant &picture)
{
    storePicture(m_imageMinD, picture, "ImageMinD", nullptr);
}

void UCtitlebar::setImageCloseN(const QVariant &picture)
{
    storePicture(m_imageCloseN, picture, "ImageCloseN", m_image4);
}

void UCtitlebar::setImageCloseF(const QVariant &picture)
{
    storePicture(m_imageCloseF, picture, "ImageCloseF", nullptr);
}

void UCtitlebar::setImageCloseD(const QVariant &picture)
{
    storePicture(m_imageCloseD, picture, "ImageCloseD", nullptr);
}

void UCtitlebar::setBtnsize(int pixels)
{
    m_btnsize = pixels;
    announce("Btnsize");
}

void UCtitlebar::setbMin(bool present)
{
    m_bMin = present;
    announce("bMin");
    m_image2->setVisible(present);
}

void UCtitlebar::setbMax(bool present)
{
    m_bMax = present;
    announce("bMax");
    m_image3->setVisible(present);
    layoutAreas();
}

void UCtitlebar::setCaption(const QString &caption)
{
    m_caption = caption;
    announce("Caption");
    repaintBar();
}

void UCtitlebar::setBGpic(const QVariant &picture)
{
    m_bgPic = picture;
    announce("BGpic");
    repaintBar();
}

void UCtitlebar::setFont_(const QFont &font)
{
    setFont(font);
    announce("Font");
    repaintBar();
}

void UCtitlebar::setForeColor(uint color)
{
    m_foreColor = color;
    announce("ForeColor");
    repaintBar();
}

void UCtitlebar::setfrm(QObject *host)
{
    m_frm = host;
    announce("frm");
}

void UCtitlebar::setbClose(bool present)
{
    m_bClose = present;
    announce("bClose");
    m_image4->setVisible(present);
}

// ---- methods

bool UCtitlebar::Convert(QObject *frmnow)
{
    setfrm(frmnow);
    Module1::RemoveCaption(frmnow);
    setWidth(HostWindow::scaleWidth(frmnow));
    return false;
}

bool UCtitlebar::DrawFrmBorder(QObject *frmnow, uint BorderColor1, uint BorderColor2)
{
    Module1::DrawBorderRects(frmnow, BorderColor1, BorderColor2);
    return false;
}

bool UCtitlebar::MaxMin(QObject *frmnow, int minw, int minh, int maxw, int maxh)
{
    Module1::HookMinMax(HostWindow::window(frmnow), minw, minh, maxw, maxh);
    return false;
}

bool UCtitlebar::FreeMaxMin()
{
    Module1::UnhookMinMax();
    return false;
}

void UCtitlebar::DrawBG(QObject *Ctl, const QString &pic)
{
    QWidget *target = HostWindow::widget(Ctl);
    if (!target)
        return;
    const QPixmap background(pic);
    if (background.isNull()) {
        // Reported once per window; later paints go on without the background.
        if (!target->property(BackgroundReportedProperty).toBool()) {
            target->setProperty(BackgroundReportedProperty, true);
            QPointer<QWidget> parentWindow = target;
            auto report = [parentWindow] {
                controls::showMessageBox(parentWindow, QStringLiteral("载入背景图出错！"),
                                         controls::MsgBoxStyle::Critical, QStringLiteral("错误"));
            };
            // No box can open in the middle of a paint: show it right after.
            if (target->testAttribute(Qt::WA_WState_InPaintEvent))
                QTimer::singleShot(0, target, report);
            else
                report();
        }
        return;
    }
    const QRect client = HostWindow::clientRect(Ctl);
    if (!target->testAttribute(Qt::WA_WState_InPaintEvent)) {
        target->update(client);
        return;
    }
    const QSize area(pixelsFromTwips(HostWindow::scaleWidth(Ctl)),
                     pixelsFromTwips(HostWindow::scaleHeight(Ctl)));
    QPainter painter(target);
    painter.setClipRect(client);
    for (const QPoint &origin : tileOrigins(area, background.size()))
        painter.drawPixmap(client.topLeft() + origin, background);
}

// ---- layout and painting

void UCtitlebar::resizeEvent(QResizeEvent *event)
{
    UserControl::resizeEvent(event);
    layoutAreas();
}

void UCtitlebar::layoutAreas()
{
    repaintBar();
    const CaptionLayout layout = layoutCaption(m_btnsize, Width(), Height(), m_bMax);
    const int side = pixelsFromTwips(layout.size);
    const int top = pixelsFromTwips(layout.top);
    m_image1->setGeometry(pixelsFromTwips(layout.iconLeft), top, side, side);
    m_image2->setGeometry(pixelsFromTwips(layout.minLeft), top, side, side);
    m_image3->setGeometry(pixelsFromTwips(layout.maxLeft), top, side, side);
    m_image4->setGeometry(pixelsFromTwips(layout.closeLeft), top, side, side);
}

void UCtitlebar::repaintBar()
{
    refreshPictures();
    update();
}

void UCtitlebar::refreshPictures()
{
    if (m_frm) {
        const int state = HostWindow::windowState(m_frm);
        if (state == HostWindow::Maximized) {
            m_currentN = m_imageRestoreN;
            m_currentF = m_imageRestoreF;
            m_currentD = m_imageRestoreD;
            m_image3->setToolTip(QStringLiteral("还原"));
        } else if (state == HostWindow::Normal) {
            m_currentN = m_imageMaxN;
            m_currentF = m_imageMaxF;
            m_currentD = m_imageMaxD;
            m_image3->setToolTip(QStringLiteral("最大化"));
        }
    }
    restoreNormalPictures();
}

void UCtitlebar::restoreNormalPictures()
{
    showIfSet(m_image1, m_imageTitleN);
    showIfSet(m_image2, m_imageMinN);
    showIfSet(m_image3, m_currentN);
    showIfSet(m_image4, m_imageCloseN);
}

void UCtitlebar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(m_backColor));
    if (!controls::Picture::isNone(m_bgPic)) {
        const QPixmap tile = controls::Picture::toPixmap(m_bgPic);
        for (const QPoint &origin : tileOrigins(size(), tile.size()))
            painter.drawPixmap(origin, tile);
    }
    m_textRect = captionTextRect(m_btnsize, Width(), Height());
    if (m_textRect.isValid()) {
        painter.setFont(font());
        painter.setPen(toQColor(m_foreColor));
        const QString text = QFontMetrics(font()).elidedText(m_caption, Qt::ElideRight, m_textRect.width());
        painter.drawText(m_textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
}

// ---- mouse on the bar's own surface

UCtitlebar::MouseArguments UCtitlebar::mouseArguments(const QMouseEvent *event) const
{
    short button = 0;
    switch (event->button()) {
    case Qt::LeftButton: button = 1; break;
    case Qt::RightButton: button = 2; break;
    case Qt::MiddleButton: button = 4; break;
    default: break;
    }
    short shift = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (event->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (event->modifiers() & Qt::AltModifier)
        shift |= 4;
    const QPointF position = event->position();
    return {button, shift, float(pixelsToTwips(position.x())), float(pixelsToTwips(position.y()))};
}

void UCtitlebar::mousePressEvent(QMouseEvent *event)
{
    const MouseArguments arguments = mouseArguments(event);
    if (m_frm && !Module1::DragForm(m_frm)) {
        // The bar moves the window itself until the button is released; MouseDown follows the drag.
        if (QWidget *window = HostWindow::window(m_frm)) {
            m_dragging = true;
            m_dragStartGlobal = event->globalPosition().toPoint();
            m_dragStartWindow = window->pos();
            m_pendingMouseDown = arguments;
            return;
        }
    }
    emit MouseDown(arguments.button, arguments.shift, arguments.x, arguments.y);
}

void UCtitlebar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragging && m_frm) {
        if (QWidget *window = HostWindow::window(m_frm))
            window->move(m_dragStartWindow + (event->globalPosition().toPoint() - m_dragStartGlobal));
    }
    restoreNormalPictures();
}

void UCtitlebar::mouseReleaseEvent(QMouseEvent *event)
{
    QPointer<UCtitlebar> self(this);
    if (m_dragging) {
        m_dragging = false;
        emit MouseDown(m_pendingMouseDown.button, m_pendingMouseDown.shift, m_pendingMouseDown.x,
                       m_pendingMouseDown.y);
        if (!self)
            return;
    }
    const MouseArguments arguments = mouseArguments(event);
    if (!rect().contains(event->position().toPoint()))
        return;
    emit Mouseup(arguments.button, arguments.shift, arguments.x, arguments.y);
    if (!self)
        return;
    if (m_doubleClickRelease) {
        m_doubleClickRelease = false;
        return;
    }
    if (event->button() == Qt::LeftButton)
        emit Click();
}

void UCtitlebar::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        mousePressEvent(event);
        return;
    }
    m_doubleClickRelease = true;
    if (m_bMax && m_frm && HostWindow::borderStyle(m_frm) == HostWindow::Sizable)
        toggleMaximized();
}

void UCtitlebar::toggleMaximized()
{
    const int state = HostWindow::windowState(m_frm);
    if (state == HostWindow::Normal)
        HostWindow::setWindowState(m_frm, HostWindow::Maximized);
    else if (state == HostWindow::Maximized)
        HostWindow::setWindowState(m_frm, HostWindow::Normal);
}

}  // namespace hestova::titlebar
