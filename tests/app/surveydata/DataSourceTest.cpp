#include "TempAppFolder.h"
#include "TestDatabase.h"
#include "core/AppError.h"
#include "core/AppFolder.h"
#include "db/Connection.h"
#include "odbcini/Interleave.h"
#include "odbcini/OdbcInstaller.h"
#include "db/Recordset.h"
#include "surveydata/SurveyDataSource.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <tuple>
#include <vector>

#include <cstdio>

#include <dirent.h>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace hestova;
using namespace hestova::db;
using namespace hestova::odbcini;

namespace {

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(file.readAll());
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// The file `path` names, whatever bytes its name holds.
QByteArray readBytes(const QByteArray &path)
{
    std::ifstream file(path.constData(), std::ios::binary);
    return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(file), {}));
}

void writeBytes(const QByteArray &path, const QByteArray &content)
{
    std::ofstream file(path.constData(), std::ios::binary | std::ios::trunc);
    file.write(content.constData(), content.size());
    ASSERT_TRUE(file.good()) << path.constData();
}

// The names in the folder `path`, as bytes.
QList<QByteArray> namesIn(const QByteArray &path)
{
    QList<QByteArray> names;
    for (const auto &entry : std::filesystem::directory_iterator(path.toStdString()))
        names.append(QByteArray::fromStdString(entry.path().filename().string()));
    std::sort(names.begin(), names.end());
    return names;
}

// Two data sources of other programs, as their owner keeps them.
const QByteArray OtherDataSources = "; data sources of other programs\n"
                                    "[archive]\nDriver = SQLite3\nDatabase=/srv/archive/archive.db\n"
                                    "Description=Archive of last year\n\n"
                                    "[ledger]\nDriver=PostgreSQL Unicode\nServername=db.example\nPort=5432\n"
                                    "Database=ledger\n";

// Section -> key (lower case) -> value. A reader of the tests' own, for the plain files they write and read:
// "[name]" starts a section, "key = value" is an entry, blank lines and comments are skipped.
using Sections = QMap<QString, QMap<QString, QString>>;

Sections readSections(const QByteArray &path)
{
    Sections sections;
    QString section;
    for (const QByteArray &bytes : readBytes(path).split('\n')) {
        const QString line = QString::fromLocal8Bit(bytes).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            section = line.mid(1, line.size() - 2).trimmed();
        else
            sections[section].insert(line.section(QLatin1Char('='), 0, 0).trimmed().toLower(),
                                     line.section(QLatin1Char('='), 1).trimmed());
    }
    return sections;
}

