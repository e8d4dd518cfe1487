#include "odbcini/OdbcInstaller.h"

#include "core/AppError.h"
#include "odbcini/FileIo.h"
#include "odbcini/OdbcIniFile.h"
#include "odbcini/OpenFolder.h"
#include "odbcini/RegularFile.h"
#include "odbcini/StagedFile.h"

#include <QByteArray>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QThread>

#include <cerrno>

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <odbcinst.h>

namespace hestova::odbcini::OdbcInstaller {

namespace {

// Writers of the user file wait this long for other copies of the program to finish their writes, trying again
// at this interval (QLockFile's own wait doubles its pauses, so a long wait would try only a few times).
constexpr int UserFileLockWaitMs = 10000;
constexpr int UserFileLockRetryMs = 100;
// A connection registers again on the window's thread, so it waits less; the start has waited the full time.
constexpr int ConnectionLockWaitMs = 1000;
// A registration writes in milliseconds: a lock file this old that names no process was left by a stopped copy.
constexpr int StaleEmptyLockMs = 5000;

bool &lockWaitUnbounded()
{
    static bool unbounded = false;
    return unbounded;
}

struct Registration {
    QString driver;
    DataSourceAttributes attributes;
};

// The registrations made by this process, by user file and data source name, so that entries that vanished from
// the file can be registered again.
QHash<QByteArray, Registration> &registrations()
{
    static QHash<QByteArray, Registration> made;
    return made;
}

QByteArray registrationKey(const QString &name)
{
    return userDataSourceFile() + '\n' + name.toLower().toUtf8();
}

// Reads and clears the installer's error queue; the first message describes the failure.
QString takeInstallerError()
{
    QString first;
    for (WORD record = 1; record <= 8; ++record) {
        DWORD code = 0;
        char message[SQL_MAX_MESSAGE_LENGTH + 1] = {};
        WORD length = 0;
        const RETCODE rc = SQLInstallerError(record, &code, message, sizeof message, &length);
        if (rc != SQL_SUCCESS && rc != SQL_SUCCESS_WITH_INFO)
            break;
        if (first.isEmpty())
            first = QString::fromLocal8Bit(message).trimmed();
    }
    return first;
}

// Writes the entries into the ODBC file that `path` leads to, called `file` in messages; other keys and sections
// stay. The installer rewrites the whole file at each write.
void writeEntries(const QByteArray &path, const QString &file, const QString &name, const DataSourceAttributes &entries)
{
    const QByteArray section = name.toLocal8Bit();
    for (const auto &[key, value] : entries) {
        if (!SQLWritePrivateProfileString(section.constData(), key.toLocal8Bit().constData(),
                                          value.toLocal8Bit().constData(), path.constData()))
            fail(QStringLiteral("属性 %1 没有写入 %2 的新副本：%3").arg(key, file, takeInstallerError()));
    }
}

QString userFileRole()
{
    return QStringLiteral("用户数据源文件");
}

// The user file as the driver manager reaches it: through its links, as the system follows them; the folder that
// holds it, opened, and its name there.
struct UserFile {
    QByteArray path;
    OpenFolder folder;
    QByteArray name;
};

UserFile openUserFile()
{
    const QByteArray path = RegularFile::behindLinks(userDataSourceFile(), userFileRole());
    const auto [folder, name] = splitPath(path);
    return {path, OpenFolder(folder, QStringLiteral("%1 %2").arg(userFileRole(), shownPath(path))), name};
}

// The driver manager falls back to the system file when the user file is missing, so a missing one is created
// (empty) before the entries are written. An existing file is not opened for writing.
void ensureFileExists(const OpenFolder &folder, const QByteArray &name)
{
    const Descriptor created(::openat(folder.descriptor(), name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (created.isOpen())
        return;
    const int error = errno;
    if (error != EEXIST)
        fail(QStringLiteral("用户数据源文件 %1 无法创建：%2").arg(folder.shown(name), systemErrorText(error)));
}

// The driver manager ignores a user file that it cannot open for writing, so such a file is left as it is.
void checkWritable(const OpenFolder &folder, const QByteArray &name)
{
    if (::faccessat(folder.descriptor(), name.constData(), W_OK, 0) != 0)
        fail(unwritableUserFileText(folder.shown(name)));
}

QList<OdbcIniFile::Entry> iniEntries(const DataSourceAttributes &entries)
{
    QList<OdbcIniFile::Entry> converted;
    for (const auto &[key, value] : entries)
        converted.append({key.toLocal8Bit(), value.toLocal8Bit()});
    return converted;
}

// A lock file that names no process (its writer stopped between creating and writing it) and is older than a
// registration takes is stale. Copies check under a second lock, as QLockFile does, so that none removes a lock
// that another has just taken.
void removeLockNamingNoProcess(QLockFile &lock, const QString &lockPath)
{
    const auto namesNoProcessAndIsOld = [&] {
        qint64 pid = 0;
        QString host;
        QString application;
        const QFileInfo file(lockPath);
        return file.exists() && !lock.getLockInfo(&pid, &host, &application) &&
               qAbs(file.lastModified().msecsTo(QDateTime::currentDateTime())) > StaleEmptyLockMs;
    };
    if (!namesNoProcessAndIsOld())
        return;
    QLockFile removal(lockPath + QStringLiteral(".rmlock"));
    // Held only for the check: one left empty by a stopped copy is stale as soon.
    removal.setStaleLockTime(StaleEmptyLockMs);
    if (removal.tryLock(0) && namesNoProcessAndIsOld())
        lock.removeStaleLockFile();
}

bool lockWithin(QLockFile &lock, const QString &lockPath, int waitMs)
{
    const QDeadlineTimer deadline =
        lockWaitUnbounded() ? QDeadlineTimer(QDeadlineTimer::Forever) : QDeadlineTimer(waitMs);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        removeLockNamingNoProcess(lock, lockPath);
        QThread::msleep(UserFileLockRetryMs);
    }
    return true;
}

// Why QLockFile could not create the lock file: the same creation and write, tried once and undone.
QString lockCreationFailure(const QString &lockPath)
{
    const QByteArray name = QFile::encodeName(lockPath);
    const int probe = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (probe < 0)
        return systemErrorText(errno);
    const QByteArray lockInfo(128, ' ');
    const bool written = ::write(probe, lockInfo.constData(), lockInfo.size()) == lockInfo.size() && ::fsync(probe) == 0;
    const int error = errno;
    ::close(probe);
    ::unlink(name.constData());
    return written ? QString() : systemErrorText(error);
}

// Takes the lock that lets copies of the program write the user file one at a time: the file `lockName` in the
// user file's folder, waiting at most `waitMs` for another copy.
void lockUserFile(QLockFile &lock, const OpenFolder &folder, const QByteArray &lockName, const QString &file,
                  int waitMs)
{
    const QString role = QStringLiteral("锁文件");
    const QString lockPath = lock.fileName();
    RegularFile::checkKind(folder, lockName, role);
    if (lockWithin(lock, lockPath, waitMs))
        return;
    RegularFile::checkKind(folder, lockName, role);
    if (lock.error() == QLockFile::LockFailedError)
        fail(QStringLiteral("用户数据源文件 %1 正被另一个程序修改").arg(file));
    const QString reason = lockCreationFailure(lockPath);
    const QString shown = folder.shown(lockName);
    fail(reason.isEmpty() ? QStringLiteral("无法创建锁文件 %1").arg(shown)
                          : QStringLiteral("无法创建锁文件 %1：%2").arg(shown, reason));
}

// A name in a message: long ones are cut.
QString shownName(const QByteArray &name)
{
    constexpr qsizetype Shown = 32;
    return name.size() <= Shown + 8 ? QString::fromLocal8Bit(name)
                                    : QString::fromLocal8Bit(name.left(Shown)) + QStringLiteral("…");
}

// Refuses a rewrite that the installer would not make as `expected` says: of a file it cannot read, or one with a
// line it would cut.
void checkRewritable(const OdbcIniFile &expected, const QString &file)
{
    if (!expected.unreadable().isEmpty())
        fail(QStringLiteral("unixODBC 无法读取用户数据源文件 %1：%2，所以没有修改它").arg(file, expected.unreadable()));
    const std::optional<OdbcIniFile::LongLine> line = expected.firstLongLine();
    if (!line)
        return;
    const QString where = line->key.isEmpty()
                              ? QStringLiteral("[%1] 节的节名").arg(shownName(line->section))
                              : QStringLiteral("[%1] 节的 %2").arg(shownName(line->section), shownName(line->key));
    fail(line->line == 0
             ? QStringLiteral("%1 一行有 %2 字节，unixODBC 会把超过 999 字节的行截断，所以没有修改 %3")
                   .arg(where, QString::number(line->bytes), file)
             : QStringLiteral("%1 第 %2 行（%3）太长：unixODBC 按 999 字节分段读取它，改写时每段各成一行，"
                              "其中一行会超过 999 字节而再被截断，所以没有修改 %1")
                   .arg(file, QString::number(line->line), where));
}

// The installer rewrites a file in place, so a reader (the driver manager of a copy that is connecting) could
// find it half written: the entries go into a private copy beside the file, which then takes its place at once.
void replaceWithEntries(const OpenFolder &folder, const QByteArray &fileName, const RegularFile::Contents &original,
                        const QString &name, const DataSourceAttributes &entries)
{
    const QString file = folder.shown(fileName);
    OdbcIniFile expected = OdbcIniFile::parse(original.bytes);
    for (const OdbcIniFile::Entry &entry : iniEntries(entries))
        expected.set(name.toLocal8Bit(), entry.key, entry.value);
    checkRewritable(expected, file);
    StagedFile staged(folder, fileName, original);
    writeEntries(staged.reach(), file, name, entries);
    // The installer reports success for writes it did not make (on a full disk, past a file-size limit), so the
    // whole copy is checked before it replaces the file.
    if (OdbcIniFile::parse(staged.content()) != expected) {
        const QString reason = staged.writeFailure(expected.text().size());
        fail(reason.isEmpty() ? QStringLiteral("%1 的新副本与应写入的内容不符，%1 没有修改").arg(file)
                              : QStringLiteral("%1 的新副本没有完整写入（%2），%1 没有修改").arg(file, reason));
    }
    staged.commit();
}

enum class Write { WhenDifferent, Always };

void registerEntries(const QString &name, const QString &driver, const DataSourceAttributes &attributes,
                     Write write, int lockWaitMs)
{
    registrations().insert(registrationKey(name), {driver, attributes});
    DataSourceAttributes entries{{QStringLiteral("Driver"), driver}};
    entries.append(attributes);
    const QByteArray section = name.toLocal8Bit();
    const QList<OdbcIniFile::Entry> wanted = iniEntries(entries);
    const auto holdsEntries = [&](const std::optional<QByteArray> &content) {
        return write == Write::WhenDifferent && content && OdbcIniFile::parse(*content).holds(section, wanted);
    };
    try {
        const UserFile user = openUserFile();
        // A start whose file holds the entries only reads it.
        const auto readUserFile = [&](RegularFile::Attributes attributes) {
            return RegularFile::readIn(user.folder, user.name, userFileRole(), attributes);
        };
        const std::optional<RegularFile::Contents> first = readUserFile(RegularFile::Attributes::Skipped);
        if (holdsEntries(first ? std::optional<QByteArray>(first->bytes) : std::nullopt))
            return;

        // Everything from here on is done in the file's folder as it was opened, whatever becomes of its path.
        const QString file = shownPath(user.path);
        ensureFileExists(user.folder, user.name);
        checkWritable(user.folder, user.name);
        // Copies of the program write one at a time, whatever name leads them to the file. The lock takes its name
        // as text: a name that is no UTF-8 gets one of its own, the same in every copy.
        const QByteArray lockName = QFile::encodeName(QFile::decodeName(user.name + ".lock"));
        QLockFile lock(QFile::decodeName(user.folder.reach(lockName)));
        lockUserFile(lock, user.folder, lockName, file, lockWaitMs);
        StagedFile::removeLeftovers(user.folder, user.name);
        const std::optional<RegularFile::Contents> current = readUserFile(RegularFile::Attributes::Read);
        if (!current)
            fail(QStringLiteral("用户数据源文件 %1 在注册时被删除了").arg(file));
        // Another copy may have written the same entries while this one waited.
        if (holdsEntries(current->bytes))
            return;
        replaceWithEntries(user.folder, user.name, *current, name, entries);
    } catch (const AppError &error) {
        throw AppError(ErrorNumber::DataSource, QStringLiteral("数据源 %1 未能注册：%2").arg(name, error.description()));
    }
}

}  // namespace

void registerUserDataSource(const QString &name, const QString &driver, const DataSourceAttributes &attributes)
{
    registerEntries(name, driver, attributes, Write::WhenDifferent, UserFileLockWaitMs);
}

std::optional<QString> registerAgain(const QString &name)
{
    const auto found = registrations().constFind(registrationKey(name));
    if (found == registrations().constEnd())
        return std::nullopt;
    const Registration registration = *found;
    // Written even when the file holds the entries: a write makes the installer read the file anew.
    registerEntries(name, registration.driver, registration.attributes, Write::Always, ConnectionLockWaitMs);
    return registration.driver;
}

std::optional<QString> registeredAttribute(const QString &name, const QString &key)
{
    const auto found = registrations().constFind(registrationKey(name));
    if (found == registrations().constEnd())
        return std::nullopt;
    for (const auto &[attribute, value] : found->attributes) {
        if (attribute.compare(key, Qt::CaseInsensitive) == 0)
            return value;
    }
    return std::nullopt;
}

void checkUserFile()
{
    const UserFile user = openUserFile();
    RegularFile::checkKind(user.folder, user.name, userFileRole());
}

void setLockWaitUnbounded(bool unbounded)
{
    lockWaitUnbounded() = unbounded;
}

QByteArray userDataSourceFile()
{
    const QByteArray named = qgetenv("ODBCINI");
    if (!named.isEmpty())
        return named;
    // The installer takes the home folder from the password database, not from $HOME.
    const passwd *user = getpwuid(getuid());
    QByteArray home = user && user->pw_dir ? QByteArray(user->pw_dir) : QFile::encodeName(QDir::homePath());
    if (!home.endsWith('/'))
        home += '/';
    return home + ".odbc.ini";
}

QString unwritableUserFileText(const QString &file)
{
    return QStringLiteral("用户数据源文件 %1 必须可写（ODBC 不读取它无法写入的用户数据源文件）").arg(file);
}

QString dataSourceAttribute(const QString &name, const QString &key)
{
    char value[4096] = {};
    SQLGetPrivateProfileString(name.toLocal8Bit().constData(), key.toLocal8Bit().constData(), "", value,
                               sizeof value, "ODBC.INI");
    return QString::fromLocal8Bit(value);
}

}  // namespace hestova::odbcini::OdbcInstaller
