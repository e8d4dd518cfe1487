#include "FrameResizer.h"

#include "HostWindow.h"
#include "Module1.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace hestova::titlebar {

namespace {

Qt::CursorShape cursorFor(Qt::Edges edges)
{
    const bool horizontal = edges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = edges & (Qt::TopEdge | Qt::BottomEdge);
    if (horizontal && vertical) {
        const bool mainDiagonal = edges == (Qt::TopEdge | Qt::LeftEdge) || edges == (Qt::BottomEdge | Qt::RightEdge);
        return mainDiagonal ? Qt::SizeFDiagCursor : Qt::SizeBDiagCursor;
    }
    return horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor;
}

}  // namespace

FrameResizer::FrameResizer(QWidget *window) : QObject(window), m_window(window)
{
    setObjectName(QStringLiteral("FrameResizer"));
}

void FrameResizer::attach(QWidget *window, bool enabled)
{
    auto *existing = window->findChild<FrameResizer *>(QStringLiteral("FrameResizer"), Qt::FindDirectChildrenOnly);
    if (enabled && !existing) {
        auto *resizer = new FrameResizer(window);
        window->installEventFilter(resizer);
        window->setMouseTracking(true);
    } else if (!enabled && existing) {
        window->removeEventFilter(existing);
        delete existing;
    }
}

Qt::Edges FrameResizer::edgesAt(const QWidget *window, const QPoint &position)
{
    Qt::Edges edges;
    const int margin = Module1::FrameMargin;
    if (position.x() < margin)
        edges |= Qt::LeftEdge;
    else if (position.x() >= window->width() - margin)
        edges |= Qt::RightEdge;
    if (position.y() < margin)
        edges |= Qt::TopEdge;
    else if (position.y() >= window->height() - margin)
        edges |= Qt::BottomEdge;
    return edges;
}

bool FrameResizer::sizable() const
{
    return HostWindow::borderStyle(m_window) == HostWindow::Sizable
           && HostWindow::windowState(m_window) == HostWindow::Normal;
}

bool FrameResizer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window)
        return false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        return press(static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
        return move(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        if (m_edges) {
            m_edges = {};
            return true;
        }
        return false;
    case QEvent::Leave:
        if (!m_edges)
            m_window->unsetCursor();
        return false;
    default:
        return false;
    }
}

bool FrameResizer::press(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !sizable())
        return false;
    const Qt::Edges edges = edgesAt(m_window, event->position().toPoint());
    if (!edges)
        return false;
    QWindow *handle = m_window->windowHandle();
    if (handle && handle->startSystemResize(edges))
        return true;
    m_edges = edges;
    m_startGlobal = event->globalPosition().toPoint();
    m_startGeometry = m_window->geometry();
    return true;
}

bool FrameResizer::move(QMouseEvent *event)
{
    if (m_edges && (event->buttons() & Qt::LeftButton)) {
        m_window->setGeometry(resized(event->globalPosition().toPoint()));
        return true;
    }
    const Qt::Edges edges = sizable() ? edgesAt(m_window, event->position().toPoint()) : Qt::Edges();
    if (edges)
        m_window->setCursor(cursorFor(edges));
    else
        m_window->unsetCursor();
    return false;
}

QRect FrameResizer::resized(const QPoint &globalPosition) const
{
    const QPoint delta = globalPosition - m_startGlobal;
    QRect r = m_startGeometry;
    if (m_edges & Qt::LeftEdge)
        r.setLeft(r.left() + delta.x());
    if (m_edges & Qt::RightEdge)
        r.setRight(r.right() + delta.x());
    if (m_edges & Qt::TopEdge)
        r.setTop(r.top() + delta.y());
    if (m_edges & Qt::BottomEdge)
        r.setBottom(r.bottom() + delta.y());
    // Keep the size within the window's limits, anchored at the edge that does not move.
    const QSize size = r.size().expandedTo(m_window->minimumSize()).boundedTo(m_window->maximumSize());
    if (m_edges & Qt::LeftEdge)
        r.setLeft(r.right() - size.width() + 1);
    else
        r.setWidth(size.width());
    if (m_edges & Qt::TopEdge)
        r.setTop(r.bottom() - size.height() + 1);
    else
        r.setHeight(size.height());
    return r;
}

}  // namespace hestova::titlebar
