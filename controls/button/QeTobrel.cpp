#include "button/QeTobrel.h"

#include "button/SharedToolTip.h"
#include "common/EdgeDrawing.h"
#include "common/Picture.h"
#include "common/PropertyBag.h"

#include <QApplication>
#include <QCursor>
#include <QHelpEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcut>

namespace hestova::tobrel {

namespace Picture = controls::Picture;

namespace {

QColor plainColor(OleColor value)
{
    return toQColor(value, false);  // system colours are not translated here
}

QRect toQRect(const PixelRect &rect)
{
    return controls::edgeRect(rect.left, rect.top, rect.right, rect.bottom);
}

PictureKind layoutKind(const QVariant &picture)
{
    switch (Picture::kind(picture)) {
    case Picture::Kind::None:
        return PictureKind::NoObject;
    case Picture::Kind::Empty:
        return PictureKind::Empty;
    case Picture::Kind::Bitmap:
        return PictureKind::Bitmap;
    case Picture::Kind::Icon:
        return PictureKind::Icon;
    }
    return PictureKind::NoObject;
}

// One of the six border styles; any other value draws none.
void drawBorder(QPainter &painter, int style, const ButtonLayout &layout, const QColor &frame)
{
    constexpr int sides = controls::EdgeSide::All | controls::EdgeSide::Soft;
    switch (style) {
    case 1:
        controls::frameRect(painter, toQRect(layout.wholeRect), frame);
        break;
    case 2:
        controls::drawEdge(painter, toQRect(layout.wholeRect), controls::Edge::RaisedOuter, sides);
        break;
    case 3:
        controls::drawEdge(painter, toQRect(layout.wholeRect), controls::Edge::SunkenOuter, sides);
        break;
    case 4:
        controls::frameRect(painter, toQRect(layout.textRect), frame);
        controls::drawEdge(painter, toQRect(layout.pictureRect), controls::Edge::RaisedOuter, sides);
        break;
    case 5:
        controls::frameRect(painter, toQRect(layout.textRect), frame);
        controls::drawEdge(painter, toQRect(layout.pictureRect), controls::Edge::SunkenOuter, sides);
        break;
    default:
        break;
    }
}

int longOf(const QVariant &value)
{
    return saturate32(value.toLongLong());
}

OleColor colourOf(const QVariant &value)
{
    return static_cast<OleColor>(value.toLongLong() & 0xFFFFFFFF);
}

}  // namespace

QeTobrel::QeTobrel(QWidget *parent) : UserControl(parent)
{
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QeTobrel::~QeTobrel()
{
    if (m_hooked)
        SharedToolTip::hide();
    m_hooked = false;
    if (m_counted)
        SharedToolTip::uncountButton();
}

// --- properties -------------------------------------------------------------------------------------

void QeTobrel::setPersent(int value)
{
    m_persent = value;
    changed("Persent", true);
}

void QeTobrel::setButtonStyle(int value)
{
    m_style = value;
    changed("Style", true);
}

void QeTobrel::setImage(const QVariant &picture)
{
    m_image = picture;
    announce("Image");
    // No picture object keeps ImageSize as it is.
    if (!Picture::isNone(picture))
        m_imageSize = nearestPixel(Picture::pixelSize(picture).width());
    paintControl();
}

void QeTobrel::setImageSize(int value)
{
    m_imageSize = value;
    changed("ImageSize", true);
}

void QeTobrel::setColorPnormal(OleColor value)
{
    m_colorPnormal = value;
    changed("ColorPnormal", true);
}

void QeTobrel::setColorPmove(OleColor value)
{
    m_colorPmove = value;
    changed("ColorPmove", false);
}

void QeTobrel::setColorPdown(OleColor value)
{
    m_colorPdown = value;
    changed("ColorPdown", false);
}

void QeTobrel::setColorTnormal(OleColor value)
{
    m_colorTnormal = value;
    changed("ColorTnormal", true);
}

void QeTobrel::setColorTmove(OleColor value)
{
    m_colorTmove = value;
    changed("ColorTmove", false);
}

void QeTobrel::setColorTdown(OleColor value)
{
    m_colorTdown = value;
    changed("ColorTdown", false);
}

void QeTobrel::setBordercolor(OleColor value)
{
    m_bordercolor = value;
    changed("BorderColor", true);
}

void QeTobrel::setShadowColor(OleColor value)
{
    m_shadowColor = value;
    changed("ShadowColor", false);
}

void QeTobrel::setColorFnormal(OleColor value)
{
    m_colorFnormal = value;
    changed("ColorFnormal", true);
}

void QeTobrel::setColorFmove(OleColor value)
{
    m_colorFmove = value;
    changed("ColorFmove", false);
}

void QeTobrel::setColorFdown(OleColor value)
{
    m_colorFdown = value;
    changed("ColorFdown", false);
}

void QeTobrel::setCaption(const QString &value)
{
    m_caption = value;
    changed("Caption", true);
}

void QeTobrel::setBorderStyleOut(int value)
{
    m_borderStyleOut = value;
    changed("BorderStyleOut", true);
}

void QeTobrel::setBorderStyleMove(int value)
{
    m_borderStyleMove = value;
    changed("BorderStyleMove", false);
}

void QeTobrel::setBorderStyleDown(int value)
{
    m_borderStyleDown = value;
    changed("BorderStyleDown", false);
}

bool QeTobrel::isButtonEnabled() const
{
    return !testAttribute(Qt::WA_ForceDisabled);  // the control's own window, not its container's
}

void QeTobrel::setButtonEnabled(bool value)
{
    setEnabled(value);
    if (!value)
        SharedToolTip::hide();  // a disabled window gets no mouse input and shows no tip
    changed("Enabled", true);
}

void QeTobrel::setButtonFont(const QFont &value)
{
    setFont(value);
    changed("Font", true);
}

void QeTobrel::setKeys(const QString &value)
{
    m_keys = value;
    rebuildAccessKeys();
    changed("Keys", false);
}

void QeTobrel::setTipText(const QString &value)
{
    m_tipText = value;
    if (!value.isEmpty())
        m_tipTextAssigned = true;
    changed("", false);
}

QString QeTobrel::toolTipText() const
{
    return m_tipText;
}

void QeTobrel::announce(const char *storedName)
{
    emit PropertyChanged(QString::fromLatin1(storedName));
}

void QeTobrel::changed(const char *storedName, bool repaint)
{
    announce(storedName);
    if (repaint)
        paintControl();
}

// --- layout and drawing -------------------------------------------------------------------------------

void QeTobrel::calcLayout()
{
    const QSize pictureSize = Picture::pixelSize(m_image);
    LayoutInput input;
    input.clientWidth = width();
    input.clientHeight = height();
    input.style = m_style;
    input.persent = m_persent;
    input.picture = layoutKind(m_image);
    input.pictureWidth = pictureSize.width();
    input.pictureHeight = pictureSize.height();
    input.imageSize = m_imageSize;
    tobrel::calcLayout(m_layout, input);
}

void QeTobrel::paintControl()
{
    calcLayout();
    drawbotton(isButtonEnabled() ? Normal : Disabled, m_borderStyleOut);
}

void QeTobrel::drawbotton(int Status_botton, int Status_border)
{
    const int w = m_layout.wholeRect.right;
    const int h = m_layout.wholeRect.bottom;
    if (w <= 0 || h <= 0)
        return;

    OleColor pictureArea = 0, textArea = 0, captionColour = 0;
    switch (Status_botton) {
    case Normal:
    case Disabled:
        pictureArea = m_colorPnormal, textArea = m_colorTnormal, captionColour = m_colorFnormal;
        break;
    case Hover:
        pictureArea = m_colorPmove, textArea = m_colorTmove, captionColour = m_colorFmove;
        break;
    case Pressed:
        pictureArea = m_colorPdown, textArea = m_colorTdown, captionColour = m_colorFdown;
        break;
    default:
        break;  // all black
    }

    // The look is composed off-screen and copied to the control in one piece.
    QImage memory(w, h, QImage::Format_RGB32);
    memory.fill(plainColor(textArea));
    {
        QPainter painter(&memory);
        painter.fillRect(toQRect(m_layout.pictureRect), plainColor(pictureArea));
        painter.fillRect(toQRect(m_layout.textRect), plainColor(textArea));

        if (!Picture::isNone(m_image)) {
            if (!m_drawPic)
                m_drawPic = std::make_unique<DrawPic>();
            const PixelRect &r = m_layout.imageRect;
            const int iw = saturate32(qint64(r.right) - r.left);
            const int ih = saturate32(qint64(r.bottom) - r.top);
            const int liftedTop = saturate32(qint64(r.top) - 1);
            const int liftedLeft = saturate32(qint64(r.left) - 1);
            const int pw = m_layout.picWidth, ph = m_layout.picHeight;
            switch (Status_botton) {
            case Normal:
            case Pressed:
                m_drawPic->drawPic(painter, m_image, r.top, r.left, iw, ih, pw, ph);
                break;
            case Hover:
                m_drawPic->drawShadowPic(painter, m_image, r.top, r.left, iw, ih, pw, ph, plainColor(m_shadowColor));
                m_drawPic->drawPic(painter, m_image, liftedTop, liftedLeft, iw, ih, pw, ph);
                break;
            case Disabled:
                m_drawPic->drawDisabledPic(painter, m_image, liftedTop, liftedLeft, iw, ih, pw, ph);
                break;
            default:
                break;
            }
        }
        drawBorder(painter, Status_border, m_layout, plainColor(m_bordercolor));
    }

    if (m_surface.size() != size())
        m_surface = QImage(size(), QImage::Format_RGB32);
    QPainter surface(&m_surface);
    surface.drawImage(0, 0, memory);
    // The caption goes onto the control's surface after the border and may overlap it.
    surface.setPen(plainColor(captionColour));
    surface.setFont(font());
    surface.drawText(toQRect(m_layout.textRect), Qt::AlignCenter | Qt::TextSingleLine, m_caption);
    surface.end();
    update();
}

void QeTobrel::paintEvent(QPaintEvent *)
{
    // The surface keeps the look drawn last; a new or resized control paints its normal look first.
    if (m_surface.size() != size())
        paintControl();
    QPainter painter(this);
    if (m_surface.size() == size())
        painter.drawImage(0, 0, m_surface);
    else
        painter.fillRect(rect(), plainColor(m_colorTnormal));
}

void QeTobrel::resizeEvent(QResizeEvent *)
{
    calcLayout();
}

// --- mouse, keys and tooltip --------------------------------------------------------------------------

bool QeTobrel::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        // The shared window asks for the text when it shows; a disabled or unhooked button shows none.
        if (m_hooked && isEnabled())
            SharedToolTip::show(toolTipText(), static_cast<QHelpEvent *>(event)->globalPos());
        else
            SharedToolTip::hide();
        return true;
    }
    case QEvent::WindowDeactivate:
        // A box that the Click handler opens takes the activation while the button still shows the look of the
        // click; the handler's end decides.
        letGo(!m_inClick);
        break;
    case QEvent::Leave:
        // The pointer left the button, through its edge or under a window that now lies over it. A menu or box
        // that takes the mouse sends a leave too, with the pointer still over the button: that one is no move.
        letGo(m_hovering && !pointerIsOver());
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

// The column right of and the row below the button count as inside.
bool QeTobrel::isInside(const QPoint &at) const
{
    return at.x() >= 0 && at.x() <= m_layout.wholeRect.right && at.y() >= 0 && at.y() <= m_layout.wholeRect.bottom;
}

// The button itself is under the pointer: not a window lying over it (the window system's stacking, other
// programs' windows included), nor the column or row beside it, which belong to its neighbours.
bool QeTobrel::pointerIsOver() const
{
    return QApplication::widgetAt(QCursor::pos()) == this;
}

// The look of a button that the pointer is not over.
void QeTobrel::endHover()
{
    drawbotton(isButtonEnabled() ? Normal : Disabled, m_borderStyleOut);
    m_hovering = false;
}

void QeTobrel::mouseMoveEvent(QMouseEvent *event)
{
    // Moves outside reach the button only while a press holds the pointer.
    if (!isInside(event->position().toPoint())) {
        letGo(true);
        return;
    }
    if (!m_hovering) {
        drawbotton(Hover, m_borderStyleMove);
        m_hovering = true;
    }
}

void QeTobrel::mousePressEvent(QMouseEvent *event)
{
    if (m_hooked)
        SharedToolTip::hide();
    drawbotton(Pressed, m_borderStyleDown);
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
}

void QeTobrel::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    // Once a move outside has ended the hover, a mouse up away from the button is not the button's.
    if (m_hovering || isInside(at))
        drawbotton(Hover, m_borderStyleMove);
    const bool click = event->button() == Qt::LeftButton && m_leftPressed && rect().contains(at);
    if (event->button() == Qt::LeftButton)
        m_leftPressed = false;
    if (click)
        raiseClick();  // last: the handler may destroy the button
}