Sections readSections(const QString &path)
{
    return readSections(QFile::encodeName(path));
}

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
// `userFile` when given, as the user `runAs` when given (the test then runs as root), and with `setUp` run in the
// new process before the helper starts.
std::unique_ptr<QProcess> startCopy(const QStringList &arguments, const QString &userFile = QString(),
                                    const QString &runAs = QString(), const std::function<void()> &setUp = {})
{
    auto copy = std::make_unique<QProcess>();
    if (setUp)
        copy->setChildProcessModifier(setUp);
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

// Lets the user `nobody` reach the folder and what it holds, as a user's home folder would be reached.
void openToOthers(const QString &folder)
{
    ASSERT_EQ(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    for (const QString &name : QDir(folder).entryList(QDir::Files))
        ASSERT_EQ(::chmod(QFile::encodeName(QDir(folder).filePath(name)).constData(), 0666), 0);
}

constexpr char Nobody[] = "65534";

// The output of setfacl or getfacl; nullopt when it fails (on a file system without ACLs).
std::optional<QString> aclTool(const QString &program, const QStringList &arguments)
{
    QProcess tool;
    tool.start(program, arguments);
    if (!tool.waitForStarted(60000)) {
        ADD_FAILURE() << program.toStdString() << " does not start (Debian package acl)";
        return std::nullopt;
    }
    if (!tool.waitForFinished(60000) || tool.exitStatus() != QProcess::NormalExit || tool.exitCode() != 0)
        return std::nullopt;
    return QString::fromLocal8Bit(tool.readAllStandardOutput());
}

// Runs `action` at `moment` of the registration while it lives.
class Interleaved {
public:
    Interleaved(Moment moment, std::function<void()> action) : m_moment(moment)
    {
        setInterleaved(moment, std::move(action));
    }
    ~Interleaved() { setInterleaved(m_moment, {}); }

private:
    Moment m_moment;
};

// Removes the folder `name` of `parent` and all it holds, one level at a time.
void removeTree(int parent, const QByteArray &name)
{
    const int folder = ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    DIR *entries = ::fdopendir(folder);
    while (const dirent *entry = ::readdir(entries)) {
        const QByteArray inner(entry->d_name);
        if (inner == "." || inner == "..")
            continue;
        if (entry->d_type == DT_DIR)
            removeTree(folder, inner);
        else
            ::unlinkat(folder, inner.constData(), 0);
    }
    ::closedir(entries);
    ASSERT_EQ(::unlinkat(parent, name.constData(), AT_REMOVEDIR), 0);
}

// The surveys stored in a database file, read without the data source.
qsizetype surveysIn(const QString &database)
{
    Connection connection;
    connection.Open("DRIVER={SQLite3};Database=" + database);
    Recordset rows;
    rows.Open("select * from mydjb", connection);
    return rows.RecordCount();
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
    const QString ini = readFile(folder.odbcIniPath());
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
    {
        Connection connection;
        connection.Open(SurveyConnectionString);
        connection.Execute("insert into mydjb values(1, '2024-1-1', 'first folder')");
    }

    registerSurveyDataSource(second);
    EXPECT_EQ(OdbcInstaller::dataSourceAttribute("myddc", "Database"), second);
    const QString ini = readFile(folder.odbcIniPath());
    EXPECT_EQ(ini.count("[myddc]"), 1) << ini.toStdString();
    EXPECT_FALSE(ini.contains(first)) << ini.toStdString();

    Connection connection;
    connection.Open(SurveyConnectionString);
    Recordset surveys;
    surveys.Open("select * from mydjb", connection);
    EXPECT_EQ(surveys.RecordCount(), 0) << "the second folder's database is reached";
}

TEST(DataSource, UserFileNamesLeadWhereTheSystemLeads)
{
    // lnk -> deep/a/b and deep/a/b/odbc.ini -> ../real/odbc.ini: the system climbs from deep/a/b, not from lnk.
    TempAppFolder folder;
    QDir(folder.path()).mkpath("deep/a/b");
    QDir(folder.path()).mkpath("deep/a/real");
    QDir(folder.path()).mkpath("other");
    ASSERT_TRUE(QFile::link("deep/a/b", folder.file("lnk")));
    ASSERT_TRUE(QFile::link("../real/odbc.ini", folder.file("deep/a/b/odbc.ini")));
    // Names that are no UTF-8 (Latin-1 under a UTF-8 locale).
    const QByteArray top = QFile::encodeName(folder.path()) + '/';
    ASSERT_EQ(::mkdir(top + "lat\xe9n", 0700), 0);
    // A real path longer than the system takes whole, reached through short links: 18 folders of 250 bytes,
    // l1 -> the first 9 of them, and l2 in the 9th -> the other 9.
    const QByteArray level(250, 'd');
    QByteArray nine = level;
    for (int i = 1; i < 9; ++i)
        nine += '/' + level;
    const int topFolder = ::open(top.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    int deepest = ::dup(topFolder);
    for (int i = 0; i < 18; ++i) {
        ASSERT_EQ(::mkdirat(deepest, level.constData(), 0700), 0);
        const int next = ::openat(deepest, level.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
        ::close(deepest);
        deepest = next;
        if (i == 8)
            ASSERT_EQ(::symlinkat(nine.constData(), deepest, "l2"), 0);
    }
    ::close(deepest);
    ASSERT_EQ(::symlinkat(top + nine, topFolder, "l1"), 0);
    const QString database = folder.file("myd.mdb");
    const QString other = folder.file("other/myd.mdb");
    TestDatabase::createFile(database);
    TestDatabase::createFile(other);
    const QByteArray earlier = "[myddc]\nDriver=SQLite3\nDatabase=" + other.toLocal8Bit() + "\nNoCreat=1\n";
    const auto surveys = [](const QString &file) {
        Connection connection;
        connection.Open("DRIVER={SQLite3};Database=" + file);
        Recordset rows;
        rows.Open("select * from mydjb", connection);
        return rows.RecordCount();
    };

    // A relative name that climbs out of the linked folder: lnk/.. is deep/a.
    const QList<std::pair<QByteArray, QByteArray>> names{{"lnk/odbc.ini", "deep/a/real/odbc.ini"},
                                                         {"lnk/../odbc.ini", "deep/a/odbc.ini"},
                                                         {"lat\xe9n/odbc\xe9.ini", "lat\xe9n/odbc\xe9.ini"},
                                                         {"l1/l2/odbc.ini", "l1/l2/odbc.ini"}};
    for (const auto &[name, userFile] : names) {
        writeBytes(top + userFile, earlier);
        qputenv("ODBCINI", top + name);
        registerSurveyDataSource(database);
        Connection connection;
        connection.Open(SurveyConnectionString);
        connection.Execute(QStringLiteral("insert into mydjb values(%1, '2024-1-1', 'linked')").arg(surveys(database) + 1));
        EXPECT_EQ(readSections(top + userFile).value("myddc").value("database"), database) << name.toHex().constData();
    }
    EXPECT_EQ(surveys(database), names.size());
    EXPECT_EQ(surveys(other), 0);
    EXPECT_EQ(namesIn(top), (QList<QByteArray>{level, "deep", "l1", "lat\xe9n", "lnk", "myd.mdb", "other"}))
        << "no file written beside a link";
    EXPECT_EQ(namesIn(top + "lat\xe9n"), QList<QByteArray>{"odbc\xe9.ini"}) << "nor under another name";
    // The temporary folder's removal takes whole paths, as text.
    removeTree(topFolder, level);
    removeTree(topFolder, "lat\xe9n");
    ::close(topFolder);
}

TEST(DataSource, CopySwappedJustBeforeItReplacesTheUserFileIsNotUsed)
{
    // Whoever may rename files in the user file's folder puts a link to a file of theirs, or a file of theirs, in
    // the place of the checked copy at the last moment.
    TempAppFolder folder;
    const QByteArray bait = "[bait]\nKey=of the test's own\n";
    writeFile(folder.file("bait.ini"), bait);
    writeFile(folder.odbcIniPath(), OtherDataSources);
    for (const bool asLink : {true, false}) {
        const Interleaved swap(Moment::BeforeReplacing, [&] {
            const QStringList staged = QDir(folder.path()).entryList({"odbc.ini.hestova-staged-*"}, QDir::Files);
            ASSERT_EQ(staged.size(), 1);
            ASSERT_TRUE(QFile::remove(folder.file(staged[0])));
            ASSERT_TRUE(asLink ? QFile::link(folder.file("bait.ini"), folder.file(staged[0]))
                               : QFile::copy(folder.file("bait.ini"), folder.file(staged[0])));
        });
        try {
            registerSurveyDataSource(folder.file("myd.mdb"));
            ADD_FAILURE() << "registration reported success";
        } catch (const AppError &error) {
            EXPECT_EQ(error.description(), QStringLiteral("数据源 myddc 未能注册：%1 的新副本在写入时被换掉了，所以没有使用它")
                                               .arg(folder.odbcIniPath()));
        }
        EXPECT_FALSE(QFileInfo(folder.odbcIniPath()).isSymLink()) << asLink;
        EXPECT_EQ(readBytes(QFile::encodeName(folder.odbcIniPath())).toStdString(), OtherDataSources.toStdString());
        EXPECT_EQ(readBytes(QFile::encodeName(folder.file("bait.ini"))).toStdString(), bait.toStdString());
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System),
                  (QStringList{"bait.ini", "odbc.ini"}))
            << "nothing left beside it";
    }
    registerSurveyDataSource(folder.file("myd.mdb"));
    EXPECT_EQ(readSections(folder.odbcIniPath()).value("myddc").value("database"), folder.file("myd.mdb"));
}

TEST(DataSource, RegistrationThatCannotBeWrittenSaysWhyAndLeavesTheFileAsItWas)
{
    // A missing folder; a file that unixODBC cannot read; a line that it would cut when it rewrites the file.
    TempAppFolder folder;
    const QString missing = folder.file("no such folder/odbc.ini");
    const QList<std::tuple<QString, QByteArray, QString>> cases{
        {missing, {},
         QStringLiteral("用户数据源文件 %1 所在的文件夹 %2 无法打开：%3")
             .arg(missing, folder.file("no such folder"), systemErrorText(ENOENT))},
        {folder.odbcIniPath(), "\xEF\xBB\xBF" + OtherDataSources,
         QStringLiteral("unixODBC 无法读取用户数据源文件 %1：文件以字节顺序标记（BOM）开头").arg(folder.odbcIniPath())},
        {folder.odbcIniPath(), "[archive]\nDriver=SQLite3\nPassword=" + QByteArray(2500, 'p') + "\n",
         QStringLiteral("%1 第 3 行（[archive] 节的 Password）太长").arg(folder.odbcIniPath())}};
    for (const auto &[userFile, content, cause] : cases) {
        if (!content.isEmpty())
            writeFile(userFile, content);
        qputenv("ODBCINI", QFile::encodeName(userFile));
        try {
            registerSurveyDataSource(folder.file("myd.mdb"));
            ADD_FAILURE() << "registration reported success: " << cause.toStdString();
        } catch (const AppError &error) {
            EXPECT_EQ(error.number(), ErrorNumber::DataSource);
            EXPECT_TRUE(error.description().startsWith(QStringLiteral("数据源 myddc 未能注册：") + cause))
                << error.description().toStdString();
        }
        QFile file(userFile);
        EXPECT_EQ(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray(), content);
    }
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"odbc.ini"})
        << "nothing left beside it";
}

