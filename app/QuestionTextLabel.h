#pragma once

#include <QLabel>

// The text of a question row: one line per line break, the lines set at the font's em height so that a
// question of five lines stays above its strip of answer buttons as the window lays them out.
class QuestionTextLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    int linePitch() const;  // pixels from one line to the next

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;
};
