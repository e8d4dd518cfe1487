#include "forms/Form.h"

#include "forms/Forms.h"
#include "forms/Handler.h"
#include "forms/MessageBox.h"
#include "forms/Twips.h"
#include "screen/OleColor.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>

namespace hestova::forms {

namespace {
constexpr int FramePixels = Form::FrameTwips / TwipsPerPixel;
}

Form::Form(const QString &definitionName)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      m_client(new QWidget(this))
{
    m_client->setObjectName(QStringLiteral("client"));
    m_definition.name = definitionName;
    RunHandler([this, &definitionName] { applyWindowDefinition(FormDefinition::load(definitionName)); });
    layoutClient();
}

Form::~Form() = default;

void Form::applyWindowDefinition(const FormDefinition &definition)
{
    m_definition = definition;
    setWindowTitle(m_definition.caption);
    if (m_definition.font)
        setFont(*m_definition.font);
    if (m_definition.backColor) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, toQColor(*m_definition.backColor));
        setPalette(palette);
        setAutoFillBackground(true);
    }
    // The designed client area lies inside a sizable frame and under a caption bar; the window keeps that
    // outer size, and the title bar control takes over the caption's height.
    resize(pixelsFromTwips(m_definition.clientWidth + 2 * FrameTwips),
           pixelsFromTwips(m_definition.clientHeight + CaptionTwips + 2 * FrameTwips));
}

void Form::load()
{
    RunHandler([this] { Form_Load(); });
    m_loaded = true;
}

void Form::runUnloadHandler()
{
    RunHandler([this] { Form_Unload(); });
}

void Form::Show()
{
    if (!m_placed) {
        m_placed = true;
        if (m_definition.startUpPosition == FormDefinition::StartUpPosition::Manual) {
            move(pixelsFromTwips(m_definition.left), pixelsFromTwips(m_definition.top));
        } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            const QRect area = screen->availableGeometry();
            move(area.center() - QPoint(width() / 2, height() / 2));
        }
        if (m_maximised) {
            // Maximised at load: the normal place is the designed one, the shown one the whole screen.
            m_normalGeometry = geometry();
            fillScreen();
        }
    }
    applyOwner();
    show();
    raise();
    activateWindow();
    Forms::awaitActivation(this);
}

void Form::setOwner(Form *owner)
{
    m_owner = owner;
    // Only a dialog-type window tells the window manager whom it belongs to.
    const Qt::WindowFlags flags = (owner ? Qt::Dialog : Qt::Window) | Qt::FramelessWindowHint;
    if (windowFlags() != flags)
        setWindowFlags(flags);
}

// At every show, once the window is in its place: a native window made before the move was seen shown where it
// was made (under openbox, now and then), and a change of the window's flags makes it anew.
void Form::applyOwner()
{
    if (!m_owner)
        return;
    create();
    m_owner->create();
    windowHandle()->setTransientParent(m_owner->windowHandle());
}

void Form::Unload()
{
    Forms::Unload(this);
}

int Form::WindowState() const
{
    if (windowState() & Qt::WindowMinimized)
        return vbMinimized;
    return m_maximised ? vbMaximized : vbNormal;
}

// The window maximises itself: our windows are frameless and carry their own title bar, and without a window
// manager (a bare X server) nobody would act on a maximised state. It fills the screen's available area and
// gets its normal place back on restore.
void Form::setWindowStateValue(int state)
{
    switch (state) {
    case vbMinimized:
        setWindowState(Qt::WindowMinimized);
        break;
    case vbMaximized:
        setWindowState(Qt::WindowNoState);
        if (!m_maximised) {
            m_normalGeometry = geometry();
            m_maximised = true;
        }
        if (m_placed)  // a window maximised at load fills the screen when it is first shown
            fillScreen();
        break;
    case vbNormal:
        setWindowState(Qt::WindowNoState);
        if (m_maximised) {
            m_maximised = false;
            setGeometry(m_normalGeometry);
        }
        break;
    default:
        throw hestova::AppError(hestova::ErrorNumber::InvalidArgument,
                                QStringLiteral("无效的窗口状态 %1").arg(state));
    }
}

