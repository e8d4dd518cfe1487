#pragma once

#include "common/LateBound.h"
#include "forms/Form.h"

#include <QKeySequence>
#include <QStringList>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QMenu;

namespace hestova::host {

// Title icons of the windows.
inline const QString MainIcon = QStringLiteral("\\skin\\Hospital.ico");
inline const QString WindowIcon = QStringLiteral("\\skin\\computer.ico");
inline const QString ReportIcon = QStringLiteral("\\ico\\Report.ico");

// A window wearing the skin: the title bar "UCtitlebar1" in place of the caption, colour buttons and the menu
// control, created late-bound from the control libraries as its form definition declares them (kinds
// "UCtitlebar", "qeTobrel", "UCQuillon"; the control's "properties" are its property bag; a bag text starting
// with ":/" names a picture among the program's resources). The steps of the load, paint, resize, title-bar
// mouse-down, activate and unload handlers are here; each window calls them from its own handlers.
class SkinnedForm : public forms::Form {
    Q_OBJECT

public:
    explicit SkinnedForm(const QString &definitionName);
    ~SkinnedForm() override;

    // Every window's two border colours, set by the load steps and handed to each DrawFrmBorder.
    quint32 BorderColor1 = 0;
    quint32 BorderColor2 = 0;

    // A hosted control, reached late-bound; AppError 5 when the window has no such control.
    controls::LateBound &control(const QString &name);
    controls::LateBound &UCtitlebar1() { return control(QStringLiteral("UCtitlebar1")); }
    bool hasHostedControl(const QString &name) const;

    // The widget of a control of the client area (hosted or plain) by designer name; AppError 5 when none.
    QWidget *controlWidget(const QString &name) const;

    // Runs handler (guarded: an error shows the "错误" box) each time the control raises the event.
    void onEvent(const QString &controlName, const QByteArray &event,
                 std::function<void(const QVariantList &arguments)> handler);
    void onClick(const QString &controlName, std::function<void()> handler);

    // Moves a control's top edge by the title bar's height (step 6 of the load).
    void moveBelowTitleBar(const QStringList &controlNames);

    // A top-level menu of the window: invisible (the window has no menu bar), popped up under a button.
    QMenu *createMenu(const QString &name, const QString &caption);
    // An item of that menu. Its shortcut acts while the window is active; a null handler makes an inert item.
    QAction *addMenuItem(QMenu *menu, const QString &name, const QString &caption, const QKeySequence &shortcut,
                         std::function<void()> handler);
    QMenu *menu(const QString &name) const;
    // Pops the menu up at the button's Left - 30 and its Top + Height (twips of the client area).
    void popupUnder(QMenu *menu, const QString &buttonName);

protected:
    // Load, main-window order: border colours, title-bar set-up, the title icon and all caption-button
    // pictures, Convert, title bar at 0, 0, then the listed controls moved below it. A missing picture is
    // reported once; the window opens without it.
    void skinWindow(const QString &titleIcon, const QStringList &movedControls);
    // Load, the About box's order (title bar placed first, no minimise and maximise buttons).
    void skinAboutWindow(const QString &titleIcon, const QStringList &movedControls);

    void drawBorder();              // DrawFrmBorder with the two border colours
    void paintSkin();               // Form_Paint: border, then the window background
    void resizeSkin();              // Form_Resize: title bar to the inner width, border
    void limitSize(int minWidth, int minHeight, int maxWidth, int maxHeight);  // MaxMin, pixels
    void freeSizeLimits();          // FreeMaxMin

    // The default handlers of a skinned window.
    void Form_Paint() override { paintSkin(); }
    void Form_Resize() override { resizeSkin(); }
    virtual void UCtitlebar1_MouseDown(short Button, short Shift, float x, float y);

private:
    void createHostedControls();
    void setSkinPictures(const QList<QPair<QByteArray, QString>> &pictures);
    void setTitleBarLook();

    std::map<QString, std::unique_ptr<controls::LateBound>> m_hosted;
    std::map<QString, QMenu *> m_menus;
    bool m_controlsCreated = false;
};

}  // namespace hestova::host