TEST(DataSource, RegistrationLeavesAFileThatHoldsTheEntriesUntouched)
{
    TempAppFolder folder;
    const QString database = folder.file("myd.mdb");
    writeFile(folder.odbcIniPath(), OtherDataSources + "\n[myddc]\n; written at an earlier start\nDriver=SQLite3\n"
                                        "Database = " + database.toLocal8Bit() + "\nNoCreat=1\nTimeout=" +
                                        QByteArray::number(SurveyBusyTimeoutMs) + "\nDescription=surveys\n");
    const QString before = readFile(folder.odbcIniPath());

    registerSurveyDataSource(database);
    EXPECT_EQ(readFile(folder.odbcIniPath()), before);
}

TEST(DataSource, CopiesStartingTogetherKeepTheFileWholeAndAllEndRegistered)
{
    TempAppFolder folder;
    // Half of the copies reach the file through a link, as through a ~/.odbc.ini linked to a shared file.
    writeFile(folder.odbcIniPath(), manyOtherDataSources(1000));
    const QString link = folder.file("linked.ini");
    ASSERT_TRUE(QFile::link(folder.odbcIniPath(), link));
    const Sections others = readSections(folder.odbcIniPath());
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

        Sections sections = readSections(folder.odbcIniPath());
        const QMap<QString, QString> myddc = sections.take("myddc");
        EXPECT_EQ(sections, others) << "round " << round;
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
    writeFile(othersOnly, OtherDataSources);

    // The copy registers, another program then leaves the file without "myddc", and the copy connects.
    const auto copy = startCopy({database, "--replace-user-file", othersOnly});
    expectRegisteredAndConnected(*copy, 0);
    Sections sections = readSections(folder.odbcIniPath());
    EXPECT_EQ(sections.take("myddc").value("database"), database);
    EXPECT_EQ(sections, readSections(othersOnly));
}

