// Shows a host window carrying the title bar from the built application folder, with the shipped skin.
// Usage: titlebar_show [application folder]   (runs until the window is closed)
#include "TestHostWindow.h"

#include "common/ControlLoader.h"
#include "common/LateBound.h"
#include "common/Picture.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLabel>
#include <QPushButton>

using namespace hestova::controls;

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QDir appDir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(HESTOVA_APP_DIR));
    ControlLoader loader(appDir.filePath(QStringLiteral("controls")));

    TestHostWindow host;
    host.resize(480, 300);
    host.backgroundFile = appDir.filePath(QStringLiteral("skin/Bkground.BMP"));
    QWidget *bar = loader.createControl(QStringLiteral("工程1.UCtitlebar"), &host);
    LateBound lateBound(bar);
    lateBound.set("Btnsize", 15);
    lateBound.set("Height", 280);
    lateBound.set("BackColor", 0x8080FF);
    lateBound.set("Caption", QStringLiteral("医院满意度调查"));
    lateBound.set("ForeColor", 0xFFFFFF);
    const auto skin = [&](const char *file) { return appDir.filePath(QStringLiteral("skin/") + QLatin1String(file)); };
    lateBound.set("ImageTitleN", Picture::icon(QIcon(skin("Hospital.ico"))));
    const char *pictures[][2] = {{"ImageCloseN", "close.bmp"},     {"ImageMinN", "min.bmp"},
                                 {"ImageMaxN", "max.bmp"},         {"ImageRestoreN", "restore.bmp"},
                                 {"ImageCloseD", "closedown.bmp"}, {"ImageMinD", "mindown.bmp"},
                                 {"ImageMaxD", "maxdown.bmp"},     {"ImageRestoreD", "restoredown.bmp"},
                                 {"BGpic", "Caption.bmp"}};
    for (const auto &picture : pictures)
        lateBound.set(picture[0], Picture::bitmap(QPixmap(skin(picture[1]))));
    host.attachBar(bar);

    auto *label = new QLabel(QStringLiteral("请选择要录入的调查"), host.client());
    label->move(24, 48);
    auto *report = new QLabel(host.client());
    report->setPixmap(QIcon(appDir.filePath(QStringLiteral("ico/Report.ico"))).pixmap(32, 32));
    report->move(24, 80);
    auto *computer = new QLabel(host.client());
    computer->setPixmap(QIcon(skin("computer.ico")).pixmap(32, 32));
    computer->move(64, 80);
    host.move(40, 40);
    host.show();
    return app.exec();
}
