#include "Mmain.h"
#include "ReportWindows.h"
#include "forms/Fonts.h"
#include "forms/Forms.h"
#include "forms/Handler.h"
#include "forms/PlatformTexts.h"

#include <QApplication>

#include <csignal>

int main(int argc, char **argv)
{
    // A write past the file-size limit then fails with EFBIG, which the program reports, instead of ending it.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Hestova"));
    // The program ends when its last window is unloaded (Forms), not when the last one is hidden.
    QApplication::setQuitOnLastWindowClosed(false);
    hestova::forms::installFontSubstitutions();
    // Without the catalogue the "错误" box says so and the platform's texts stay English.
    hestova::forms::RunHandler(hestova::forms::installPlatformTranslations);

    hestova::reports::registerReportWindows();
    Mmain::Main();
    if (hestova::forms::Forms::loadedCount() == 0)
        return 0;
    return app.exec();
}
