#pragma once

#include "common/UserControl.h"
#include "screen/OleColor.h"

#include <QFont>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QVariant>

namespace hestova::titlebar {

class ImageArea;

// The skinned caption bar a host window lays along its top edge: icon, title over a tiled background,
// minimise, maximise/restore and close buttons; it drags, borders and limits its host.
// Picture properties take none (invalid), an empty picture or a bitmap/icon (see common/Picture.h).
class UCtitlebar : public controls::UserControl {
    Q_OBJECT
    Q_CLASSINFO("ProgID", "工程1.UCtitlebar")
    // Member identifiers hosts may name a member by.
    Q_CLASSINFO("DispId.BackColor", "0x68030017")
    Q_CLASSINFO("DispId.ImageTitleN", "0x68030016")
    Q_CLASSINFO("DispId.ImageTitleF", "0x68030015")
    Q_CLASSINFO("DispId.ImageTitleD", "0x68030014")
    Q_CLASSINFO("DispId.ImageMaxN", "0x68030013")
    Q_CLASSINFO("DispId.ImageMaxF", "0x68030012")
    Q_CLASSINFO("DispId.ImageMaxD", "0x68030011")
    Q_CLASSINFO("DispId.ImageRestoreN", "0x68030010")
    Q_CLASSINFO("DispId.ImageRestoreF", "0x6803000F")
    Q_CLASSINFO("DispId.ImageRestoreD", "0x6803000E")
    Q_CLASSINFO("DispId.ImageMinN", "0x6803000D")
    Q_CLASSINFO("DispId.ImageMinF", "0x6803000C")
    Q_CLASSINFO("DispId.ImageMinD", "0x6803000B")
    Q_CLASSINFO("DispId.ImageCloseN", "0x6803000A")
    Q_CLASSINFO("DispId.ImageCloseF", "0x68030009")
    Q_CLASSINFO("DispId.ImageCloseD", "0x68030008")
    Q_CLASSINFO("DispId.Btnsize", "0x68030007")
    Q_CLASSINFO("DispId.bMin", "0x68030006")
    Q_CLASSINFO("DispId.bMax", "0x68030005")
    Q_CLASSINFO("DispId.Caption", "0x68030004")
    Q_CLASSINFO("DispId.BGpic", "0x68030003")
    Q_CLASSINFO("DispId.Font", "0xFFFFFE00")
    Q_CLASSINFO("DispId.ForeColor", "0x68030002")
    Q_CLASSINFO("DispId.frm", "0x68030001")
    Q_CLASSINFO("DispId.bClose", "0x68030000")
    Q_CLASSINFO("DispId.Convert", "0x60030032")
    Q_CLASSINFO("DispId.DrawFrmBorder", "0x60030033")
    Q_CLASSINFO("DispId.MaxMin", "0x60030034")
    Q_CLASSINFO("DispId.FreeMaxMin", "0x60030035")
    Q_CLASSINFO("DispId.DrawBG", "0x60030036")
    Q_CLASSINFO("DispId.MouseDown", "1")
    Q_CLASSINFO("DispId.Mouseup", "2")
    Q_CLASSINFO("DispId.Click", "3")
    // Help texts of the properties, as a designer shows them (read through controls::memberDescription).
    Q_CLASSINFO("Description.BackColor", "返回/设置对象中文本和图形的背景色。")
    Q_CLASSINFO("Description.ImageTitleN", "标题图标")
    Q_CLASSINFO("Description.ImageTitleF", "鼠标移动到标题图标上时的图片")
    Q_CLASSINFO("Description.ImageTitleD", "鼠标按下标题图标时的图片")
    Q_CLASSINFO("Description.ImageMaxN", "最大化按扭图片")
    Q_CLASSINFO("Description.ImageMaxF", "鼠标移动到最大化按扭时的图片")
    Q_CLASSINFO("Description.ImageMaxD", "鼠标按下最大化按扭时的图片")
    Q_CLASSINFO("Description.ImageRestoreN", "还原按扭图片")
    Q_CLASSINFO("Description.ImageRestoreF", "鼠标移动到还原按扭时的图片")
    Q_CLASSINFO("Description.ImageRestoreD", "鼠标按下还原按扭时的图片")
    Q_CLASSINFO("Description.ImageMinN", "最小化按扭图片")
    Q_CLASSINFO("Description.ImageMinF", "鼠标移动到最小化按扭时的图片")
    Q_CLASSINFO("Description.ImageMinD", "鼠标按下最小化按扭时的图片")
    Q_CLASSINFO("Description.ImageCloseN", "关闭按扭图片")
    Q_CLASSINFO("Description.ImageCloseF", "鼠标移动到关闭按扭时的图片")
    Q_CLASSINFO("Description.ImageCloseD", "鼠标按下关闭按扭时的图片")
    Q_CLASSINFO("Description.Btnsize", "标题栏图标的大小")
    Q_CLASSINFO("Description.bMin", "是否存在最小化按扭")
    Q_CLASSINFO("Description.bMax", "是否存在最大化按扭")
    Q_CLASSINFO("Description.Caption", "标题栏的文字")
    Q_CLASSINFO("Description.BGpic", "标题栏的背景图片")
    Q_CLASSINFO("Description.Font", "返回一个 Font 对象。")
    Q_CLASSINFO("Description.ForeColor", "返回/设置对象中文本和图形的前景色。")
    Q_CLASSINFO("Description.bClose", "是否存在关闭按扭")
    Q_PROPERTY(uint BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QVariant ImageTitleN READ ImageTitleN WRITE setImageTitleN)
    Q_PROPERTY(QVariant ImageTitleF READ ImageTitleF WRITE setImageTitleF)
    Q_PROPERTY(QVariant ImageTitleD READ ImageTitleD WRITE setImageTitleD)
    Q_PROPERTY(QVariant ImageMaxN READ ImageMaxN WRITE setImageMaxN)
    Q_PROPERTY(QVariant ImageMaxF READ ImageMaxF WRITE setImageMaxF)
    Q_PROPERTY(QVariant ImageMaxD READ ImageMaxD WRITE setImageMaxD)
    Q_PROPERTY(QVariant ImageRestoreN READ ImageRestoreN WRITE setImageRestoreN)
    Q_PROPERTY(QVariant ImageRestoreF READ ImageRestoreF WRITE setImageRestoreF)
    Q_PROPERTY(QVariant ImageRestoreD READ ImageRestoreD WRITE setImageRestoreD)
    Q_PROPERTY(QVariant ImageMinN READ ImageMinN WRITE setImageMinN)
    Q_PROPERTY(QVariant ImageMinF READ ImageMinF WRITE setImageMinF)
    Q_PROPERTY(QVariant ImageMinD READ ImageMinD WRITE setImageMinD)
    Q_PROPERTY(QVariant ImageCloseN READ ImageCloseN WRITE setImageCloseN)
    Q_PROPERTY(QVariant ImageCloseF READ ImageCloseF WRITE setImageCloseF)
    Q_PROPERTY(QVariant ImageCloseD READ ImageCloseD WRITE setImageCloseD)
    Q_PROPERTY(int Btnsize READ Btnsize WRITE setBtnsize)
    Q_PROPERTY(bool bMin READ bMin WRITE setbMin)
    Q_PROPERTY(bool bMax READ bMax WRITE setbMax)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QVariant BGpic READ BGpic WRITE setBGpic)
    Q_PROPERTY(QFont Font READ Font WRITE setFont_)
    Q_PROPERTY(uint ForeColor READ ForeColor WRITE setForeColor)
    Q_PROPERTY(QObject *frm READ frm WRITE setfrm)
    Q_PROPERTY(bool bClose READ bClose WRITE setbClose)

public:
    static constexpr OleColor DefaultBackColor = 0xFF8080;
    static constexpr OleColor DefaultForeColor = 0x80000012;
    static constexpr int DefaultBtnsize = 16;