TEST(DataSource, ConnectionReachesNoDatabaseButTheRegisteredOne)
{
    // The registration is refused (a line unixODBC would cut) while "myddc" names another folder's database, or
    // this folder's through a linked folder; or the installer still answers what it read before the file changed,
    // while the driver reads it anew.
    TempAppFolder folder;
    QDir(folder.path()).mkpath("other");
    ASSERT_TRUE(QFile::link(folder.path(), folder.file("linked")));
    const QString database = folder.file("myd.mdb");
    const QString other = folder.file("other/myd.mdb");
    TestDatabase::createFile(database);
    TestDatabase::createFile(other);
    const QString linked = folder.file("linked/myd.mdb");
    for (const auto &[named, readBefore] : {std::pair{other, false}, {other, true}, {linked, false}}) {
        // An earlier start registered: after a write the installer reads the file anew, not what it read before.
        writeFile(folder.odbcIniPath(), {});
        registerSurveyDataSource(database);
        if (readBefore)
            OdbcInstaller::dataSourceAttribute("myddc", "Database");
        writeFile(folder.odbcIniPath(), "[archive]\nDriver=SQLite3\nPassword=" + QByteArray(2500, 'p') +
                                            "\n[myddc]\nDriver=SQLite3\nDatabase=" + named.toLocal8Bit() + "\n");
        const QString before = readFile(folder.odbcIniPath());
        EXPECT_THROW(registerSurveyDataSource(database), AppError);
        try {
            Connection connection;
            connection.Open(SurveyConnectionString);
            connection.Execute("insert into mydjb values(1, '2024-1-1', 'here')");
            EXPECT_NE(named, other) << "connected to the other folder's database";
        } catch (const AppError &error) {
            EXPECT_EQ(named, other) << error.description().toStdString();
            EXPECT_EQ(error.number(), ErrorNumber::Connection);
            EXPECT_TRUE(error.description().startsWith(
                QStringLiteral("数据源 myddc 指向另一个数据库文件 %1，不是 %2，没有连接：数据源 myddc 未能注册：%3 第 3 行")
                    .arg(other, database, folder.odbcIniPath())))
                << error.description().toStdString();
        }
        EXPECT_EQ(readFile(folder.odbcIniPath()), before);
    }
    EXPECT_EQ(surveysIn(database), 1);
    EXPECT_EQ(surveysIn(other), 0);
}

