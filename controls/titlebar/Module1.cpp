#include "Module1.h"

#include "FrameResizer.h"
#include "HostWindow.h"

#include "common/EdgeDrawing.h"

#include <QPainter>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <QWindow>

namespace hestova::titlebar::Module1 {

namespace {

// The one size-limit slot of this library.
struct MinMaxState {
    QPointer<QWidget> window;
    QSize minimum;
    QSize maximum;
    QSize previousMinimum;
    QSize previousMaximum;
    QMetaObject::Connection destroyedConnection;
    bool hooked = false;
};

MinMaxState &minMaxState()
{
    static MinMaxState state;
    return state;
}

void freeSlot()
{
    MinMaxState &state = minMaxState();
    QObject::disconnect(state.destroyedConnection);
    state = MinMaxState();
}

constexpr const char *CaptionRemovedProperty = "_hestova_caption_removed";

}  // namespace

bool DragForm(QObject *host)
{
    QWidget *window = HostWindow::window(host);
    if (!window)
        return false;
    if (QWidget *grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    QWindow *handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

void DrawBorderRects(QObject *form, OleColor borderColor1, OleColor borderColor2)
{
    QWidget *widget = HostWindow::widget(form);
    if (!widget)
        return;
    const int rings = HostWindow::borderStyle(form) == HostWindow::Sizable ? 4 : 3;
    const int w = widget->width();
    const int h = widget->height();
    if (!widget->testAttribute(Qt::WA_WState_InPaintEvent)) {
        const QRegion outer(0, 0, w, h);
        widget->update(outer.subtracted(QRegion(rings, rings, w - 2 * rings, h - 2 * rings)));
        return;
    }
    const QColor colour1 = toQColor(borderColor1);
    const QColor colour2 = toQColor(borderColor2);
    QPainter painter(widget);
    for (int ring = 0; ring < rings; ++ring)
        controls::frameRect(painter, controls::edgeRect(ring, ring, w - ring, h - ring), ring == 1 ? colour2 : colour1);
}

void RemoveCaption(QObject *form)
{
    QWidget *window = HostWindow::window(form);
    if (!window)
        return;
    const bool removed = !window->property(CaptionRemovedProperty).toBool();
    const QRect geometry = window->geometry();
    const bool visible = window->isVisible();
    const Qt::WindowFlags flags = window->windowFlags();
    const Qt::WindowFlags wanted = removed ? flags | Qt::FramelessWindowHint : flags & ~Qt::FramelessWindowHint;
    window->setProperty(CaptionRemovedProperty, removed);
    if (wanted != flags) {
        window->setWindowFlags(wanted);  // hides the window
        window->setGeometry(geometry);
        if (visible)
            window->show();
    }
    FrameResizer::attach(window, removed);
}

void HookMinMax(QWidget *window, int minw, int minh, int maxw, int maxh)
{
    MinMaxState &state = minMaxState();
    if (state.hooked || !window)
        return;
    state.hooked = true;
    state.window = window;
    state.minimum = QSize(minw, minh);
    state.maximum = QSize(maxw, maxh);
    state.previousMinimum = window->minimumSize();
    state.previousMaximum = window->maximumSize();
    // A window destroyed while it holds the slot gives it up.
    state.destroyedConnection = QObject::connect(window, &QObject::destroyed, [] { freeSlot(); });
    window->setMinimumSize(state.minimum);
    window->setMaximumSize(state.maximum);
}

void UnhookMinMax()
{
    MinMaxState &state = minMaxState();
    if (!state.hooked)
        return;
    if (state.window) {
        state.window->setMinimumSize(state.previousMinimum);
        state.window->setMaximumSize(state.previousMaximum);
    }
    freeSlot();
}

QWidget *hookedWindow()
{
    const MinMaxState &state = minMaxState();
    return state.hooked ? state.window.data() : nullptr;
}

}  // namespace hestova::titlebar::Module1
