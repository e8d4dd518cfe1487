#include "common/ReportPictures.h"

#include <QPainter>
#include <QPainterPath>

namespace hestova::reports {

namespace {

const QColor Ink(0x30, 0x30, 0x30);
const QColor Paper(0xFF, 0xFF, 0xFF);
const QColor Body(0x70, 0x78, 0x88);

// A sheet of paper with a folded corner and a few text lines, inside `r`.
void drawPage(QPainter &p, const QRectF &r, const QColor &lines = QColor(0x40, 0x60, 0xB0))
{
    const qreal fold = r.width() / 4;
    QPainterPath outline;
    outline.moveTo(r.topLeft());
    outline.lineTo(r.right() - fold, r.top());
    outline.lineTo(r.right(), r.top() + fold);
    outline.lineTo(r.bottomRight());
    outline.lineTo(r.bottomLeft());
    outline.closeSubpath();
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawPath(outline);
    p.drawLine(QPointF(r.right() - fold, r.top()), QPointF(r.right() - fold, r.top() + fold));
    p.drawLine(QPointF(r.right() - fold, r.top() + fold), QPointF(r.right(), r.top() + fold));
    p.setPen(QPen(lines, 1));
    const qreal step = qMax<qreal>(2, r.height() / 6);
    for (qreal y = r.top() + fold + step / 2; y < r.bottom() - 1; y += step)
        p.drawLine(QPointF(r.left() + 2, y), QPointF(r.right() - 2, y));
}

// A printer seen from the front, inside `r`, with a sheet coming out of it.
void drawPrinter(QPainter &p, const QRectF &r)
{
    const qreal w = r.width(), h = r.height();
    drawPage(p, QRectF(r.left() + w * 0.25, r.top(), w * 0.5, h * 0.45));
    p.setPen(QPen(Ink, 1));
    p.setBrush(Body);
    p.drawRoundedRect(QRectF(r.left(), r.top() + h * 0.38, w - 1, h * 0.42), 3, 3);
    p.setBrush(Paper);
    p.drawRect(QRectF(r.left() + w * 0.2, r.top() + h * 0.68, w * 0.6, h * 0.3));
    p.setBrush(QColor(0x40, 0xC0, 0x40));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(r.right() - w * 0.2, r.top() + h * 0.46, w * 0.1, w * 0.1));
}

void drawPicture(QPainter &p, ReportPicture picture, qreal s)
{
    switch (picture) {
    case ReportPicture::Print:
        drawPrinter(p, QRectF(2, 3, s - 4, s - 5));
        break;
    case ReportPicture::PrintSetup: {
        drawPrinter(p, QRectF(1, 1, s * 0.8, s * 0.8));
        // A wrench-like gear at the bottom right.
        const QRectF gear(s * 0.52, s * 0.52, s * 0.44, s * 0.44);
        p.setPen(QPen(QColor(0x80, 0x50, 0x10), 3, Qt::SolidLine, Qt::RoundCap));
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(gear.center());
            p.rotate(45.0 * i);
            p.drawLine(QPointF(-gear.width() / 2, 0), QPointF(gear.width() / 2, 0));
            p.restore();
        }
        p.setPen(QPen(Ink, 1));
        p.setBrush(QColor(0xF0, 0xC0, 0x40));
        p.drawEllipse(gear.adjusted(gear.width() * 0.2, gear.height() * 0.2, -gear.width() * 0.2, -gear.height() * 0.2));
        break;
    }
    case ReportPicture::Preview: {
        drawPage(p, QRectF(2, 1, s * 0.65, s * 0.85));
        const QRectF lens(s * 0.4, s * 0.38, s * 0.38, s * 0.38);
        p.setPen(QPen(QColor(0x60, 0x40, 0x20), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(lens.center() + QPointF(lens.width() * 0.35, lens.height() * 0.35), QPointF(s - 2, s - 2));
        p.setPen(QPen(Ink, 2));
        p.setBrush(QColor(0xC0, 0xE0, 0xFF, 0xC0));
        p.drawEllipse(lens);
        break;
    }
    case ReportPicture::PrintAll:
        drawPage(p, QRectF(s * 0.45, 1, s * 0.45, s * 0.5));
        drawPage(p, QRectF(s * 0.3, 3, s * 0.45, s * 0.5));
        drawPrinter(p, QRectF(1, s * 0.22, s * 0.85, s * 0.76));
        break;
    case ReportPicture::Close: {
        p.setPen(QPen(QColor(0xC0, 0x20, 0x20), s / 6.0, Qt::SolidLine, Qt::RoundCap));
        const qreal m = s * 0.22;
        p.drawLine(QPointF(m, m), QPointF(s - m, s - m));
        p.drawLine(QPointF(s - m, m), QPointF(m, s - m));
        break;
    }
    case ReportPicture::ChooseSheet:
        drawPage(p, QRectF(2, 1, s - 5, s - 2), QColor(0xC0, 0x30, 0x30));
        break;
    case ReportPicture::SheetItem: {
        // A small table: header row and grid.
        const QRectF t(1, 2, s - 3, s - 5);
        p.setPen(QPen(Ink, 1));
        p.setBrush(Paper);
        p.drawRect(t);
        p.fillRect(QRectF(t.left() + 1, t.top() + 1, t.width() - 1, t.height() / 4), QColor(0x60, 0x90, 0xD0));
        p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
        for (int i = 1; i < 3; ++i) {
            const qreal x = t.left() + t.width() * i / 3;
            p.drawLine(QPointF(x, t.top() + t.height() / 4), QPointF(x, t.bottom()));
        }
        for (int i = 2; i < 4; ++i) {
            const qreal y = t.top() + t.height() * i / 4;
            p.drawLine(QPointF(t.left(), y), QPointF(t.right(), y));
        }
        break;
    }
    }
}

}  // namespace

int pictureSize(ReportPicture picture)
{
    switch (picture) {
    case ReportPicture::Close:
    case ReportPicture::ChooseSheet:
    case ReportPicture::SheetItem:
        return 16;
    default:
        return 32;
    }
}

QPixmap drawReportPicture(ReportPicture picture)
{
    const int size = pictureSize(picture);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawPicture(painter, picture, size);
    painter.end();
    return QPixmap::fromImage(image);
}

}  // namespace hestova::reports
