#pragma once

#include "button/ButtonLayout.h"
#include "button/DrawPic.h"
#include "common/UserControl.h"
#include "screen/OleColor.h"

#include <QFont>
#include <QImage>
#include <QList>
#include <QString>
#include <QVariant>
#include <QWidget>
#include <memory>

class QShortcut;

namespace hestova::tobrel {

// The colour push button: a picture area and a text area, each in its own colour, in three looks
// (normal, hover, pressed) plus the disabled look, each with its border style; a picture that casts a
// shadow and lifts by a pixel on hover and is embossed when disabled; a one-line caption; access keys;
// the shared tooltip; and the event Click.
class QeTobrel : public controls::UserControl {
    Q_OBJECT
    Q_CLASSINFO("ProgID", "Tobrel.qeTobrel")
    Q_CLASSINFO("DispId.Persent", "0x68030015")
    Q_CLASSINFO("DispId.Style", "0x68030014")
    Q_CLASSINFO("DispId.Image", "0x68030013")
    Q_CLASSINFO("DispId.ImageSize", "0x68030012")
    Q_CLASSINFO("DispId.ColorPnormal", "0x68030011")
    Q_CLASSINFO("DispId.ColorPmove", "0x68030010")
    Q_CLASSINFO("DispId.ColorPdown", "0x6803000F")
    Q_CLASSINFO("DispId.ColorTnormal", "0x6803000E")
    Q_CLASSINFO("DispId.ColorTmove", "0x6803000D")
    Q_CLASSINFO("DispId.ColorTdown", "0x6803000C")
    Q_CLASSINFO("DispId.bordercolor", "0x6803000B")
    Q_CLASSINFO("DispId.ShadowColor", "0x6803000A")
    Q_CLASSINFO("DispId.ColorFnormal", "0x68030009")
    Q_CLASSINFO("DispId.ColorFmove", "0x68030008")
    Q_CLASSINFO("DispId.ColorFdown", "0x68030007")
    Q_CLASSINFO("DispId.Caption", "0x68030006")
    Q_CLASSINFO("DispId.BorderStyleOut", "0x68030005")
    Q_CLASSINFO("DispId.BorderStyleMove", "0x68030004")
    Q_CLASSINFO("DispId.BorderStyleDown", "0x68030003")
    Q_CLASSINFO("DispId.Enabled", "0x68030002")
    Q_CLASSINFO("DispId.Font", "0xFFFFFE00")
    Q_CLASSINFO("DispId.Keys", "0x68030001")
    Q_CLASSINFO("DispId.TipText", "0x68030000")
    Q_CLASSINFO("DispId.drawbotton", "0x60030023")
    Q_CLASSINFO("DispId.Click", "1")

    Q_PROPERTY(int Persent READ persent WRITE setPersent)
    Q_PROPERTY(int Style READ buttonStyle WRITE setButtonStyle)
    Q_PROPERTY(QVariant Image READ image WRITE setImage)
    Q_PROPERTY(int ImageSize READ imageSize WRITE setImageSize)
    Q_PROPERTY(uint ColorPnormal READ colorPnormal WRITE setColorPnormal)
    Q_PROPERTY(uint ColorPmove READ colorPmove WRITE setColorPmove)
    Q_PROPERTY(uint ColorPdown READ colorPdown WRITE setColorPdown)
    Q_PROPERTY(uint ColorTnormal READ colorTnormal WRITE setColorTnormal)
    Q_PROPERTY(uint ColorTmove READ colorTmove WRITE setColorTmove)
    Q_PROPERTY(uint ColorTdown READ colorTdown WRITE setColorTdown)
    Q_PROPERTY(uint bordercolor READ bordercolor WRITE setBordercolor)
    Q_PROPERTY(uint ShadowColor READ shadowColor WRITE setShadowColor)
    Q_PROPERTY(uint ColorFnormal READ colorFnormal WRITE setColorFnormal)
    Q_PROPERTY(uint ColorFmove READ colorFmove WRITE setColorFmove)
    Q_PROPERTY(uint ColorFdown READ colorFdown WRITE setColorFdown)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(int BorderStyleOut READ borderStyleOut WRITE setBorderStyleOut)
    Q_PROPERTY(int BorderStyleMove READ borderStyleMove WRITE setBorderStyleMove)
    Q_PROPERTY(int BorderStyleDown READ borderStyleDown WRITE setBorderStyleDown)
    Q_PROPERTY(bool Enabled READ isButtonEnabled WRITE setButtonEnabled)
    Q_PROPERTY(QFont Font READ buttonFont WRITE setButtonFont)
    Q_PROPERTY(QString Keys READ keys WRITE setKeys)
    Q_PROPERTY(QString TipText READ tipText WRITE setTipText)

public:
    // The looks drawbotton draws.
    enum Look { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    explicit QeTobrel(QWidget *parent = nullptr);
    ~QeTobrel() override;

