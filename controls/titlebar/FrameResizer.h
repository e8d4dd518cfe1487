#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

class QMouseEvent;
class QWidget;

namespace hestova::titlebar {

// Resizes a frameless, sizable window by its outer margin: the window system's resize where it offers one,
// else the window follows the mouse while the button is held.
class FrameResizer : public QObject {
    Q_OBJECT
public:
    // Installs (enabled) or removes (disabled) the resizer of a window.
    static void attach(QWidget *window, bool enabled);

    // The window edges under a point of the window, or none when the point is not in the margin.
    static Qt::Edges edgesAt(const QWidget *window, const QPoint &position);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit FrameResizer(QWidget *window);
    bool sizable() const;
    bool press(QMouseEvent *event);
    bool move(QMouseEvent *event);
    QRect resized(const QPoint &globalPosition) const;

    QWidget *m_window;
    Qt::Edges m_edges;
    QPoint m_startGlobal;
    QRect m_startGeometry;
};

}  // namespace hestova::titlebar
