#pragma once

#include <QList>
#include <QObject>

class QAbstractButton;
class QButtonGroup;
class QKeyEvent;

namespace hestova::forms {

// The option buttons of one container, grouped as the windows' platform groups them: ticking one clears the
// others, and the operator can move a tick but not remove it. The group is one Tab stop: the focused button
// while the focus is in the group, else the ticked button, else the first shown one; a hidden or disabled button
// never holds it. The arrow keys go round the shown, enabled buttons in the group's order. A button destroyed
// before the group leaves it.
class OptionGroup : public QObject {
    Q_OBJECT

public:
    explicit OptionGroup(QObject *parent = nullptr);

    // Buttons in the group's order; the first added is the first of the group.
    void addButton(QAbstractButton *button);

    // Unticks every button.
    void clear();
    // Gives the focus to the group's Tab stop (the window's focus, active or not); false when it could not.
    bool focusTabStop();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void forget(QObject *gone);
    bool moveFocus(QAbstractButton *from, const QKeyEvent *key);
    void placeTabStop();
    QAbstractButton *tabStop() const;

    QButtonGroup *m_group;
    QList<QAbstractButton *> m_buttons;
};

}  // namespace hestova::forms
