// Draws the window skin: caption-button bitmaps (normal and pressed), the caption and window backgrounds,
// and the window icons. Usage: skin_pictures <data folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>
#include <functional>

namespace {

// The caption's colour family (0x8080FF as red, green, blue) and the window border blue.
const QColor Rose(255, 128, 128);
const QColor RoseLight(255, 196, 190);
const QColor RoseDark(196, 72, 80);
const QColor BorderBlue(0, 128, 176);

using Glyph = std::function<void(QPainter &, const QRectF &)>;

QImage button(bool pressed, const Glyph &glyph)
{
    const int side = 15;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Rose);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(0, 0, 0, side);
    face.setColorAt(0, pressed ? RoseDark : RoseLight);
    face.setColorAt(1, pressed ? RoseLight.darker(115) : RoseDark);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, side - 1, side - 1), 3, 3);
    p.fillPath(shape, face);
    p.setPen(QPen(pressed ? RoseDark.darker(140) : QColor(255, 240, 236), 1));
    p.drawPath(shape);
    const QRectF inner = QRectF(4, 4, side - 8, side - 8).translated(pressed ? 0.5 : 0, pressed ? 0.5 : 0);
    p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    glyph(p, inner);
    return image;
}

void closeGlyph(QPainter &p, const QRectF &r)
{
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomLeft());
}

void minGlyph(QPainter &p, const QRectF &r)
{
    p.drawLine(QPointF(r.left(), r.bottom()), r.bottomRight());
}

void maxGlyph(QPainter &p, const QRectF &r)
{
    p.drawRect(r);
    p.drawLine(r.topLeft() + QPointF(0, 1), r.topRight() + QPointF(0, 1));
}

void restoreGlyph(QPainter &p, const QRectF &r)
{
    const QRectF back(r.left() + 2, r.top(), r.width() - 2, r.height() - 2);
    const QRectF front(r.left(), r.top() + 2.5, r.width() - 2.5, r.height() - 2.5);
    p.drawPolyline(QPolygonF({back.bottomLeft() + QPointF(0, -2.5), back.topLeft(), back.topRight(),
                              back.bottomRight(), back.bottomRight() + QPointF(-2.5, 0)}));
    p.drawRect(front);
}

QImage caption()
{
    QImage image(48, 19, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 19);
    g.setColorAt(0, RoseLight);
    g.setColorAt(0.45, Rose);
    g.setColorAt(1, RoseDark);
    p.fillRect(image.rect(), g);
    p.setPen(QColor(255, 255, 255, 70));
    p.drawLine(0, 1, 47, 1);
    return image;
}

QImage windowBackground()
{
    QImage image(64, 64, QImage::Format_RGB32);
    image.fill(QColor(252, 244, 242));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 226, 224));
    for (const QPointF &c : {QPointF(16, 16), QPointF(48, 48)})
        p.drawEllipse(c, 2.2, 2.2);
    p.setBrush(QColor(249, 235, 233));
    for (const QPointF &c : {QPointF(48, 16), QPointF(16, 48)})
        p.drawEllipse(c, 1.4, 1.4);
    return image;
}

using IconPainter = std::function<void(QPainter &, int)>;

QImage iconImage(int side, const IconPainter &draw)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(side / 32.0, side / 32.0);
    draw(p, side);
    return image;
}

void computerIcon(QPainter &p, int)
{
    p.setPen(QPen(QColor(40, 60, 90), 1.5));
    p.setBrush(QColor(220, 226, 236));
    p.drawRoundedRect(QRectF(3, 4, 26, 18), 2, 2);
    QLinearGradient screen(0, 6, 0, 20);
    screen.setColorAt(0, QColor(120, 190, 240));
    screen.setColorAt(1, BorderBlue);
    p.setPen(Qt::NoPen);
    p.setBrush(screen);
    p.drawRect(QRectF(6, 7, 20, 12));
    p.setBrush(QColor(90, 100, 120));
    p.drawRect(QRectF(13, 22, 6, 4));
    p.setBrush(QColor(200, 206, 216));
    p.setPen(QPen(QColor(40, 60, 90), 1.2));
    p.drawRoundedRect(QRectF(7, 26, 18, 3), 1, 1);
}

void hospitalIcon(QPainter &p, int)
{
    p.setPen(QPen(QColor(150, 40, 50), 1.5));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(2, 2, 28, 28), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 50));
    p.drawRect(QRectF(12.5, 6, 7, 20));
    p.drawRect(QRectF(6, 12.5, 20, 7));
}

void reportIcon(QPainter &p, int)
{
    p.setPen(QPen(QColor(60, 70, 90), 1.3));
    p.setBrush(Qt::white);
    QPolygonF sheet({QPointF(6, 2), QPointF(21, 2), QPointF(27, 8), QPointF(27, 30), QPointF(6, 30)});
    p.drawPolygon(sheet);
    p.drawPolyline(QPolygonF({QPointF(21, 2), QPointF(21, 8), QPointF(27, 8)}));
    p.setPen(Qt::NoPen);
    const QColor bars[] = {BorderBlue, Rose, QColor(90, 170, 90)};
    const double heights[] = {8, 14, 11};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(bars[i]);
        p.drawRect(QRectF(9 + i * 6, 26 - heights[i], 4.5, heights[i]));
    }
}

bool saveIcon(const QString &path, const IconPainter &draw)
{
    // One 32-pixel image per icon file; smaller sizes are scaled from it when shown.
    QImageWriter writer(path, "ico");
    return writer.write(iconImage(32, draw));
}

bool save(const QImage &image, const QString &path)
{
    if (!image.save(path, "BMP")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: skin_pictures <data folder>\n");
        return 2;
    }
    const QDir data(QString::fromLocal8Bit(argv[1]));
    data.mkpath(QStringLiteral("skin"));
    data.mkpath(QStringLiteral("ico"));
    const QString skin = data.filePath(QStringLiteral("skin/"));
    bool ok = true;
    ok &= save(button(false, closeGlyph), skin + "close.bmp");
    ok &= save(button(true, closeGlyph), skin + "closedown.bmp");
    ok &= save(button(false, minGlyph), skin + "min.bmp");
    ok &= save(button(true, minGlyph), skin + "mindown.bmp");
    ok &= save(button(false, maxGlyph), skin + "max.bmp");
    ok &= save(button(true, maxGlyph), skin + "maxdown.bmp");
    ok &= save(button(false, restoreGlyph), skin + "restore.bmp");
    ok &= save(button(true, restoreGlyph), skin + "restoredown.bmp");
    ok &= save(caption(), skin + "Caption.bmp");
    ok &= save(windowBackground(), skin + "Bkground.BMP");
    ok &= saveIcon(skin + "computer.ico", computerIcon);
    ok &= saveIcon(skin + "Hospital.ico", hospitalIcon);
    ok &= saveIcon(data.filePath(QStringLiteral("ico/Report.ico")), reportIcon);
    return ok ? 0 : 1;
}
