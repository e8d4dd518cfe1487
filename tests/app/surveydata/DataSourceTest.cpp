#include "IniFiles.h"
#include "TempAppFolder.h"
#include "TestDatabase.h"
#include "core/AppFolder.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "odbcini/Interleave.h"
#include "odbcini/OdbcInstaller.h"
#include "surveydata/SurveyDataSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include <sys/stat.h>
#include <unistd.h>

using namespace hestova;
using namespace hestova::db;
using namespace hestova::odbcini;
using namespace IniFiles;

namespace {

// Many data sources of other programs, as a shared user file may hold.
QByteArray manyOtherDataSources(int count)
{
    QByteArray content = OtherDataSources;
    for (int i = 0; i < count; ++i)
        content += "\n[pad" + QByteArray::number(i) + "]\nDriver=SQLite3\nDatabase=/srv/pad" + QByteArray::number(i) +
                   "/data.db\nDescription=padding " + QByteArray::number(i) + "\n";
    return content;
}

// Runs the helper that registers and connects as one starting copy of the program, with ODBCINI naming
// `userFile` when given, and as the user `runAs` when given (the test then runs as root).
std::unique_ptr<QProcess> startCopy(const QStringList &arguments, const QString &userFile = QString(),
                                    const QString &runAs = QString())
{
    auto copy = std::make_unique<QProcess>();
    if (!userFile.isEmpty()) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("ODBCINI"), userFile);
        copy->setProcessEnvironment(environment);
    }
    if (runAs.isEmpty()) {
        copy->start(QStringLiteral(REGISTER_AND_CONNECT), arguments);
    } else {
        copy->start(QStringLiteral("setpriv"), QStringList{"--reuid=" + runAs, "--regid=" + runAs, "--clear-groups",
                                                           QStringLiteral(REGISTER_AND_CONNECT)} +
                                                   arguments);
    }
    return copy;
}

constexpr char Nobody[] = "65534";

// The surveys stored in a database file, read without the data source.
qsizetype surveysIn(const QString &database)
{
    Connection connection;
    connection.Open("DRIVER={SQLite3};Database=" + database);
    Recordset rows;
    rows.Open("select * from mydjb", connection);
    return rows.RecordCount();
}

// Connects and stores one more survey; the refusal's box text, empty when it connected.
QString refusalOf(const QString &connectionString)
{
    try {
        Connection connection;
        connection.Open(connectionString);
        connection.Execute("insert into mydjb select count(*) + 1, '2024-1-1', 'here' from mydjb");
        return QString();
    } catch (const AppError &error) {
        return error.boxText();
    }
}

void expectRegisteredAndConnected(QProcess &copy, int round)
{
    ASSERT_TRUE(copy.waitForFinished(120000)) << "round " << round;
    EXPECT_EQ(copy.exitStatus(), QProcess::NormalExit) << "round " << round;
    EXPECT_EQ(copy.exitCode(), 0) << "round " << round << ": " << copy.readAllStandardError().toStdString();
}

}  // namespace

TEST(DataSource, RegistrationWritesMyddcWithTheFoldersDatabase)
{
    TempAppFolder folder;
    const QString database = AppFolder::file(QStringLiteral("\\myd.mdb"));
    registerSurveyDataSource(database);

    EXPECT_EQ(OdbcInstaller::dataSourceAttribute("myddc", "Database"), database);
    EXPECT_EQ(OdbcInstaller::dataSourceAttribute("myddc", "NoCreat"), "1");
    EXPECT_EQ(OdbcInstaller::dataSourceAttribute("myddc", "Driver"), "SQLite3");
    EXPECT_EQ(OdbcInstaller::dataSourceAttribute("myddc", "Timeout"), QString::number(SurveyBusyTimeoutMs));

    // Written to the temporary user file named by ODBCINI, nowhere else.
    const QString ini = QString::fromLocal8Bit(read(folder.odbcIniPath()));
    EXPECT_TRUE(ini.contains("[myddc]")) << ini.toStdString();
    EXPECT_TRUE(ini.contains(database)) << ini.toStdString();
}