    int persent() const { return m_persent; }
    void setPersent(int value);
    int buttonStyle() const { return m_style; }
    void setButtonStyle(int value);
    QVariant image() const { return m_image; }
    void setImage(const QVariant &picture);
    int imageSize() const { return m_imageSize; }
    void setImageSize(int value);
    OleColor colorPnormal() const { return m_colorPnormal; }
    void setColorPnormal(OleColor value);
    OleColor colorPmove() const { return m_colorPmove; }
    void setColorPmove(OleColor value);
    OleColor colorPdown() const { return m_colorPdown; }
    void setColorPdown(OleColor value);
    OleColor colorTnormal() const { return m_colorTnormal; }
    void setColorTnormal(OleColor value);
    OleColor colorTmove() const { return m_colorTmove; }
    void setColorTmove(OleColor value);
    OleColor colorTdown() const { return m_colorTdown; }
    void setColorTdown(OleColor value);
    OleColor bordercolor() const { return m_bordercolor; }
    void setBordercolor(OleColor value);
    OleColor shadowColor() const { return m_shadowColor; }
    void setShadowColor(OleColor value);
    OleColor colorFnormal() const { return m_colorFnormal; }
    void setColorFnormal(OleColor value);
    OleColor colorFmove() const { return m_colorFmove; }
    void setColorFmove(OleColor value);
    OleColor colorFdown() const { return m_colorFdown; }
    void setColorFdown(OleColor value);
    QString caption() const { return m_caption; }
    void setCaption(const QString &value);
    int borderStyleOut() const { return m_borderStyleOut; }
    void setBorderStyleOut(int value);
    int borderStyleMove() const { return m_borderStyleMove; }
    void setBorderStyleMove(int value);
    int borderStyleDown() const { return m_borderStyleDown; }
    void setBorderStyleDown(int value);
    bool isButtonEnabled() const;
    void setButtonEnabled(bool value);
    QFont buttonFont() const { return font(); }
    void setButtonFont(const QFont &value);
    QString keys() const { return m_keys; }
    void setKeys(const QString &value);
    QString tipText() const { return m_tipText; }
    void setTipText(const QString &value);

    // Draws one look (Look values; anything else is all black) with one border style (0-5).
    Q_INVOKABLE void drawbotton(int Status_botton, int Status_border);

    // Persistence: a new control's initial values, and reading and writing the host's bag.
    void InitProperties() override;
    void ReadProperties(const controls::PropertyBag &bag) override;
    void WriteProperties(controls::PropertyBag &bag) const override;

    // The container's ambient user mode: its property "UserMode" when it has one, else True (run time).
    // False is design time: the button is counted but gets no tooltip.
    bool ambientUserMode() const;

    // The state the drawing works from (the last layout, the hover flag, what the control shows).
    const ButtonLayout &layoutState() const { return m_layout; }
    bool isHovering() const { return m_hovering; }
    const QImage &surface() const { return m_surface; }
    bool isCounted() const { return m_counted; }
    bool isHooked() const { return m_hooked; }

    // The text the shared tooltip shows for this button.
    QString toolTipText() const;

signals:
    void Click();

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void calcLayout();
    void paintControl();  // the paint step: layout, then the normal or disabled look
    void announce(const char *storedName);
    void changed(const char *storedName, bool repaint);
    void raiseClick();
    void letGo(bool drawNormal);  // the pointer left, or the window is no longer active: the tip goes
    bool isInside(const QPoint &at) const;  // the mouse-move test of the pointer at a point of the control
    bool pointerIsOver() const;
    void endHover();  // no longer hovering
    void rebuildAccessKeys();
    void setupToolTip();
    void countOnce();

    int m_persent = 30;
    int m_style = 0;
    QVariant m_image;  // no picture object until the properties are initialised or read
    int m_imageSize = 0;
    OleColor m_colorPnormal = 0xC0C0C0;
    OleColor m_colorPmove = 0xC0C0C0;
    OleColor m_colorPdown = 0xC0C0C0;
    OleColor m_colorTnormal = 0xC0C0C0;
    OleColor m_colorTmove = 0xC0C0C0;
    OleColor m_colorTdown = 0xC0C0C0;
    OleColor m_bordercolor = 0;
    OleColor m_shadowColor = 0;
    OleColor m_colorFnormal = 0;
    OleColor m_colorFmove = 0;
    OleColor m_colorFdown = 0;
    QString m_caption;
    int m_borderStyleOut = 0;
    int m_borderStyleMove = 2;
    int m_borderStyleDown = 3;
    QString m_keys;
    QList<QShortcut *> m_accessKeys;
    QString m_tipText = QStringLiteral("0");
    bool m_tipTextAssigned = false;

    ButtonLayout m_layout;
    bool m_hovering = false;
    bool m_leftPressed = false;
    bool m_inClick = false;  // the Click handler runs
    QImage m_surface;
    std::unique_ptr<DrawPic> m_drawPic;

    bool m_counted = false;
    bool m_hooked = false;
};

}  // namespace hestova::tobrel