void QeTobrel::mouseDoubleClickEvent(QMouseEvent *)
{
    // The second press of a double click is a double click, not a press: no pressed look, no second Click.
}

// Raises Click, by the mouse or by an access key. The button holds no mouse grab: a click aimed at a window
// lying over it, shown with or without the activation, reaches that window.
void QeTobrel::raiseClick()
{
    QPointer<QeTobrel> alive(this);
    m_inClick = true;
    emit Click();
    if (!alive)
        return;  // the handler unloaded the button's window
    m_inClick = false;
    // A menu or box that the handler opened and closed, or a window it disabled, hid or left active, may have left
    // the pointer elsewhere, and no move tells the button so.
    const QWidget *active = QApplication::activeWindow();
    if ((active && active != window()) || !pointerIsOver())
        endHover();
}

void QeTobrel::letGo(bool drawNormal)
{
    if (m_hooked)
        SharedToolTip::hide();
    if (drawNormal)
        endHover();
}

void QeTobrel::rebuildAccessKeys()
{
    qDeleteAll(m_accessKeys);
    m_accessKeys.clear();
    QString seen;
    for (const QChar ch : m_keys) {
        const QChar key = ch.toUpper();
        if (seen.contains(key) || key.isSpace())
            continue;
        seen.append(key);
        auto *shortcut = new QShortcut(QKeySequence(QStringLiteral("Alt+") + key), this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            if (isEnabled())
                raiseClick();
        });
        m_accessKeys.append(shortcut);
    }
}

