// Shows buttons in the main window's colours in their normal, hover and disabled looks (for a screenshot
// under Xvfb). The buttons come from the built plugin and are set up by member name, as the program does.
#include "common/ControlLoader.h"
#include "common/LateBound.h"
#include "common/Picture.h"
#include "common/PropertyBag.h"
#include "common/UserControl.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

using namespace hestova::controls;

namespace {

// A small document picture on white (white is the picture's background: it casts no shadow).
QPixmap documentPicture(int side, const QColor &ink)
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const int m = side / 6;
    painter.fillRect(m, m / 2, side - 2 * m, side - m, ink);
    painter.fillRect(m + 2, m / 2 + 2, side - 2 * m - 4, side - m - 4, Qt::white);
    for (int y = m + side / 6; y < side - m; y += side / 6)
        painter.fillRect(m + 4, y, side - 2 * m - 8, std::max(1, side / 16), ink);
    return pixmap;
}

QWidget *mainWindowButton(ControlLoader &loader, QWidget *host, const QString &caption, int imageSize, int x, int y)
{
    QWidget *button = loader.createControl(QStringLiteral("Tobrel.qeTobrel"), host);
    PropertyBag bag;
    bag.write("ColorPnormal", 0xFF8080u, 0xC0C0C0u);
    bag.write("ColorPmove", 0xFF0000u, 0xC0C0C0u);
    bag.write("ColorPdown", 0xFF0000u, 0xC0C0C0u);
    bag.write("ColorTnormal", 0xE0E0E0u, 0xC0C0C0u);
    bag.write("ColorTmove", 0xEFEFEFu, 0xC0C0C0u);
    bag.write("ColorTdown", 0xEFEFEFu, 0xC0C0C0u);
    bag.write("BorderStyleOut", 1, 0);
    bag.write("BorderStyleMove", 1, 2);
    bag.write("BorderStyleDown", 1, 3);
    bag.write("Caption", caption, QString());
    bag.write("TipText", caption, QStringLiteral("0"));
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(9);
    bag.write("Font", font);
    bag.write("Image", Picture::bitmap(documentPicture(imageSize == 16 ? 16 : 32, QColor(40, 60, 160))));
    bag.write("ImageSize", imageSize, 0);
    qobject_cast<PersistentControl *>(button)->ReadProperties(bag);
    button->setGeometry(x, y, 105, 31);  // 1575 x 465 twips
    return button;
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW")});
    ControlLoader loader(QStringLiteral(HESTOVA_APP_DIR "/controls"));

    QWidget host;
    host.setWindowTitle(QStringLiteral("Tobrel"));
    host.setAutoFillBackground(true);
    QPalette palette = host.palette();
    palette.setColor(QPalette::Window, QColor(0xF4, 0xF0, 0xE8));
    host.setPalette(palette);
    host.setGeometry(20, 20, 560, 260);

    const QStringList captions = {QStringLiteral("满意度调查"), QStringLiteral("满意度报表"), QStringLiteral("系    统"),
                                  QStringLiteral("退    出")};
    const QStringList rows = {QStringLiteral("normal"), QStringLiteral("hover"), QStringLiteral("disabled")};
    QList<QList<QWidget *>> buttons;
    for (int row = 0; row < rows.size(); ++row) {
        auto *label = new QLabel(rows[row], &host);
        label->setGeometry(8, 24 + row * 70, 70, 31);
        QList<QWidget *> line;
        for (int i = 0; i < captions.size(); ++i)
            line << mainWindowButton(loader, &host, captions[i], i == 3 ? 16 : 32, 80 + i * 118, 24 + row * 70);
        buttons << line;
    }
    for (QWidget *button : buttons[2])
        LateBound(button).set("Enabled", false);
    host.show();

    // The hover row: the pointer as if resting on each button (each draws its hover look when it enters).
    QTimer::singleShot(300, [&buttons] {
        for (QWidget *button : buttons[1]) {
            QMouseEvent move(QEvent::MouseMove, QPointF(50, 15), QPointF(button->mapToGlobal(QPoint(50, 15))),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(button, &move);
        }
    });
    // With "--pointer": the real pointer rests on the first button of the normal row, so that its hover
    // look and tooltip come through the window system's own events.
    if (app.arguments().contains(QStringLiteral("--pointer"))) {
        QTimer::singleShot(400, [&host] { host.activateWindow(); });
        QTimer::singleShot(600, [&buttons] { QCursor::setPos(buttons[0][0]->mapToGlobal(QPoint(60, 12))); });
        QTimer::singleShot(800, [&buttons] { QCursor::setPos(buttons[0][0]->mapToGlobal(QPoint(62, 14))); });
    }
    return app.exec();
}