TEST(DataSource, ReRegistrationFromAnotherFolderMovesTheDataSource)
{
    TempAppFolder folder;
    // Folder names with a blank and with Chinese characters, as users' folders may have.
    QDir(folder.path()).mkpath("first folder");
    QDir(folder.path()).mkpath("第二");
    const QString first = folder.file("first folder/myd.mdb");
    const QString second = folder.file("第二/myd.mdb");
    TestDatabase::createFile(first);
    TestDatabase::createFile(second);

    registerSurveyDataSource(first);
    EXPECT_EQ(refusalOf(SurveyConnectionString), QString());

    registerSurveyDataSource(second);
    EXPECT_EQ(OdbcInstaller::dataSourceAttribute("myddc", "Database"), second);
    const QString ini = QString::fromLocal8Bit(read(folder.odbcIniPath()));
    EXPECT_EQ(ini.count("[myddc]"), 1) << ini.toStdString();
    EXPECT_FALSE(ini.contains(first)) << ini.toStdString();

    EXPECT_EQ(refusalOf(SurveyConnectionString), QString());
    EXPECT_EQ(surveysIn(second), 1) << "the second folder's database is reached";
    EXPECT_EQ(surveysIn(first), 1);
}

TEST(DataSource, CopiesStartingTogetherKeepTheFileWholeAndAllEndRegistered)
{
    TempAppFolder folder;
    // Half of the copies reach the file through a link, as through a ~/.odbc.ini linked to a shared file.
    write(folder.odbcIniPath(), manyOtherDataSources(1000));
    const QString link = folder.file("linked.ini");
    ASSERT_TRUE(QFile::link(folder.odbcIniPath(), link));
    const Sections others = sections(folder.odbcIniPath());
    QDir(folder.path()).mkpath("first");
    QDir(folder.path()).mkpath("second");
    const QStringList databases{folder.file("first/myd.mdb"), folder.file("second/myd.mdb")};
    for (const QString &database : databases)
        TestDatabase::createFile(database);

    constexpr int Rounds = 6;
    constexpr int Copies = 8;
    for (int round = 0; round < Rounds; ++round) {
        // Each round the copies start from the other folder, so every one of them finds the entries to write.
        const QString database = databases[round % 2];
        std::vector<std::unique_ptr<QProcess>> copies;
        for (int copy = 0; copy < Copies; ++copy)
            copies.push_back(startCopy({database}, copy % 2 ? link : folder.odbcIniPath()));
        for (const auto &copy : copies)
            expectRegisteredAndConnected(*copy, round);

        Sections found = sections(folder.odbcIniPath());
        const QMap<QString, QString> myddc = found.take("myddc");
        EXPECT_EQ(found, others) << "round " << round;
        EXPECT_EQ(myddc, (QMap<QString, QString>{{"driver", "SQLite3"},
                                                 {"database", database},
                                                 {"nocreat", "1"},
                                                 {"timeout", QString::number(SurveyBusyTimeoutMs)}}))
            << "round " << round;
        EXPECT_FALSE(QFile::exists(folder.odbcIniPath() + ".lock"));
        EXPECT_TRUE(QFileInfo(link).isSymLink());
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no copy left staged";
    }
}

TEST(DataSource, ConnectionRegistersAgainWhenTheEntriesVanished)
{
    TempAppFolder folder;
    const QString database = folder.file("myd.mdb");
    TestDatabase::createFile(database);
    const QString othersOnly = folder.file("others.ini");
    write(othersOnly, OtherDataSources);

    // The copy registers, another program then leaves the file without "myddc", and the copy connects.
    const auto copy = startCopy({database, "--replace-user-file", othersOnly});
    expectRegisteredAndConnected(*copy, 0);
    Sections found = sections(folder.odbcIniPath());
    EXPECT_EQ(found.take("myddc").value("database"), database);
    EXPECT_EQ(found, sections(othersOnly));
}