// --- persistence and the shared tooltip ----------------------------------------------------------------

void QeTobrel::countOnce()
{
    if (m_counted)
        return;
    m_counted = true;
    SharedToolTip::countButton();
}

bool QeTobrel::ambientUserMode() const
{
    const QVariant userMode = parentWidget() ? parentWidget()->property("UserMode") : QVariant();
    return !userMode.isValid() || userMode.toBool();
}

void QeTobrel::setupToolTip()
{
    countOnce();
    if (!ambientUserMode())
        return;  // design time: counted, no window, not hooked
    SharedToolTip::ensureWindow();
    m_hooked = true;
}

void QeTobrel::InitProperties()
{
    m_persent = 30;
    m_style = 0;
    m_image = Picture::empty();
    m_imageSize = 0;
    m_colorPnormal = m_colorPmove = m_colorPdown = 0xC0C0C0;
    m_colorTnormal = m_colorTmove = m_colorTdown = 0xC0C0C0;
    m_bordercolor = 0;
    m_shadowColor = 0;
    m_colorFnormal = m_colorFmove = m_colorFdown = 0;
    m_caption.clear();
    m_borderStyleOut = 0;
    m_borderStyleMove = 2;
    m_borderStyleDown = 3;
    m_tipText = QStringLiteral("0");
    setFont(ambientFont());
    // Counted like every other button so that the shared window outlives it; no tooltip set-up.
    countOnce();
    m_surface = QImage();
    update();
}