    explicit UCtitlebar(QWidget *parent = nullptr);
    ~UCtitlebar() override;

    // Persistence, in the order of the properties above.
    void InitProperties() override;
    void ReadProperties(const controls::PropertyBag &bag) override;
    void WriteProperties(controls::PropertyBag &bag) const override;

    uint BackColor() const { return m_backColor; }
    void setBackColor(uint color);
    QVariant ImageTitleN() const { return m_imageTitleN; }
    void setImageTitleN(const QVariant &picture);
    QVariant ImageTitleF() const { return m_imageTitleF; }
    void setImageTitleF(const QVariant &picture);
    QVariant ImageTitleD() const { return m_imageTitleD; }
    void setImageTitleD(const QVariant &picture);
    QVariant ImageMaxN() const { return m_imageMaxN; }
    void setImageMaxN(const QVariant &picture);
    QVariant ImageMaxF() const { return m_imageMaxF; }
    void setImageMaxF(const QVariant &picture);
    QVariant ImageMaxD() const { return m_imageMaxD; }
    void setImageMaxD(const QVariant &picture);
    QVariant ImageRestoreN() const { return m_imageRestoreN; }
    void setImageRestoreN(const QVariant &picture);
    QVariant ImageRestoreF() const { return m_imageRestoreF; }
    void setImageRestoreF(const QVariant &picture);
    QVariant ImageRestoreD() const { return m_imageRestoreD; }
    void setImageRestoreD(const QVariant &picture);
    QVariant ImageMinN() const { return m_imageMinN; }
    void setImageMinN(const QVariant &picture);
    QVariant ImageMinF() const { return m_imageMinF; }
    void setImageMinF(const QVariant &picture);
    QVariant ImageMinD() const { return m_imageMinD; }
    void setImageMinD(const QVariant &picture);
    QVariant ImageCloseN() const { return m_imageCloseN; }
    void setImageCloseN(const QVariant &picture);
    QVariant ImageCloseF() const { return m_imageCloseF; }
    void setImageCloseF(const QVariant &picture);
    QVariant ImageCloseD() const { return m_imageCloseD; }
    void setImageCloseD(const QVariant &picture);
    int Btnsize() const { return m_btnsize; }
    void setBtnsize(int pixels);
    bool bMin() const { return m_bMin; }
    void setbMin(bool present);
    bool bMax() const { return m_bMax; }
    void setbMax(bool present);
    QString Caption() const { return m_caption; }
    void setCaption(const QString &caption);
    QVariant BGpic() const { return m_bgPic; }
    void setBGpic(const QVariant &picture);
    QFont Font() const { return font(); }
    void setFont_(const QFont &font);
    uint ForeColor() const { return m_foreColor; }
    void setForeColor(uint color);
    QObject *frm() const { return m_frm; }
    void setfrm(QObject *host);
    bool bClose() const { return m_bClose; }
    void setbClose(bool present);

