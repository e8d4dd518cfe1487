// A window with its survey menu open in the main window's colours, for a screenshot.
#include "MenuTestSupport.h"

#include "menu/UCQuillon.h"

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    menutest::HostWindow host;
    host.window->setWindowTitle(QStringLiteral("Hestova"));
    host.window->setGeometry(40, 40, 600, 420);
    QPalette palette = host.window->palette();
    palette.setColor(QPalette::Window, QColor(0xF4, 0xF0, 0xE8));
    host.window->setPalette(palette);
    host.window->setAutoFillBackground(true);
    host.window->show();
    auto images = menutest::surveyImageList();
    hestova::quillon::UCQuillon control(host.window.get());
    control.setColorLeft(0xB36666);
    control.setColSytleSel(3);
    control.setColorjb(0xE0E0E0);
    control.Convert(QVariant::fromValue<QObject *>(host.window.get()), images.get(), true);
    QTimer::singleShot(200, [&] {
        host.menu->popup(host.window->mapToGlobal(QPoint(30, 40)));
        host.menu->setActiveAction(host.yjmyd);
    });
    return app.exec();
}
