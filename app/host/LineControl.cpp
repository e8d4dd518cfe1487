#include "host/LineControl.h"

#include "forms/FormDefinition.h"
#include "screen/OleColor.h"
#include "screen/Twips.h"

#include <QPainter>

namespace hestova::host {

namespace {
constexpr quint32 WindowTextColour = 0x80000008;
}

LineControl::LineControl(const forms::ControlDefinition &definition, QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QVariantMap &bag = definition.properties;
    m_start = QPoint(pixelsFromTwips(bag.value(QStringLiteral("X1")).toDouble()),
                     pixelsFromTwips(bag.value(QStringLiteral("Y1")).toDouble()));
    m_end = QPoint(pixelsFromTwips(bag.value(QStringLiteral("X2")).toDouble()),
                   pixelsFromTwips(bag.value(QStringLiteral("Y2")).toDouble()));
    m_color = toQColor(bag.value(QStringLiteral("BorderColor"), WindowTextColour).toUInt());
    setGeometry(QRect(m_start, m_end).normalized().adjusted(0, 0, 1, 1));
    forms::applyControlDefinition(this, definition);
}

void LineControl::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_color, 1));
    painter.drawLine(m_start - pos(), m_end - pos());
}

}  // namespace hestova::host
