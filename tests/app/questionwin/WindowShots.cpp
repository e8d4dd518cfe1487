#include "QuestionnaireWindowFixture.h"

#include <QDir>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>

// Not a check: run by hand under a real X server to look at the windows, e.g. from its build folder
//   HESTOVA_SHOTS=shots xvfb-run -a -s "-screen 0 1280x1024x24" ./questionwin_tests
//       --gtest_also_run_disabled_tests --gtest_filter='*DISABLED_ShotOfEachQuestionnaire*'
TEST_F(QuestionnaireWindowTest, DISABLED_ShotOfEachQuestionnaire)
{
    const QString folder = qEnvironmentVariable("HESTOVA_SHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "HESTOVA_SHOTS names no folder";
    QDir().mkpath(folder);
    const struct {
        int kind;
        int page;
        const char *name;
    } shots[] = {{1, 1, "question-page1"}, {1, 3, "question-page3"}, {2, 1, "questionyj-page1"},
                 {2, 16, "questionyj-page16"}, {3, 8, "questionzn-page8"}, {3, 24, "questionzn-page24"}};
    for (const auto &shot : shots) {
        QuestionnaireWindow &window = open(shot.kind);
        while (window.model().currentPage() < shot.page)
            fillPageAndNext(window);
        fillPage(window);
        window.Show();
        // Without a window manager nothing maximises a window: give it the screen as maximising would.
        window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        for (int i = 0; i < 20; ++i) {
            QCoreApplication::processEvents();
            QThread::msleep(50);
        }
        QGuiApplication::primaryScreen()->grabWindow(0).save(folder + QLatin1Char('/') + shot.name + ".png");
        window.Unload();
        flushDeletes();
    }
}
