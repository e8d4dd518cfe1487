// Draws the pictures of the main window's menu items (16 x 16 on the mask colour &HC0C0C0), of its four buttons,
// of the About box's button and the questionnaires' "上一步"/"下一步" icons (16 x 16, transparent around the
// arrow, so that a disabled button embosses the arrow alone). Usage: window_pictures <output folder>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <functional>

namespace {

const QColor Mask(0xC0, 0xC0, 0xC0);  // the image list's mask colour: transparent where it shows
const QColor Paper(255, 255, 250);
const QColor Ink(40, 40, 40);
const QColor Patient(214, 60, 60);
const QColor MedTech(40, 130, 70);
const QColor Office(50, 90, 190);

using Drawing = std::function<void(QPainter &, int side)>;

QImage picture(int side, const QColor &background, const Drawing &draw)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(background);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, side > 16);
    draw(p, side);
    return image;
}

QImage transparentPicture(int side, const Drawing &draw)
{
    QImage image(side, side, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    draw(p, side);
    return image;
}

// A green arrow with a dark edge pointing right, or mirrored to the left. Neither colour is white, which a
// disabled button's embossing would leave out.
void arrow(QPainter &p, int s, bool left)
{
    const double u = s / 16.0;
    QPolygonF shape({QPointF(1 * u, 6 * u), QPointF(8 * u, 6 * u), QPointF(8 * u, 2 * u), QPointF(14 * u, 8 * u),
                     QPointF(8 * u, 14 * u), QPointF(8 * u, 10 * u), QPointF(1 * u, 10 * u)});
    if (left) {
        for (QPointF &point : shape)
            point.setX(s - point.x());
    }
    p.setPen(QPen(QColor(20, 90, 40), 1));
    p.setBrush(QColor(60, 170, 80));
    p.drawPolygon(shape);
}

// A sheet of paper with ruled lines and a coloured tick box: a questionnaire.
void questionnaire(QPainter &p, int s, const QColor &accent)
{
    const double u = s / 16.0;
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(QRectF(2 * u, 1 * u, 11 * u, 14 * u).adjusted(0, 0, -1, -1));
    p.setPen(QPen(Qt::gray, 1));
    for (int row = 0; row < 4; ++row)
        p.drawLine(QPointF(7 * u, (4 + 3 * row) * u), QPointF(11 * u, (4 + 3 * row) * u));
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    for (int row = 0; row < 4; ++row)
        p.drawRect(QRectF(4 * u, (3 + 3 * row) * u, 2 * u, 2 * u));
}

// A bar chart on paper: a report.
void report(QPainter &p, int s, const QColor &accent)
{
    const double u = s / 16.0;
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(QRectF(1 * u, 2 * u, 14 * u, 12 * u).adjusted(0, 0, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(accent);
    const double heights[] = {4, 7, 5, 9};
    for (int bar = 0; bar < 4; ++bar)
        p.drawRect(QRectF((3 + 3 * bar) * u, (12 - heights[bar]) * u, 2 * u, heights[bar] * u));
}

// A table with an arrow: preparing report data.
void prepare(QPainter &p, int s)
{
    const double u = s / 16.0;
    p.setPen(QPen(Ink, 1));
    p.setBrush(Paper);
    p.drawRect(QRectF(1 * u, 1 * u, 10 * u, 10 * u).adjusted(0, 0, -1, -1));
    p.drawLine(QPointF(1 * u, 4 * u), QPointF(10 * u, 4 * u));
    p.drawLine(QPointF(1 * u, 7 * u), QPointF(10 * u, 7 * u));
    p.drawLine(QPointF(5 * u, 1 * u), QPointF(5 * u, 10 * u));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(230, 140, 20));
    p.drawPolygon(QPolygonF({QPointF(8 * u, 9 * u), QPointF(15 * u, 12 * u), QPointF(8 * u, 15 * u)}));
}

// A gear: the system menu.
void gear(QPainter &p, int s)
{
    const QPointF centre(s / 2.0, s / 2.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(90, 90, 110));
    for (int tooth = 0; tooth < 8; ++tooth) {
        p.save();
        p.translate(centre);
        p.rotate(tooth * 45);
        p.drawRect(QRectF(-s * 0.08, -s * 0.45, s * 0.16, s * 0.2));
        p.restore();
    }
    p.drawEllipse(centre, s * 0.32, s * 0.32);
    p.setBrush(Paper);
    p.drawEllipse(centre, s * 0.13, s * 0.13);
}

// An open door with an arrow: leaving.
void leave(QPainter &p, int s)
{
    const double u = s / 16.0;
    p.setPen(QPen(Ink, 1));
    p.setBrush(QColor(150, 100, 60));
    p.drawRect(QRectF(2 * u, 1 * u, 8 * u, 14 * u).adjusted(0, 0, -1, -1));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 40, 40));
    p.drawPolygon(QPolygonF({QPointF(8 * u, 6.5 * u), QPointF(12 * u, 6.5 * u), QPointF(12 * u, 4 * u),
                             QPointF(16 * u, 8 * u), QPointF(12 * u, 12 * u), QPointF(12 * u, 9.5 * u),
                             QPointF(8 * u, 9.5 * u)}));
}

