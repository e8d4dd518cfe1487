// Registration in the user's ODBC file as a shared, odd machine meets it: links and names of any bytes, other
// programs and the file's owner changing it meanwhile, files it may not rewrite, and what stopped copies left.
#include "IniFiles.h"
#include "TempAppFolder.h"
#include "core/AppError.h"
#include "odbcini/Interleave.h"
#include "odbcini/OdbcInstaller.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <filesystem>
#include <functional>
#include <optional>
#include <tuple>

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

using namespace hestova;
using namespace hestova::odbcini;
using namespace IniFiles;

namespace {

void registerMyddc(const QString &database)
{
    OdbcInstaller::registerUserDataSource(
        "myddc", "SQLite3", {{"Database", database}, {"NoCreat", "1"}, {"Timeout", "2000"}});
}

// Why the registration was refused, after "数据源 myddc 未能注册："; empty when it registered.
QString refusal(const QString &database)
{
    try {
        registerMyddc(database);
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::DataSource);
        EXPECT_TRUE(error.description().startsWith(QStringLiteral("数据源 myddc 未能注册："))) << error.what();
        return error.description().section(QStringLiteral("未能注册："), 1);
    }
    return QString();
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

QStringList filesIn(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// What a file is to its owner and readers, shown: kind and mode, owner, group, attributes and content; "missing".
QString stateOf(const QString &path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat status = {};
    if (::lstat(name.constData(), &status) != 0)
        return QStringLiteral("missing");
    char names[4096] = {}, value[4096] = {};
    QByteArrayList attributes = QByteArray(names, qMax<ssize_t>(::llistxattr(name, names, sizeof names), 0)).split('\0');
    for (QByteArray &attribute : attributes)
        attribute += '=' + QByteArray(value, qMax<ssize_t>(::lgetxattr(name, attribute, value, sizeof value), 0)).toHex();
    std::sort(attributes.begin(), attributes.end());
    return QString::asprintf("mode %o, %u:%u, ", status.st_mode, status.st_uid, status.st_gid) + attributes.join(' ') +
           ": " + read(name);
}

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

// This process as the user `nobody` (files are reached with its rights) while it lives; needs root.
class AsNobody {
public:
    AsNobody()
    {
        EXPECT_EQ(::setgroups(0, nullptr), 0);
        EXPECT_EQ(::setresgid(-1, 65534, 0), 0);
        EXPECT_EQ(::setresuid(-1, 65534, 0), 0);
    }
    ~AsNobody()
    {
        ::setresuid(-1, 0, -1);
        ::setresgid(-1, 0, -1);
    }
};

// Runs `run` when it goes out of scope.
struct AtScopeEnd {
    std::function<void()> run;
    ~AtScopeEnd() { run(); }
};

// Removes the folder `name` of `parent` and all it holds, one level at a time.
void removeTree(int parent, const QByteArray &name)
{
    const int folder = ::openat(parent, name.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0)
        return;
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
    ::unlinkat(parent, name.constData(), AT_REMOVEDIR);
}

}  // namespace

TEST(UserFile, RegistrationLeavesAFileThatHoldsTheEntriesUntouched)
{
    TempAppFolder folder;
    const QString database = folder.file("myd.mdb");
    write(folder.odbcIniPath(), OtherDataSources + "\n[myddc]\n; written at an earlier start\nDriver=SQLite3\n"
                                    "Database = " + database.toLocal8Bit() + "\nNoCreat=1\nTimeout=2000\nDescription=surveys\n");
    const QByteArray before = read(folder.odbcIniPath());

    registerMyddc(database);
    EXPECT_EQ(read(folder.odbcIniPath()), before);
}

TEST(UserFile, NamesLeadWhereTheSystemLeads)
{
    // lnk -> deep/a/b and deep/a/b/odbc.ini -> ../real/odbc.ini: the system climbs from deep/a/b, not from lnk.
    TempAppFolder folder;
    QDir(folder.path()).mkpath("deep/a/b");
    QDir(folder.path()).mkpath("deep/a/real");
    ASSERT_TRUE(QFile::link("deep/a/b", folder.file("lnk")));
    ASSERT_TRUE(QFile::link("../real/odbc.ini", folder.file("deep/a/b/odbc.ini")));
    // Names that are no UTF-8 (Latin-1 under a UTF-8 locale), and a real path longer than the system takes whole,
    // reached through short links: 18 folders of 250 bytes, l1 -> the first 9 of them, and l2 in the 9th -> the
    // other 9. The temporary folder's own removal takes whole paths, as text: these go first, whatever fails.
    const QByteArray top = QFile::encodeName(folder.path()) + '/';
    const QByteArray level(250, 'd');
    const int topFolder = ::open(top.constData(), O_PATH | O_DIRECTORY | O_CLOEXEC);
    const AtScopeEnd removeOwnTrees{[&] {
        removeTree(topFolder, level);
        removeTree(topFolder, "lat\xe9n");
        ::close(topFolder);
    }};
    ASSERT_EQ(::mkdir(top + "lat\xe9n", 0700), 0);
    QByteArray nine = level;
    for (int i = 1; i < 9; ++i)
        nine += '/' + level;
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
    const QByteArray earlier = "[myddc]\nDriver=SQLite3\nDatabase=/elsewhere/myd.mdb\nNoCreat=1\n";

    // A relative name that climbs out of the linked folder: lnk/.. is deep/a.
    const QList<std::pair<QByteArray, QByteArray>> names{{"lnk/odbc.ini", "deep/a/real/odbc.ini"},
                                                         {"lnk/../odbc.ini", "deep/a/odbc.ini"},
                                                         {"lat\xe9n/odbc\xe9.ini", "lat\xe9n/odbc\xe9.ini"},
                                                         {"l1/l2/odbc.ini", "l1/l2/odbc.ini"}};
    for (const auto &[name, userFile] : names) {
        write(top + userFile, earlier);
        qputenv("ODBCINI", top + name);
        registerMyddc(database);
        // What the driver manager reads through that name, and what was written where it leads.
        EXPECT_EQ(OdbcInstaller::dataSourceAttribute("myddc", "Database"), database) << name.toHex().constData();
        EXPECT_EQ(myddc(top + userFile), database) << name.toHex().constData();
    }
    EXPECT_EQ(namesIn(top), (QList<QByteArray>{level, "deep", "l1", "lat\xe9n", "lnk"}))
        << "no file written beside a link";
    EXPECT_EQ(namesIn(top + "lat\xe9n"), QList<QByteArray>{"odbc\xe9.ini"}) << "nor under another name";
}

TEST(UserFile, WhatOthersDoAroundTheExchangeIsKeptOrRefused)
{
    // Whoever may rename files in the user file's folder puts a link to a file of theirs, or a file of theirs, in
    // the place of the checked copy at the last moment; another program saves the file, or its owner changes it,
    // just before or after the exchange; on a file system that cannot exchange names, the copy is renamed. Whatever
    // they made stays as they made it, and a file named as kept stays through later starts.
    TempAppFolder folder;
    const QString userFile = folder.odbcIniPath();
    const QByteArray path = QFile::encodeName(userFile);
    const QByteArray bait = "[bait]\nKey=of the test's own\n";
    const QByteArray saved = OtherDataSources + "[saved]\nKey=by another program\n";
    write(folder.file("bait.ini"), bait);
    const auto staged = [&] {
        const QStringList names = QDir(folder.path()).entryList({"odbc.ini.hestova-staged-*"}, QDir::Files | QDir::System);
        EXPECT_EQ(names.size(), 1);
        return names.isEmpty() ? QString() : folder.file(names[0]);
    };
    const auto swapCopy = [&](bool asLink) {
        return [&, asLink] {
            const QString copy = staged();
            ASSERT_TRUE(QFile::remove(copy));
            ASSERT_TRUE(asLink ? QFile::link(folder.file("bait.ini"), copy) : QFile::copy(folder.file("bait.ini"), copy));
        };
    };
    const auto save = [&] {
        write(folder.file("save.tmp"), saved);
        ASSERT_EQ(::rename(QFile::encodeName(folder.file("save.tmp")), path), 0);
    };
    // A write in place; one of the same size with its times put back, as a copy that keeps times makes it.
    const auto append = [&] {
        QFile file(userFile);
        ASSERT_TRUE(file.open(QIODevice::Append));
        file.write("\n[appended]\nKey=in place\n");
    };
    const auto rewriteKeepingTimes = [&] {
        const auto written = std::filesystem::last_write_time(path.toStdString());
        QByteArray content = read(userFile);
        QFile file(userFile);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite) && file.write(content.replace("data", "DATA")) == content.size());
        file.close();
        std::filesystem::last_write_time(path.toStdString(), written);
    };
    const auto makePrivate = [&] { ASSERT_EQ(::chmod(path.constData(), 0600), 0); };
    const QString holder = QStringLiteral("用户数据源文件 ") + userFile;
    const QString swapped = userFile + QStringLiteral(" 的新副本在写入时被换掉了，所以没有使用它");
    const QString changed = holder + QStringLiteral(" 在注册时被另一个程序改动了，本程序没有修改它；下次启动时会再注册");
    const QString deleted = holder + QStringLiteral(" 在注册时被删除了");
    struct Case {
        const char *what;
        Moment moment;
        std::function<void()> act;
        int exchangeRefusal;
        QString description;  // of the refusal, or how it starts; empty: registered
        int kept = 0;  // files a message names as kept beside the user file
        bool putBack = false;  // the user file is then as before, not as the act left it
        bool acl = false;  // the user file has an ACL of its owner's, which a change of its mode changes too
    };
    QList<Case> cases{
        {"copy swapped for a link before the checks", Moment::BeforeReplacing, swapCopy(true), 0, swapped},
        {"copy swapped for a file before the checks", Moment::BeforeReplacing, swapCopy(false), 0,
         swapped + QStringLiteral("；换进来的文件留在 ") + userFile + ".hestova-kept-", 1},
        {"copy swapped for a link after the checks", Moment::Exchanging, swapCopy(true), 0, swapped},
        {"saved before the checks", Moment::BeforeReplacing, save, 0, changed},
        {"saved after the checks", Moment::Exchanging, save, 0, changed},
        {"saved after the exchange", Moment::AfterExchanging, save, 0, changed},
        {"made private before the checks", Moment::BeforeReplacing, makePrivate, 0, changed},
        {"made private after the checks", Moment::Exchanging, makePrivate, 0, changed},
        {"appended in place after the checks", Moment::Exchanging, append, 0, changed},
        {"rewritten in place with its times kept before the checks", Moment::BeforeReplacing, rewriteKeepingTimes, 0,
         changed},
        {"rewritten in place with its times kept after the checks", Moment::Exchanging, rewriteKeepingTimes, 0, changed},
        {"removed before the checks", Moment::BeforeReplacing, [&] { QFile::remove(userFile); }, 0, deleted},
        {"removed after the checks", Moment::Exchanging, [&] { QFile::remove(userFile); }, 0, deleted},
        {"removed after the exchange", Moment::AfterExchanging, [&] { QFile::remove(userFile); }, 0,
         deleted + QStringLiteral("，本程序把原来的文件放回了原处"), 0, true},
        {"renamed into place", Moment::Exchanging, {}, EINVAL, QString()},
        {"renamed into place, copy swapped for a link", Moment::Exchanging, swapCopy(true), EINVAL, swapped},
        {"renamed into place, saved just after", Moment::AfterExchanging, save, EINVAL,
         holder + QStringLiteral(" 在注册时被另一个程序换成了另一个文件")},
    };
    // The owner's ACL and attributes, where the file system keeps them.
    const bool acls = aclTool("setfacl", {"-m", "u:1:r", folder.file("bait.ini")}).has_value();
    if (acls) {
        cases.append({"made private with an ACL after the checks", Moment::Exchanging, makePrivate, 0, changed, 0,
                      false, true});
        cases.append({"ACL removed after the checks", Moment::Exchanging,
                      [&] { ASSERT_TRUE(aclTool("setfacl", {"-b", userFile})); }, 0, changed, 0, false, true});
        cases.append({"attribute set after the checks", Moment::Exchanging,
                      [&] { ASSERT_EQ(::setxattr(path.constData(), "user.note", "set", 3, 0), 0); }, 0, changed});
    }
    int kept = 0;
    for (const Case &c : cases) {
        QFile::remove(userFile);
        write(userFile, OtherDataSources);
        ::chmod(path.constData(), 0644);
        if (c.acl)
            aclTool("setfacl", {"-m", "u:1:r", userFile});
        const QString original = stateOf(userFile);
        QString made;
        setExchangeRefusal(c.exchangeRefusal);
        {
            const Interleaved during(c.moment, [&] {
                if (c.act)
                    c.act();
                made = stateOf(userFile);
            });
            const QString description = refusal(folder.file("myd.mdb"));
            EXPECT_TRUE(c.description.isEmpty() ? description.isEmpty() : description.startsWith(c.description))
                << c.what << ": " << description.toStdString();
        }
        setExchangeRefusal(0);
        if (c.description.isEmpty())
            EXPECT_EQ(myddc(userFile), folder.file("myd.mdb")) << c.what;
        else
            EXPECT_EQ(stateOf(userFile), c.putBack ? original : made) << c.what;
        kept += c.kept;
        EXPECT_EQ(filesIn(folder.path()).size(), 1 + QFile::exists(userFile) + kept) << c.what;
        EXPECT_EQ(read(folder.file("bait.ini")), bait) << c.what;
    }
    // The next start writes the file and keeps it private; what was named as kept stays.
    QFile::remove(userFile);
    write(userFile, OtherDataSources);
    ::chmod(path.constData(), 0600);
    registerMyddc(folder.file("myd.mdb"));
    EXPECT_EQ(myddc(userFile), folder.file("myd.mdb"));
    EXPECT_EQ(QFileInfo(userFile).permissions() & (QFile::ReadGroup | QFile::ReadOther), 0);
    const QStringList keptFiles = QDir(folder.path()).entryList({"odbc.ini.hestova-kept-*"}, QDir::Files);
    ASSERT_EQ(keptFiles.size(), 1);
    EXPECT_EQ(read(folder.file(keptFiles[0])), bait);
}

