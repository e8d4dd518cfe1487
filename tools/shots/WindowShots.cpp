// Shows one of the program's windows in a given state and leaves it on screen, for screenshots under Xvfb:
//   window_shots <application folder> main|menu|about
// "menu" pops up the report menu under its button. The program's own windows, controls and skin are used;
// nothing is written to the application folder.
#include "windows/About.h"
#include "windows/Mainform.h"

#include "core/AppFolder.h"
#include "forms/Fonts.h"
#include "forms/Forms.h"

#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: window_shots <application folder> main|menu|about\n");
        return 2;
    }
    QApplication::setQuitOnLastWindowClosed(false);
    hestova::forms::installFontSubstitutions();
    hestova::AppFolder::setPath(QString::fromLocal8Bit(argv[1]));
    const QString state = QString::fromLocal8Bit(argv[2]);

    Mainform &mainform = hestova::forms::Forms::get<Mainform>();
    mainform.Show();
    if (state == QLatin1String("menu"))
        QTimer::singleShot(500, &mainform, [&mainform] { mainform.qeTobrel2_Click(); });
    else if (state == QLatin1String("about"))
        QTimer::singleShot(500, &mainform, [&mainform] { mainform.关于_Click(); });
    return app.exec();
}
