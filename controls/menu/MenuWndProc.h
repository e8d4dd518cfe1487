#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QMenu;
class QWidget;

namespace hestova::quillon {

class CQuillon;

// The hook on one host window: it watches the window and its menus and hands the menu events to the window's
// engine (a popup about to open, the whole menu closed, a character key in a popup,
// colour and setting changes; measuring and drawing go through the menus' style). A failure inside the engine
// is reported as a warning and costs only that one event; the engine stays.
class MenuWndProc : public QObject {
    Q_OBJECT
public:
    MenuWndProc(CQuillon *engine, QWidget *host);
    ~MenuWndProc() override;

    CQuillon *engine() const { return m_engine; }
    QWidget *host() const { return m_host; }

    // Hooks a menu created after the window was hooked (menus that are children of the window are found
    // on their own).
    void hookMenu(QMenu *menu);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void hookChildren(QObject *parent);
    void onAboutToShow(QMenu *menu);
    void onMenuHidden();
    bool onKeyPress(QMenu *menu, QEvent *event);
    template <typename Call>
    bool trapped(const char *what, Call &&call);

    CQuillon *m_engine;
    QPointer<QWidget> m_host;
    QList<QPointer<QMenu>> m_menus;
};

}  // namespace hestova::quillon
