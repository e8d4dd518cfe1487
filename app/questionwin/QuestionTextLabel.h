#pragma once

#include <QLabel>
#include <QPointer>

// The text of a question row: one line per line break, the lines set at the font's em height so that a
// question of five lines stays above its strip of answer buttons as the window lays them out. A line that
// would run into the area of the control to keep clear (the survey line) starts the text below that area.
class QuestionTextLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    int linePitch() const;  // pixels from one line to the next

    // A sibling control whose area no line of the text may cross.
    void setKeepClear(const QWidget *control) { m_keepClear = control; }
    // Where each line of the text lies, in the parent's coordinates.
    QList<QRect> lineRects() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int textTop() const;  // pixels above the first line

    QPointer<const QWidget> m_keepClear;
};