TEST(DataSource, UserFileTheDriverManagerIgnoresGivesNoConnection)
{
    // The driver manager ignores a user file it cannot write; its driver would then open an empty database.
    TempAppFolder folder;
    const QString database = folder.file("myd.mdb");
    TestDatabase::createFile(database);
    writeFile(folder.odbcIniPath(), "[myddc]\nDriver=SQLite3\nDatabase=" + database.toLocal8Bit() +
                                        "\nNoCreat=1\nTimeout=" + QByteArray::number(SurveyBusyTimeoutMs) + "\n");
    openToOthers(folder.path());
    ASSERT_EQ(::chmod(QFile::encodeName(folder.odbcIniPath()).constData(), 0444), 0);
    const QString before = readFile(folder.odbcIniPath());

    const auto copy = startCopy({database}, folder.odbcIniPath(), ::geteuid() == 0 ? Nobody : QString());
    ASSERT_TRUE(copy->waitForFinished(120000));
    EXPECT_EQ(copy->exitCode(), 1);
    const QString box = QString::fromLocal8Bit(copy->readAllStandardError()).trimmed();
    EXPECT_EQ(box, QStringLiteral("3001：  数据源 myddc 没有指向数据库文件，没有连接：数据源 myddc 未能注册：用户数据源文件 %1 必须可写"
                                  "（ODBC 不读取它无法写入的用户数据源文件）")
                       .arg(folder.odbcIniPath()));
    EXPECT_EQ(readFile(folder.odbcIniPath()), before);
}