void QeTobrel::ReadProperties(const controls::PropertyBag &bag)
{
    m_persent = longOf(bag.read("Persent", 30));
    m_style = longOf(bag.read("Style", 0));
    m_image = bag.read("Image", Picture::none());
    m_imageSize = longOf(bag.read("ImageSize", 0));
    m_colorPnormal = colourOf(bag.read("ColorPnormal", 0xC0C0C0u));
    m_colorPmove = colourOf(bag.read("ColorPmove", 0xC0C0C0u));
    m_colorPdown = colourOf(bag.read("ColorPdown", 0xC0C0C0u));
    m_colorTnormal = colourOf(bag.read("ColorTnormal", 0xC0C0C0u));
    m_colorTmove = colourOf(bag.read("ColorTmove", 0xC0C0C0u));
    m_colorTdown = colourOf(bag.read("ColorTdown", 0xC0C0C0u));
    m_bordercolor = colourOf(bag.read("BorderColor", 0u));
    m_shadowColor = colourOf(bag.read("ShadowColor", 0u));
    m_colorFnormal = colourOf(bag.read("ColorFnormal", 0u));
    m_colorFmove = colourOf(bag.read("ColorFmove", 0u));
    m_colorFdown = colourOf(bag.read("ColorFdown", 0u));
    m_caption = bag.read("Caption", QString()).toString();
    m_borderStyleOut = longOf(bag.read("BorderStyleOut", 0));
    m_borderStyleMove = longOf(bag.read("BorderStyleMove", 2));
    m_borderStyleDown = longOf(bag.read("BorderStyleDown", 3));
    setEnabled(bag.read("Enabled", true).toBool());
    const QVariant font = bag.read("Font", ambientFont());
    setFont(font.canConvert<QFont>() ? font.value<QFont>() : ambientFont());
    m_keys = bag.read("Keys", QString()).toString();
    rebuildAccessKeys();
    m_tipText = bag.read("TipText", QStringLiteral("0")).toString();
    setupToolTip();
    m_surface = QImage();
    update();
}

