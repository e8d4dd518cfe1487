#include "questionwin/QuestionTextLabel.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>

namespace {

QStringList linesOf(const QString &text)
{
    return text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

// The lines' places relative to the label's own top left, starting `top` pixels down.
QList<QRect> linePlaces(const QStringList &lines, const QFontMetrics &metrics, int pitch, int top)
{
    QList<QRect> places;
    for (int i = 0; i < lines.size(); ++i)
        places.append(QRect(0, top + i * pitch, metrics.horizontalAdvance(lines[i]), pitch));
    return places;
}

}  // namespace

int QuestionTextLabel::linePitch() const
{
    return QFontInfo(font()).pixelSize();
}

int QuestionTextLabel::textTop() const
{
    if (!m_keepClear || m_keepClear->isHidden() || m_keepClear->parentWidget() != parentWidget())
        return 0;
    const QRect area = m_keepClear->geometry().translated(-pos());
    const QStringList lines = linesOf(text());
    const QFontMetrics metrics(font());
    int top = 0;
    for (bool moved = true; moved;) {
        moved = false;
        for (const QRect &line : linePlaces(lines, metrics, linePitch(), top)) {
            if (!line.isEmpty() && line.intersects(area)) {
                top += area.bottom() + 1 - line.top();
                moved = true;
                break;
            }
        }
    }
    return top;
}

QList<QRect> QuestionTextLabel::lineRects() const
{
    QList<QRect> rects = linePlaces(linesOf(text()), QFontMetrics(font()), linePitch(), textTop());
    for (QRect &rect : rects)
        rect.translate(pos());
    return rects;
}

QSize QuestionTextLabel::sizeHint() const
{
    const QStringList lines = linesOf(text());
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString &line : lines)
        width = qMax(width, metrics.horizontalAdvance(line));
    return {width, lines.isEmpty() ? 0 : textTop() + int(lines.size()) * linePitch()};
}

void QuestionTextLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    const int pitch = linePitch();
    const int top = textTop();
    const QStringList lines = linesOf(text());
    for (int i = 0; i < lines.size(); ++i)
        painter.drawText(QRect(0, top + i * pitch, width(), pitch),
                         Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextDontClip, lines[i]);
}