TEST(DataSource, ReplacedUserFileKeepsOwnerGroupModeAndAclOrStaysUntouched)
{
    TempAppFolder folder;
    const QString database = folder.file("myd.mdb");
    TestDatabase::createFile(database);

    // Its ACL and attributes are kept, and no default ACL of its folder is added: nobody gains rights (the group
    // bits of the mode are the ACL's mask).
    QDir(folder.path()).mkpath("acl");
    const QString aclFile = folder.file("acl/odbc.ini");
    const QByteArray aclName = QFile::encodeName(aclFile);
    writeFile(aclFile, OtherDataSources);
    ASSERT_EQ(::chmod(aclName.constData(), 0640), 0);
    if (!aclTool("setfacl", {"-m", "u:1:rw", aclFile}) ||
        ::setxattr(aclName.constData(), "user.origin", "kept", 4, 0) != 0)
        GTEST_SKIP() << "the file system keeps no ACLs or user attributes";
    ASSERT_TRUE(aclTool("setfacl", {"-d", "-m", "u:65534:rwx", folder.file("acl")}));
    qputenv("ODBCINI", aclName);
    for (const QString &database : {database, folder.file("elsewhere/myd.mdb")}) {
        const std::optional<QString> acl = aclTool("getfacl", {"-cn", aclFile});
        registerSurveyDataSource(database);
        EXPECT_EQ(readSections(aclFile).value("myddc").value("database"), database);
        EXPECT_EQ(aclTool("getfacl", {"-cn", aclFile}), acl);
        char origin[8] = {};
        EXPECT_EQ(QByteArray(origin, ::getxattr(aclName.constData(), "user.origin", origin, sizeof origin)), "kept");
        // Then without an ACL of its own.
        ASSERT_TRUE(aclTool("setfacl", {"-b", aclFile}));
    }
    // Attributes added while they are read: to a file that had none, once, and at every read.
    QDir(folder.path()).mkpath("plain");
    const QByteArray plainFile = QFile::encodeName(folder.file("plain/odbc.ini"));
    writeFile(folder.file("plain/odbc.ini"), OtherDataSources);
    qputenv("ODBCINI", plainFile);
    int added = 0;
    const auto addAttribute = [&] {
        const QByteArray name = "user.added" + QByteArray::number(++added);
        ASSERT_EQ(::setxattr(plainFile.constData(), name.constData(), "v", 1, 0), 0);
    };
    {
        const Interleaved addOnce(Moment::BetweenAttributeReads, [&] {
            if (added == 0)
                addAttribute();
        });
        registerSurveyDataSource(database);
        ASSERT_EQ(::setxattr(plainFile.constData(), "user.origin", "kept", 4, 0), 0);
        registerSurveyDataSource(folder.file("elsewhere/myd.mdb"));
        EXPECT_EQ(readSections(folder.file("plain/odbc.ini")).value("myddc").value("database"),
                  folder.file("elsewhere/myd.mdb"));
        EXPECT_EQ(::getxattr(plainFile.constData(), "user.added1", nullptr, 0), 1);
    }
    const QByteArray plainBefore = readBytes(plainFile);
    const Interleaved addAlways(Moment::BetweenAttributeReads, addAttribute);
    try {
        registerSurveyDataSource(database);
        ADD_FAILURE() << "registration reported success";
    } catch (const AppError &error) {
        EXPECT_TRUE(error.description().endsWith(QStringLiteral("的扩展属性：它在读取时一再变大")))
            << error.description().toStdString();
    }
    EXPECT_EQ(readBytes(plainFile), plainBefore);
    qputenv("ODBCINI", QFile::encodeName(folder.odbcIniPath()));

    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to hand the file to another user";
    writeFile(folder.odbcIniPath(), OtherDataSources);
    openToOthers(folder.path());
    const QByteArray userFile = QFile::encodeName(folder.odbcIniPath());

    // Root registering a user's file leaves it the user's.
    ASSERT_EQ(::chown(userFile.constData(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(userFile.constData(), 0640), 0);
    registerSurveyDataSource(database);
    struct stat status = {};
    ASSERT_EQ(::stat(userFile.constData(), &status), 0);
    EXPECT_EQ(status.st_uid, 65534u);
    EXPECT_EQ(status.st_gid, 65534u);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(readSections(folder.odbcIniPath()).value("myddc").value("database"), database);

    // A user may write root's file but not give a copy of it root's owner: the file stays as it is.
    ASSERT_EQ(::chown(userFile.constData(), 0, 0), 0);
    ASSERT_EQ(::chmod(userFile.constData(), 0666), 0);
    const QString before = readFile(folder.odbcIniPath());
    const auto copy = startCopy({folder.file("elsewhere/myd.mdb")}, folder.odbcIniPath(), Nobody);
    ASSERT_TRUE(copy->waitForFinished(120000));
    EXPECT_EQ(copy->exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(copy->readAllStandardError()).contains(QStringLiteral("无法保持它的所有者和组")));
    EXPECT_EQ(readFile(folder.odbcIniPath()), before);
    ASSERT_EQ(::stat(userFile.constData(), &status), 0);
    EXPECT_EQ(status.st_uid, 0u);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden).size(), 2) << "no copy left staged";
}