TEST(UserFile, RegistrationThatCannotBeWrittenSaysWhyAndLeavesTheFileAsItWas)
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
            write(userFile, content);
        qputenv("ODBCINI", QFile::encodeName(userFile));
        EXPECT_TRUE(refusal(folder.file("myd.mdb")).startsWith(cause)) << cause.toStdString();
        EXPECT_EQ(read(userFile), content);
    }
    EXPECT_EQ(filesIn(folder.path()), QStringList{"odbc.ini"}) << "nothing left beside it";

    // A folder on the way that may not be searched is named as the one that cannot be opened.
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to search as another user";
    openToOthers(folder.path());
    ASSERT_EQ(::mkdir(QFile::encodeName(folder.file("closed")).constData(), 0700), 0);
    const QString closed = folder.file("closed/odbc.ini");
    qputenv("ODBCINI", QFile::encodeName(closed));
    const AsNobody nobody;
    EXPECT_EQ(refusal(folder.file("myd.mdb")), QStringLiteral("用户数据源文件 %1 所在的文件夹 %2 无法打开：%3")
                                                   .arg(closed, folder.file("closed"), systemErrorText(EACCES)));
}

TEST(UserFile, ReplacedUserFileKeepsOwnerGroupModeAndAclOrStaysUntouched)
{
    TempAppFolder folder;
    const QString database = folder.file("myd.mdb");
    const QString elsewhere = folder.file("elsewhere/myd.mdb");

    // Its ACL and attributes are kept, and no default ACL of its folder is added: nobody gains rights (the group
    // bits of the mode are the ACL's mask).
    QDir(folder.path()).mkpath("acl");
    const QString aclFile = folder.file("acl/odbc.ini");
    const QByteArray aclName = QFile::encodeName(aclFile);
    write(aclFile, OtherDataSources);
    ASSERT_EQ(::chmod(aclName.constData(), 0640), 0);
    if (!aclTool("setfacl", {"-m", "u:1:rw", aclFile}) ||
        ::setxattr(aclName.constData(), "user.origin", "kept", 4, 0) != 0)
        GTEST_SKIP() << "the file system keeps no ACLs or user attributes";
    ASSERT_TRUE(aclTool("setfacl", {"-d", "-m", "u:65534:rwx", folder.file("acl")}));
    qputenv("ODBCINI", aclName);
    for (const QString &target : {database, elsewhere}) {
        const std::optional<QString> acl = aclTool("getfacl", {"-cn", aclFile});
        registerMyddc(target);
        EXPECT_EQ(myddc(aclFile), target);
        EXPECT_EQ(aclTool("getfacl", {"-cn", aclFile}), acl);
        char origin[8] = {};
        EXPECT_EQ(QByteArray(origin, ::getxattr(aclName.constData(), "user.origin", origin, sizeof origin)), "kept");
        // Then without an ACL of its own.
        ASSERT_TRUE(aclTool("setfacl", {"-b", aclFile}));
    }
    // The owner takes the ACL away while it is read (its mask, rw, was the mode's group bits): the group keeps
    // only what it has without it.
    ASSERT_TRUE(aclTool("setfacl", {"-m", "u:1:rw", aclFile}));
    {
        bool taken = false;
        const Interleaved takeAway(Moment::BetweenAttributeReads, [&] {
            if (!std::exchange(taken, true))
                ASSERT_TRUE(aclTool("setfacl", {"-b", aclFile}));
        });
        registerMyddc(database);
    }
    EXPECT_EQ(myddc(aclFile), database);
    EXPECT_EQ(QFileInfo(aclFile).permissions() & (QFile::ReadGroup | QFile::WriteGroup), QFile::ReadGroup);
    EXPECT_EQ(::getxattr(aclName.constData(), "system.posix_acl_access", nullptr, 0), -1);

    // Attributes added while they are read: to a file that had none, once, and at every read.
    QDir(folder.path()).mkpath("plain");
    const QByteArray plainFile = QFile::encodeName(folder.file("plain/odbc.ini"));
    write(plainFile, OtherDataSources);
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
        registerMyddc(database);
        ASSERT_EQ(::setxattr(plainFile.constData(), "user.origin", "kept", 4, 0), 0);
        registerMyddc(elsewhere);
        EXPECT_EQ(myddc(plainFile), elsewhere);
        EXPECT_EQ(::getxattr(plainFile.constData(), "user.added1", nullptr, 0), 1);
    }
    const QByteArray plainBefore = read(plainFile);
    {
        const Interleaved addAlways(Moment::BetweenAttributeReads, addAttribute);
        EXPECT_TRUE(refusal(database).endsWith(QStringLiteral("它在读取时一再变大")));
    }
    EXPECT_EQ(read(plainFile), plainBefore);
    qputenv("ODBCINI", QFile::encodeName(folder.odbcIniPath()));

    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to hand the file to another user";
    write(folder.odbcIniPath(), OtherDataSources);
    openToOthers(folder.path());
    const QByteArray userFile = QFile::encodeName(folder.odbcIniPath());

    // Root registering a user's file leaves it the user's.
    ASSERT_EQ(::chown(userFile.constData(), 65534, 65534), 0);
    ASSERT_EQ(::chmod(userFile.constData(), 0640), 0);
    registerMyddc(database);
    struct stat status = {};
    ASSERT_EQ(::stat(userFile.constData(), &status), 0);
    EXPECT_EQ(status.st_uid, 65534u);
    EXPECT_EQ(status.st_gid, 65534u);
    EXPECT_EQ(status.st_mode & 07777, 0640u);
    EXPECT_EQ(myddc(folder.odbcIniPath()), database);

    // A user may write root's file but not give a copy of it root's owner: the file stays as it is.
    ASSERT_EQ(::chown(userFile.constData(), 0, 0), 0);
    ASSERT_EQ(::chmod(userFile.constData(), 0666), 0);
    const QByteArray before = read(userFile);
    {
        const AsNobody nobody;
        EXPECT_TRUE(refusal(elsewhere).contains(QStringLiteral("无法保持它的所有者和组")));
    }
    EXPECT_EQ(read(userFile), before);
    ASSERT_EQ(::stat(userFile.constData(), &status), 0);
    EXPECT_EQ(status.st_uid, 0u);
    EXPECT_EQ(filesIn(folder.path()), (QStringList{"acl", "odbc.ini", "plain"})) << "no copy left staged";
}

