#include "windows/Mainform.h"
#include "Mmain.h"

#include "TempAppFolder.h"
#include "core/AppError.h"
#include "core/AppFolder.h"
#include "forms/Forms.h"
#include "forms/MessageBox.h"
#include "odbcini/OdbcInstaller.h"

#include <QCoreApplication>
#include <QDir>
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

TEST_F(StartModule, StartedFromAFolderWhosePathItCannotUseItSaysSoAndStartsNothing)
{
    // Bytes that are no UTF-8 cannot be carried to the files; a line break cannot be written into the data source.
    try {
        hestova::AppFolder::checkCarried(QByteArray("/srv/lat\xe9n"));
        ADD_FAILURE() << "a folder named in Latin-1 was taken";
    } catch (const hestova::AppError &error) {
        EXPECT_EQ(error.number(), 76);
        EXPECT_TRUE(error.description().contains(QStringLiteral("的路径含有不是 UTF-8 编码的字节")));
    }
    const QString broken = folder.file(QStringLiteral("hospital\nsurveys"));
    ASSERT_TRUE(QDir().mkpath(broken));
    hestova::AppFolder::setPath(broken);
    Mmain::Main();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.last().text.startsWith(QStringLiteral("76：  本程序所在的文件夹 %1/hospital\\nsurveys 的路径含有换行符")
                                                 .arg(folder.path())))
        << boxes.last().text.toStdString();
    EXPECT_EQ(Forms::loadedCount(), 0);
    EXPECT_FALSE(QFile::exists(folder.odbcIniPath())) << "nothing registered";

    // A carriage return alone stays within the data source's one line: that folder is used.
    const QString carriageReturn = folder.file(QStringLiteral("ward\rA"));
    ASSERT_TRUE(QFile::link(folder.path(), carriageReturn));
    hestova::AppFolder::setPath(carriageReturn);
    Mmain::Main();
    EXPECT_EQ(boxes.boxes().size(), 1) << boxes.last().text.toStdString();
    EXPECT_TRUE(Forms::isLoaded<Mainform>());
    EXPECT_EQ(hestova::odbcini::OdbcInstaller::dataSourceAttribute("myddc", "Database"),
              carriageReturn + QStringLiteral("/myd.mdb"));
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