TEST(DataSource, WhatStoppedCopiesLeftIsClearedByTheNextWrite)
{
    TempAppFolder folder;
    writeFile(folder.odbcIniPath(), OtherDataSources);
    // An empty lock older than a registration takes, but younger than QLockFile's own limit less the wait.
    const QString lock = folder.odbcIniPath() + ".lock";
    writeFile(lock, QByteArray());
    QFile lockFile(lock);
    ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-8), QFileDevice::FileModificationTime));
    lockFile.close();
    // Copies that killed starts left, and files of the user's own with similar names.
    const QStringList leftovers{"odbc.ini.hestova-staged-a1B2c3", "odbc.ini.hestova-staged-ZZZZZZ"};
    const QStringList usersOwn{"odbc.ini.backup", "odbc.ini.hestova-staged-notes.txt", "odbc.ini.lock.txt"};
    for (const QString &name : leftovers + usersOwn)
        writeFile(folder.file(name), OtherDataSources);

    registerSurveyDataSource(folder.file("myd.mdb"));
    EXPECT_EQ(readSections(folder.odbcIniPath()).value("myddc").value("database"), folder.file("myd.mdb"));
    QStringList expected = usersOwn + QStringList{"odbc.ini"};
    expected.sort();
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name),
              expected);
}

TEST(DataSource, RewriteCutShortLeavesTheUserFileAsItWas)
{
    // [myddc] first and others after it, just under a file-size limit that the rewrite passes.
    TempAppFolder folder;
    constexpr rlim_t Limit = 8192;
    QByteArray content = "[myddc]\nDriver=SQLite3\nDatabase=/old/myd.mdb\nNoCreat=1\n";
    for (int i = 0; content.size() < Limit - 80; ++i)
        content += "\n[pad" + QByteArray::number(i) + "]\nDriver=SQLite3\nDatabase=/srv/pad" + QByteArray::number(i) +
                   "/data.db\n";
    ASSERT_LE(content.size(), Limit);
    writeFile(folder.odbcIniPath(), content);
    const QString deep = QString(200, QLatin1Char('f'));
    QDir(folder.path()).mkpath(deep);
    const QString database = folder.file(deep + "/myd.mdb");
    TestDatabase::createFile(database);

    const auto copy = startCopy({database}, folder.odbcIniPath(), QString(), [] {
        const rlimit limit{Limit, Limit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    });
    ASSERT_TRUE(copy->waitForFinished(120000));
    EXPECT_EQ(copy->exitCode(), 1);
    EXPECT_TRUE(QString::fromLocal8Bit(copy->readAllStandardError())
                    .contains(QStringLiteral("的新副本没有完整写入（%1）").arg(systemErrorText(EFBIG))));
    QFile file(folder.odbcIniPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), content);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"odbc.ini"})
        << "nothing left beside it";
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
