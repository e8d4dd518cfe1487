#include "windows/Mainform.h"
#include "Mmain.h"

#include "TempAppFolder.h"
#include "TestDatabaseFile.h"
#include "core/AppError.h"
#include "core/AppFolder.h"
#include "db/Connection.h"
#include "forms/Forms.h"
#include "forms/MessageBox.h"
#include "odbcini/OdbcInstaller.h"
#include "surveydata/SurveyDataSource.h"

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
    // Bytes that are no UTF-8 cannot be carried to the files; a line break cannot be written into the data source;
    // SQLite opens a database by a path of at most 504 bytes, so the folder may have 496 (504 less "/myd.mdb").
    try {
        hestova::AppFolder::checkCarried(QByteArray("/srv/lat\xe9n"));
        ADD_FAILURE() << "a folder named in Latin-1 was taken";
    } catch (const hestova::AppError &error) {
        EXPECT_EQ(error.number(), 76);
        EXPECT_TRUE(error.description().contains(QStringLiteral("的路径含有不是 UTF-8 编码的字节")));
    }
    QString longest = folder.path();
    while (496 - longest.size() > 201)
        longest += QLatin1Char('/') + QString(200, QLatin1Char('w'));
    longest += QLatin1Char('/') + QString(496 - longest.size() - 1, QLatin1Char('x'));
    const QString broken = folder.file(QStringLiteral("hospital\nsurveys"));
    for (const auto &[refused, start] : QList<std::pair<QString, QString>>{
             {broken, QStringLiteral("76：  本程序所在的文件夹 %1/hospital\\nsurveys 的路径含有换行符").arg(folder.path())},
             {longest + QLatin1Char('x'),
              QStringLiteral("76：  本程序所在的文件夹 %1x 的路径有 497 字节，其中数据库文件 myd.mdb 的路径超过了 SQLite 所能打开的 "
                             "504 字节，所以没有注册数据源，也没有打开窗口。请把这个文件夹移到或改名为不超过 496 字节的路径，再启动本程序")
                  .arg(longest)}}) {
        ASSERT_TRUE(QDir().mkpath(refused));
        hestova::AppFolder::setPath(refused);
        boxes.clear();
        Mmain::Main();
        ASSERT_EQ(boxes.boxes().size(), 1);
        EXPECT_TRUE(boxes.last().text.startsWith(start)) << boxes.last().text.toStdString();
        EXPECT_EQ(Forms::loadedCount(), 0);
        EXPECT_FALSE(QFile::exists(folder.odbcIniPath())) << "nothing registered";
    }

    // A carriage return alone stays within the data source's one line, and a folder of 496 bytes leaves the database
    // a path SQLite opens: those folders are used.
    const QString carriageReturn = folder.file(QStringLiteral("ward\rA"));
    ASSERT_TRUE(QFile::link(folder.path(), carriageReturn));
    ASSERT_TRUE(QDir().mkpath(longest));
    for (const QString &shipped : {"controls", "skin", "ico"})
        ASSERT_TRUE(QFile::link(folder.file(shipped), longest + QLatin1Char('/') + shipped));
    TestDatabase::createFile(longest + QStringLiteral("/myd.mdb"));
    for (const QString &used : {carriageReturn, longest}) {
        hestova::AppFolder::setPath(used);
        boxes.clear();
        Mmain::Main();
        EXPECT_TRUE(boxes.boxes().isEmpty()) << boxes.last().text.toStdString();
        EXPECT_TRUE(Forms::isLoaded<Mainform>());
        EXPECT_EQ(hestova::odbcini::OdbcInstaller::dataSourceAttribute("myddc", "Database"),
                  used + QStringLiteral("/myd.mdb"));
    }
    hestova::db::Connection connection;
    connection.Open(hestova::db::SurveyConnectionString);
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