TEST(DataSource, ConnectionReachesNoDatabaseButTheRegisteredOne)
{
    // Another program rewrites "myddc" to name another folder's database, there or missing (which the driver would
    // create but for NoCreat), or this folder's through a linked folder. The registration is then refused (a line
    // unixODBC would cut) or not; the installer may still answer what it read before the file changed, while the
    // driver reads the file anew.
    TempAppFolder folder;
    QDir(folder.path()).mkpath("other");
    QDir(folder.path()).mkpath("gone");
    QDir(folder.path()).mkpath("semi;colon");
    ASSERT_TRUE(QFile::link(folder.path(), folder.file("linked")));
    const QString database = folder.file("myd.mdb");
    const QString other = folder.file("other/myd.mdb");
    const QString missing = folder.file("gone/myd.mdb");
    const QString semicolon = folder.file("semi;colon/myd.mdb");
    for (const QString &made : {database, other, semicolon})
        TestDatabase::createFile(made);
    const QString cut = QStringLiteral("数据源 myddc 未能注册：%1 第 3 行").arg(folder.odbcIniPath());
    // A start registered `registered`; after a write the installer reads the file anew, not what it read before.
    const auto rewrite = [&](const QString &registered, bool readBefore, const QString &named, bool noCreat,
                             bool refused) {
        write(folder.odbcIniPath(), {});
        registerSurveyDataSource(registered);
        if (readBefore)
            OdbcInstaller::dataSourceAttribute("myddc", "Database");
        write(folder.odbcIniPath(), (refused ? "[archive]\nDriver=SQLite3\nPassword=" + QByteArray(2500, 'p') + "\n" : "") +
                                        "[myddc]\nDriver=SQLite3\nDatabase=" + named.toLocal8Bit() + "\n" +
                                        (noCreat ? "NoCreat=1\n" : ""));
        if (refused)
            EXPECT_THROW(registerSurveyDataSource(registered), AppError);
    };
    int stored = 0;
    // The database named, NoCreat, the installer's answer read before, the registration refused.
    for (const auto &[named, noCreat, readBefore, refused] : QList<std::tuple<QString, bool, bool, bool>>{
             {other, true, false, true}, {other, true, true, true}, {missing, false, true, true},
             {missing, true, true, true}, {folder.file("linked/myd.mdb"), true, false, true}, {missing, true, false, false}}) {
        rewrite(database, readBefore, named, noCreat, refused);
        const QByteArray before = read(folder.odbcIniPath());
        const std::string what = named.toStdString() + (readBefore ? ", read before" : "");
        const QString refusal = refusalOf(SurveyConnectionString);
        stored += refusal.isEmpty();
        if (named == other && !readBefore)
            EXPECT_TRUE(refusal.startsWith(QStringLiteral("3001：  数据源 myddc 指向另一个数据库文件 %1，不是 %2，没有连接：")
                                               .arg(other, database) + cut))
                << what << ": " << refusal.toStdString();
        else
            EXPECT_TRUE(refusal.isEmpty()) << what << ": " << refusal.toStdString();
        // Registered again where it may be written.
        if (refused)
            EXPECT_EQ(read(folder.odbcIniPath()), before) << what;
        else
            EXPECT_EQ(myddc(folder.odbcIniPath()), database) << what;
    }

    // A path that holds ";" is not told to the driver (its string would end there): the driver opens the file that
    // "myddc" names, and may not create it. Registering again after that is refused, or another program saves the
    // file meanwhile, leading "myddc" to the other folder's database.
    const QString changed =
        QStringLiteral("数据源 myddc 未能注册：用户数据源文件 %1 在注册时被另一个程序改动了").arg(folder.odbcIniPath());
    const QString elsewhere =
        QStringLiteral("3001：  数据源 myddc 指向另一个数据库文件 %1，不是 %2，没有连接：").arg(other, semicolon) + changed;
    const auto saveOther = [&] {
        write(folder.odbcIniPath(), "[myddc]\nDriver=SQLite3\nDatabase=" + other.toLocal8Bit() + "\n");
    };
    for (const auto &[named, refused, refusal] : QList<std::tuple<QString, bool, QString>>{
             {missing, true,
              QStringLiteral("14：  数据源 myddc 没有连接到数据库文件 %1（[SQLite]connect failed），重新注册也没有成功：")
                      .arg(semicolon) + cut},
             {missing, false, elsewhere},
             {other, false, elsewhere}}) {
        rewrite(semicolon, true, named, false, refused);
        setInterleaved(Moment::BeforeReplacing, saveOther);
        const QString found = refusalOf(SurveyConnectionString);
        setInterleaved(Moment::BeforeReplacing, {});
        EXPECT_TRUE(found.startsWith(refusal)) << named.toStdString() << ": " << found.toStdString();
    }

    // A string that names a database of its own beside "myddc" is refused unless it names the registered file.
    registerSurveyDataSource(database);
    EXPECT_EQ(refusalOf(QStringLiteral("%1;Database=%2").arg(SurveyConnectionString, folder.file("linked/myd.mdb"))),
              QString());
    ++stored;
    EXPECT_EQ(refusalOf(QStringLiteral("%1;Database=%2").arg(SurveyConnectionString, other)),
              QStringLiteral("3001：  连接字符串指定的数据库文件 %1 不是数据源 myddc 的数据库文件 %2，没有连接").arg(other, database));
    EXPECT_EQ(surveysIn(database), stored);
    EXPECT_EQ(surveysIn(other), 0);
    EXPECT_FALSE(QFile::exists(missing)) << "the driver created the missing database";
}