void QeTobrel::WriteProperties(controls::PropertyBag &bag) const
{
    bag.write("Persent", m_persent, 30);
    bag.write("Style", m_style, 0);
    bag.write("Image", m_image, Picture::none());
    bag.write("ImageSize", m_imageSize, 0);
    bag.write("ColorPnormal", m_colorPnormal, 0xC0C0C0u);
    bag.write("ColorPmove", m_colorPmove, 0xC0C0C0u);
    bag.write("ColorPdown", m_colorPdown, 0xC0C0C0u);
    bag.write("ColorTnormal", m_colorTnormal, 0xC0C0C0u);
    bag.write("ColorTmove", m_colorTmove, 0xC0C0C0u);
    bag.write("ColorTdown", m_colorTdown, 0xC0C0C0u);
    bag.write("BorderColor", m_bordercolor, 0u);
    bag.write("ShadowColor", m_shadowColor, 0u);
    bag.write("ColorFnormal", m_colorFnormal, 0u);
    bag.write("ColorFmove", m_colorFmove, 0u);
    bag.write("ColorFdown", m_colorFdown, 0u);
    bag.write("Caption", m_caption, QString());
    bag.write("BorderStyleOut", m_borderStyleOut, 0);
    bag.write("BorderStyleMove", m_borderStyleMove, 2);
    bag.write("BorderStyleDown", m_borderStyleDown, 3);
    bag.write("Enabled", isButtonEnabled(), true);
    bag.write("Font", font(), ambientFont());
    bag.write("Keys", m_keys, QString());
    bag.write("TipText", m_tipText, QStringLiteral("0"));
}

}  // namespace hestova::tobrel
