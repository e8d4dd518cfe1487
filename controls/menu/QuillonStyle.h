#pragma once

#include <QProxyStyle>

class QAction;

namespace hestova::quillon {

class CQuillon;

// The style a converted menu (or menu bar) carries: it hands the sizes and the drawing of owner-drawn items to
// the engine, paints the menu's panel in the system menu colour, and leaves everything else to the
// application's style. A failure inside the engine costs only that item: it is reported as a warning and the
// item is measured and drawn plainly; the engine stays.
class QuillonStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit QuillonStyle(CQuillon *engine);

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option, const QWidget *widget) const override;

    // The item of menu that a measuring request with this option's text stands for.
    static QAction *actionForOption(const QWidget *menu, const QStyleOption *option);
    // The width the menu adds to every item for the accelerators of its items.
    static int acceleratorColumnWidth(const QWidget *menu);

private:
    CQuillon *m_engine;
};

}  // namespace hestova::quillon
