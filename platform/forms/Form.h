#pragma once

#include "forms/FormDefinition.h"

#include <QPointer>
#include <QWidget>

namespace hestova::forms {

// Window states as the windows read and write them.
constexpr int vbNormal = 0;
constexpr int vbMinimized = 1;
constexpr int vbMaximized = 2;

// A window of the program: a frameless top-level widget with a single global instance (see Forms).
// The outer 4 pixels (60 twips) stand in for the system frame; the client area is client(), where the
// window's controls live. Lengths are twips.
// The constructor reads the window's form definition and gives the window its designed caption, size, font and
// colour; a subclass creates its controls in its own constructor from definition() (applyDesign for plain
// widgets). Forms then runs Form_Load. Event handlers keep their designer names and run guarded: an error they
// raise is shown in the "错误" box and the program keeps running. A window that is disabled or blocked by a modal
// box releases a mouse capture held inside it.
class Form : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int WindowState READ WindowState WRITE setWindowStateValue)
    Q_PROPERTY(int BorderStyle READ BorderStyle)
    Q_PROPERTY(int ScaleWidth READ ScaleWidth)
    Q_PROPERTY(int ScaleHeight READ ScaleHeight)
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(bool Enabled READ Enabled WRITE setEnabled)

public:
    static constexpr int FrameTwips = 60;     // each side of the window, the sizable frame
    static constexpr int CaptionTwips = 285;  // the designed caption bar, taken over by the title bar control
    static constexpr int SizableBorder = 2;

    // definitionName: the window's form definition (":/forms/<name>.json"). A missing or malformed one is
    // reported in the "错误" box and the window stays empty.
    explicit Form(const QString &definitionName);
    ~Form() override;

    const FormDefinition &definition() const { return m_definition; }
    QWidget *client() const { return m_client; }

    // Modeless, without an owner unless setOwner gave one; the first show places the window as designed.
    Q_INVOKABLE void Show();
    // Owned by owner from the next show on: the window stays above its owner (the window manager is told that
    // it belongs to it) and keeps its frameless look.
    void setOwner(Form *owner);
    Form *owner() const { return m_owner; }
    // Unloads this window (Forms::Unload).
    Q_INVOKABLE void Unload();

    bool Enabled() const { return isEnabled(); }
    int WindowState() const;
    void setWindowStateValue(int state);  // vbNormal, vbMinimized, vbMaximized
    int BorderStyle() const { return SizableBorder; }  // every window is sizable

    int ScaleWidth() const;   // client area, twips
    int ScaleHeight() const;
    int Left() const;         // outer frame, twips
    int Top() const;
    int Width() const;
    int Height() const;
    void setLeft(int twips);
    void setTop(int twips);
    void setWidth(int twips);
    void setHeight(int twips);
    void Move(int left, int top, int width, int height);
    QString Caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }

    // Places a plain child widget of the client area as the definition designs the control of that name.
    void applyDesign(QWidget *control, const QString &controlName) const;

    bool isLoaded() const { return m_loaded; }

    // The program's keyboard is in this window, or in a box or menu it opened, also one that has just closed:
    // the window system hands the activation back to the window only after the handler has gone on.
    bool hasTheKeyboard() const;

protected:
    // Event handlers of every window; the defaults do nothing. Form_Paint runs inside the window's paint, so it
    // may paint on the window itself (whose client area starts at client()->pos()).
    virtual void Form_Load() {}
    virtual void Form_Unload() {}
    virtual void Form_Paint() {}
    virtual void Form_Resize() {}
    virtual void Form_Activate() {}

    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    friend class Forms;
    void applyWindowDefinition(const FormDefinition &definition);
    void load();  // runs Form_Load
    void runUnloadHandler();
    void layoutClient();
    void fillScreen();
    void applyOwner();
    void activateOwnedWindow();

    FormDefinition m_definition;
    QWidget *m_client;
    QPointer<Form> m_owner;
    bool m_loaded = false;
    bool m_unloading = false;
    bool m_placed = false;
    bool m_maximised = false;
    QRect m_normalGeometry;
    bool m_paintErrorReported = false;
    bool m_keyboard = false;  // active, or a box or menu of the window is
};

}  // namespace hestova::forms
