#pragma once

#include <QObject>

class QHelpEvent;
class QLabel;
class QWidget;

namespace hestova::forms {

// Labels and lines are drawn on their container's surface, beneath the container's windowed controls. One of
// these per container keeps every lightweight control below its windowed siblings, whatever order those are
// created, reparented or raised in. Asked for its tooltip, a label part of whose text a windowed sibling hides
// shows its whole text (a label with a tooltip of its own shows that one).
class LightweightControls : public QObject {
    Q_OBJECT

public:
    // Makes the control lightweight within its parent (and any parent it is moved to later).
    static void add(QWidget *control);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit LightweightControls(QWidget *container);
    static LightweightControls &of(QWidget *container);
    static bool isLightweight(const QObject *object);

    void watch(QObject *child);
    bool stackedRight() const;
    void restack();
    bool isCovered(const QLabel &label) const;
    bool showCoveredText(QLabel &label, const QHelpEvent &request) const;

    QWidget *m_container;
    bool m_restacking = false;
};

}  // namespace hestova::forms