TEST(UserFile, WhatStoppedCopiesLeftIsClearedByTheNextWrite)
{
    TempAppFolder folder;
    write(folder.odbcIniPath(), OtherDataSources);
    // An empty lock older than a registration takes, but younger than QLockFile's own limit less the wait.
    const QString lock = folder.odbcIniPath() + ".lock";
    write(lock, QByteArray());
    QFile lockFile(lock);
    ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
    ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-8), QFileDevice::FileModificationTime));
    lockFile.close();
    // Copies that killed starts left, and files of the user's own with similar names.
    const QStringList leftovers{"odbc.ini.hestova-staged-a1B2c3", "odbc.ini.hestova-staged-ZZZZZZ"};
    const QStringList usersOwn{"odbc.ini.backup", "odbc.ini.hestova-staged-notes.txt", "odbc.ini.lock.txt"};
    for (const QString &name : leftovers + usersOwn)
        write(folder.file(name), OtherDataSources);

    registerMyddc(folder.file("myd.mdb"));
    EXPECT_EQ(myddc(folder.odbcIniPath()), folder.file("myd.mdb"));
    QStringList expected = usersOwn + QStringList{"odbc.ini"};
    expected.sort();
    EXPECT_EQ(filesIn(folder.path()), expected);
}

TEST(UserFile, RewriteCutShortLeavesTheUserFileAsItWas)
{
    // [myddc] first and others after it, just under a file-size limit that the rewrite passes.
    TempAppFolder folder;
    constexpr rlim_t Limit = 8192;
    QByteArray content = "[myddc]\nDriver=SQLite3\nDatabase=/old/myd.mdb\nNoCreat=1\n";
    for (int i = 0; content.size() < Limit - 80; ++i)
        content += "\n[pad" + QByteArray::number(i) + "]\nDriver=SQLite3\nDatabase=/srv/pad" + QByteArray::number(i) +
                   "/data.db\n";
    ASSERT_LE(content.size(), Limit);
    write(folder.odbcIniPath(), content);
    const QString database = folder.file(QString(200, QLatin1Char('f')) + "/myd.mdb");

    // As the program does, the writes past the limit fail instead of ending the process.
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit old = {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const rlimit limited{Limit, old.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const QString description = refusal(database);
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_TRUE(description.contains(QStringLiteral("的新副本没有完整写入（%1）").arg(systemErrorText(EFBIG))))
        << description.toStdString();
    EXPECT_EQ(read(folder.odbcIniPath()), content);
    EXPECT_EQ(filesIn(folder.path()), QStringList{"odbc.ini"}) << "nothing left beside it";
}
