#include "QuestionTextLabel.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace {

QStringList linesOf(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

}  // namespace

int QuestionTextLabel::linePitch() const
{
    return QFontInfo(font()).pixelSize();
}

QSize QuestionTextLabel::sizeHint() const
{
    const QStringList lines = linesOf(text());
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString &line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    return {width, int(lines.size()) * linePitch()};
}

void QuestionTextLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const int pitch = linePitch();
    const QStringList lines = linesOf(text());
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(0, i * pitch, width(), pitch),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, lines[i]);
}