    // Methods; the four with a Boolean result always return false.
    Q_INVOKABLE bool Convert(QObject *frmnow);
    Q_INVOKABLE bool DrawFrmBorder(QObject *frmnow, uint BorderColor1, uint BorderColor2);
    Q_INVOKABLE bool MaxMin(QObject *frmnow, int minw, int minh, int maxw, int maxh);
    Q_INVOKABLE bool FreeMaxMin();
    Q_INVOKABLE void DrawBG(QObject *Ctl, const QString &pic);

    // The inner image areas (Image1 icon, Image2 minimise, Image3 maximise/restore, Image4 close).
    ImageArea *image(int number) const;
    QRect textRect() const { return m_textRect; }

signals:
    void MouseDown(short Button, short Shift, float x, float y);
    void Mouseup(short Button, short Shift, float x, float y);
    void Click();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    struct MouseArguments {
        short button = 0;
        short shift = 0;
        float x = 0;
        float y = 0;
    };

    void announce(const char *name);
    void storePicture(QVariant &member, const QVariant &picture, const char *name, ImageArea *shows);
    void layoutAreas();
    void repaintBar();
    void refreshPictures();
    void restoreNormalPictures();
    void toggleMaximized();
    static void showIfSet(ImageArea *area, const QVariant &picture);
    MouseArguments mouseArguments(const QMouseEvent *event) const;
    void connectArea(ImageArea *area, const QVariant *normal, const QVariant *hover, const QVariant *pressed);

    OleColor m_backColor = DefaultBackColor;
    OleColor m_foreColor = DefaultForeColor;
    QVariant m_imageTitleN, m_imageTitleF, m_imageTitleD;
    QVariant m_imageMaxN, m_imageMaxF, m_imageMaxD;
    QVariant m_imageRestoreN, m_imageRestoreF, m_imageRestoreD;
    QVariant m_imageMinN, m_imageMinF, m_imageMinD;
    QVariant m_imageCloseN, m_imageCloseF, m_imageCloseD;
    int m_btnsize = DefaultBtnsize;
    bool m_bMin = true;
    bool m_bMax = true;
    bool m_bClose = true;
    QString m_caption;
    QVariant m_bgPic;
    QPointer<QObject> m_frm;
    QVariant m_currentN, m_currentF, m_currentD;  // the maximise/restore trio Image3 uses
    QRect m_textRect;

    ImageArea *m_image1;
    ImageArea *m_image2;
    ImageArea *m_image3;
    ImageArea *m_image4;

    // A press on the bar while the window system refused to move the host: the bar moves it.
    bool m_dragging = false;
    QPoint m_dragStartGlobal;
    QPoint m_dragStartWindow;
    MouseArguments m_pendingMouseDown;
    bool m_doubleClickRelease = false;
};

}  // namespace hestova::titlebar