// A green tick: confirming.
void tick(QPainter &p, int s)
{
    p.setPen(QPen(QColor(30, 150, 60), s / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({QPointF(s * 0.2, s * 0.55), QPointF(s * 0.42, s * 0.78), QPointF(s * 0.82, s * 0.25)}));
}

bool save(const QDir &folder, const QString &name, const QImage &image, const char *format = "BMP")
{
    if (image.save(folder.filePath(name), format))
        return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(name)));
    return false;
}

}  // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: window_pictures <output folder>\n");
        return 2;
    }
    QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    // Menu items of the main window, 16 x 16 on the mask colour.
    ok &= save(folder, "menu_brmyd.bmp", picture(16, Mask, [](QPainter &p, int s) { questionnaire(p, s, Patient); }));
    ok &= save(folder, "menu_yjmyd.bmp", picture(16, Mask, [](QPainter &p, int s) { questionnaire(p, s, MedTech); }));
    ok &= save(folder, "menu_xzmyd.bmp", picture(16, Mask, [](QPainter &p, int s) { questionnaire(p, s, Office); }));
    ok &= save(folder, "menu_brbb.bmp", picture(16, Mask, [](QPainter &p, int s) { report(p, s, Patient); }));
    ok &= save(folder, "menu_yjbb.bmp", picture(16, Mask, [](QPainter &p, int s) { report(p, s, MedTech); }));
    ok &= save(folder, "menu_xzbb.bmp", picture(16, Mask, [](QPainter &p, int s) { report(p, s, Office); }));
    ok &= save(folder, "menu_prepare.bmp", picture(16, Mask, prepare));
    // Buttons, on their picture area's colour (&HFF8080 on the main window, &HE0E0E0 on the About box).
    const QColor mainButton(0x80, 0x80, 0xFF);
    ok &= save(folder, "button_survey.bmp", picture(32, mainButton, [](QPainter &p, int s) { questionnaire(p, s, Patient); }));
    ok &= save(folder, "button_report.bmp", picture(32, mainButton, [](QPainter &p, int s) { report(p, s, Office); }));
    ok &= save(folder, "button_system.bmp", picture(32, mainButton, gear));
    ok &= save(folder, "button_leave.bmp", picture(16, mainButton, leave));
    ok &= save(folder, "button_ok.bmp", picture(32, QColor(0xE0, 0xE0, 0xE0), tick));
    // The questionnaires' previous and next buttons: icons.
    ok &= save(folder, "button_previous.ico", transparentPicture(16, [](QPainter &p, int s) { arrow(p, s, true); }), "ICO");
    ok &= save(folder, "button_next.ico", transparentPicture(16, [](QPainter &p, int s) { arrow(p, s, false); }), "ICO");
    return ok ? 0 : 1;
}