TEST(DataSource, UserFileTheDriverManagerIgnoresGivesNoConnection)
{
    // The driver manager ignores a user file it cannot write; its driver would then open an empty database.
    TempAppFolder folder;
    const QString database = folder.file("myd.mdb");
    TestDatabase::createFile(database);
    write(folder.odbcIniPath(), "[myddc]\nDriver=SQLite3\nDatabase=" + database.toLocal8Bit() +
                                        "\nNoCreat=1\nTimeout=" + QByteArray::number(SurveyBusyTimeoutMs) + "\n");
    openToOthers(folder.path());
    ASSERT_EQ(::chmod(QFile::encodeName(folder.odbcIniPath()).constData(), 0444), 0);
    const QByteArray before = read(folder.odbcIniPath());

    const auto copy = startCopy({database}, folder.odbcIniPath(), ::geteuid() == 0 ? Nobody : QString());
    ASSERT_TRUE(copy->waitForFinished(120000));
    EXPECT_EQ(copy->exitCode(), 1);
    const QString box = QString::fromLocal8Bit(copy->readAllStandardError()).trimmed();
    EXPECT_EQ(box, QStringLiteral("3001：  数据源 myddc 没有指向数据库文件，没有连接：数据源 myddc 未能注册：用户数据源文件 %1 必须可写"
                                  "（ODBC 不读取它无法写入的用户数据源文件）")
                       .arg(folder.odbcIniPath()));
    EXPECT_EQ(read(folder.odbcIniPath()), before);
}

TEST(DataSource, UserFileThatIsNoRegularFileIsRefusedWithoutWaiting)
{
    TempAppFolder folder;
    const QString database = folder.file("myd.mdb");
    TestDatabase::createFile(database);
    ASSERT_EQ(::mkfifo(QFile::encodeName(folder.odbcIniPath()).constData(), 0600), 0);

    // Both the registration and the connection would wait for a writer of the pipe.
    const auto copy = startCopy({database}, folder.odbcIniPath());
    const bool finished = copy->waitForFinished(60000);
    if (!finished)
        copy->kill();
    ASSERT_TRUE(finished) << "the start waits on the named pipe";
    const QString refused = QStringLiteral("用户数据源文件 %1 是命名管道，不是普通文件").arg(folder.odbcIniPath());
    EXPECT_EQ(QString::fromLocal8Bit(copy->readAllStandardError()).trimmed(),
              QStringLiteral("3000：  数据源 myddc 未能注册：%1\n3001：  数据源 myddc 没有连接：%1").arg(refused));
}
