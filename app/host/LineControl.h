#pragma once

#include <QWidget>

namespace hestova::forms {
struct ControlDefinition;
}

namespace hestova::host {

// A designed line ("kind": "Line"): from X1, Y1 to X2, Y2 (twips of the client area, bag entries of those names)
// in BorderColor (default: the window-text system colour), one pixel wide. Decoration only: it takes no mouse.
class LineControl : public QWidget {
    Q_OBJECT

public:
    LineControl(const forms::ControlDefinition &definition, QWidget *parent);

    QPoint startPixel() const { return m_start; }  // in the parent's pixels
    QPoint endPixel() const { return m_end; }
    QColor color() const { return m_color; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPoint m_start;
    QPoint m_end;
    QColor m_color;
};

}  // namespace hestova::host