void Form::fillScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(screen->availableGeometry());
}

int Form::ScaleWidth() const { return twipsFromPixels(m_client->width()); }
int Form::ScaleHeight() const { return twipsFromPixels(m_client->height()); }
int Form::Left() const { return twipsFromPixels(x()); }
int Form::Top() const { return twipsFromPixels(y()); }
int Form::Width() const { return twipsFromPixels(width()); }
int Form::Height() const { return twipsFromPixels(height()); }

void Form::setLeft(int twips) { move(pixelsFromTwips(twips), y()); }
void Form::setTop(int twips) { move(x(), pixelsFromTwips(twips)); }

void Form::setWidth(int twips)
{
    resize(pixelsFromTwips(twips), height());
    layoutClient();
}

void Form::setHeight(int twips)
{
    resize(width(), pixelsFromTwips(twips));
    layoutClient();
}

void Form::Move(int left, int top, int width, int height)
{
    setGeometry(Twips::toPixels(QRect(left, top, width, height)));
    layoutClient();
}

void Form::applyDesign(QWidget *control, const QString &controlName) const
{
    applyControlDefinition(control, m_definition.control(controlName));
}

void Form::layoutClient()
{
    // Also called directly: a hidden window gets its resize event only when it is shown.
    m_client->setGeometry(rect().adjusted(FramePixels, FramePixels, -FramePixels, -FramePixels));
}

void Form::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    RunHandler([this] { Form_Paint(); },
               [this](const hestova::AppError &error) {
                   // A box cannot open inside a paint: report after it, and only once, since every paint of the
                   // window would fail alike.
                   if (m_paintErrorReported)
                       return;
                   m_paintErrorReported = true;
                   QMetaObject::invokeMethod(this, [error] { ReportError(error); }, Qt::QueuedConnection);
               });
}

void Form::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutClient();
    if (m_loaded)
        RunHandler([this] { Form_Resize(); });
}

void Form::closeEvent(QCloseEvent *event)
{
    // Closing from outside (the system) is an unload; Forms::Unload hides and destroys the window itself.
    event->ignore();
    // A disabled window cannot be closed by the user: a close request of the window manager (its title bar, a
    // task bar) is refused, and the window it owns stays.
    if (event->spontaneous() && !isEnabled())
        return;
    if (!m_unloading)
        Forms::Unload(this);
}

bool Form::event(QEvent *event)
{
    const bool handled = QWidget::event(event);
    switch (event->type()) {
    case QEvent::WindowActivate:
        m_keyboard = true;
        Forms::activated();
        if (!isEnabled())
            activateOwnedWindow();
        else if (m_loaded)
            RunHandler([this] { Form_Activate(); });
        break;
    case QEvent::WindowDeactivate: {
        // The window now active, if any: another of the program's windows takes the keyboard from this one; a box
        // or menu holds it for it.
        const QWidget *active = QApplication::activeWindow();
        m_keyboard = active && !qobject_cast<const Form *>(active);
        break;
    }
    default:
        break;
    }
    return handled;
}

bool Form::hasTheKeyboard() const
{
    const QWidget *active = QApplication::activeWindow();
    return m_keyboard && (!active || active == this);
}

// A disabled window takes no input, so it is not the active one either: a window manager that activates it on a
// click hands the activation on to the window it owns.
void Form::activateOwnedWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *owned = qobject_cast<Form *>(window);
        if (owned && owned->owner() == this && owned->isVisible() && owned->isEnabled()) {
            QMetaObject::invokeMethod(owned, [owned] { owned->activateWindow(); }, Qt::QueuedConnection);
            return;
        }
    }
}

}  // namespace hestova::forms
