#include "windows/Mainform.h"
#include "Mmain.h"

#include "TempAppFolder.h"
#include "forms/Forms.h"
#include "forms/MessageBox.h"

#include <QCoreApplication>
#include <QFile>
#include <gtest/gtest.h>

using namespace hestova::forms;

namespace {

class StartModule : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.copyControls();
        folder.copySkin();
        Forms::setQuitHook([this] { ++quits; });
    }
    void TearDown() override
    {
        Forms::unload<Mainform>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Forms::setQuitHook(nullptr);
    }

    TempAppFolder folder;
    ScriptedMessageBoxes boxes;
    int quits = 0;
};

TEST_F(StartModule, MainRegistersTheDataSourceThenShowsTheMainWindow)
{
    EXPECT_EQ(Mmain::SurveyKind, 0);
    EXPECT_FALSE(Mmain::SurveyDate.isValid());
    EXPECT_FALSE(Forms::isLoaded<Mainform>());
    Mmain::Main();

    QFile odbcIni(folder.odbcIniPath());
    ASSERT_TRUE(odbcIni.open(QIODevice::ReadOnly)) << "no data source was registered";
    EXPECT_TRUE(odbcIni.readAll().contains("myddc"));

    Mainform *mainform = Forms::find<Mainform>();
    ASSERT_NE(mainform, nullptr);
    EXPECT_TRUE(mainform->isVisible());
    EXPECT_EQ(mainform->windowTitle(), QStringLiteral("Hestova"));
    EXPECT_EQ(mainform->ScaleWidth(), 9045);
    EXPECT_EQ(Forms::loadedCount(), 1);
    EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();
}

TEST_F(StartModule, UnloadingTheMainWindowEndsTheProgram)
{
    Mmain::Main();
    EXPECT_EQ(quits, 0);
    Forms::get<Mainform>().Unload();
    EXPECT_EQ(quits, 1);
    EXPECT_FALSE(Forms::isLoaded<Mainform>());
}

}  // namespace
