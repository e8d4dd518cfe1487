#include "db/OdbcInstaller.h"

#include "core/AppError.h"
#include "db/StagedFile.h"

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
#include <unistd.h>

#include <odbcinst.h>

namespace hestova::db::OdbcInstaller {

namespace {

// Writers of the user file wait this long for other copies of the program to finish their writes, trying again
// at this interval (QLockFile's own wait doubles its pauses, so a long wait would try only a few times).
constexpr int UserFileLockWaitMs = 10000;
constexpr int UserFileLockRetryMs = 100;
// A registration writes in milliseconds: a lock file this old that names no process was left by a stopped copy.
constexpr int StaleEmptyLockMs = 5000;
constexpr int MaxLinkHops = 40;

struct Registration {
    QString driver;
    DataSourceAttributes attributes;
};

// The registrations made by this process, by user file and data source name, so that entries that vanished from
// the file can be registered again.
QHash<QString, Registration> &registrations()
{
    static QHash<QString, Registration> made;
    return made;
}

QString registrationKey(const QString &name)
{
    return userDataSourceFile() + QLatin1Char('\n') + name.toLower();
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

// Writes the entries into the ODBC file `file` by its path; other keys and sections stay. The installer rewrites
// the whole file at each write.
void writeEntries(const QString &file, const QString &name, const DataSourceAttributes &entries)
{
    const QByteArray section = name.toLocal8Bit();
    const QByteArray fileName = QFile::encodeName(file);
    for (const auto &[key, value] : entries) {
        if (!SQLWritePrivateProfileString(section.constData(), key.toLocal8Bit().constData(),
                                          value.toLocal8Bit().constData(), fileName.constData()))
            throw AppError(ErrorNumber::DataSource,
                           QStringLiteral("属性 %1 没有写入 %2：%3").arg(key, file, takeInstallerError()));
    }
}

// The file a name leads to, through any links, even when that file does not exist yet; its folder is canonical, so
// that every name of one file gives the same path.
QString resolvedFile(const QString &path)
{
    QString current = QFileInfo(path).absoluteFilePath();
    for (int hop = 0; hop < MaxLinkHops; ++hop) {
        const QFileInfo info(current);
        if (!info.isSymLink()) {
            const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
            return folder.isEmpty() ? current : QDir(folder).filePath(info.fileName());
        }
        current = info.symLinkTarget();
    }
    return current;  // a loop of links: the write below reports it
}

// The driver manager falls back to the system file when the user file is missing, so a missing one is created
// (empty) before the entries are written. An existing file is not opened for writing.
void ensureFileExists(const QString &file)
{
    const int created = ::open(QFile::encodeName(file).constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (created >= 0) {
        ::close(created);
        return;
    }
    if (errno != EEXIST)
        throw AppError(ErrorNumber::DataSource, QStringLiteral("用户数据源文件 %1 无法创建：%2")
                                                    .arg(file, systemErrorText(errno)));
}

// The driver manager ignores a user file that it cannot open for writing, so such a file is left as it is.
void checkWritable(const QString &file)
{
    if (::access(QFile::encodeName(file).constData(), W_OK) != 0)
        throw AppError(ErrorNumber::DataSource, unwritableUserFileText(file));
}

// The keys (lower case) and values of the first section `name` of the ODBC file `path` as it is on disk now, as
// the installer parses it. The installer's own reads may come from what it read a few seconds earlier.
QHash<QString, QString> fileSection(const QString &path, const QString &name)
{
    QHash<QString, QString> entries;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return entries;
    bool inSection = false;
    while (!file.atEnd()) {
        const QString line = QString::fromLocal8Bit(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('['))) {
            if (inSection)
                break;
            inSection = line.endsWith(QLatin1Char(']')) &&
                        line.mid(1, line.size() - 2).trimmed().compare(name, Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inSection || equals <= 0 || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        const QString key = line.left(equals).trimmed().toLower();
        if (!entries.contains(key))  // the installer reads and writes the first of repeated keys
            entries.insert(key, line.mid(equals + 1).trimmed());
    }
    return entries;
}

bool fileHolds(const QString &path, const QString &name, const DataSourceAttributes &entries)
{
    const QHash<QString, QString> section = fileSection(path, name);
    for (const auto &[key, value] : entries) {
        if (section.value(key.toLower()) != value)
            return false;
    }
    return true;
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
    if (removal.tryLock(0) && namesNoProcessAndIsOld())
        lock.removeStaleLockFile();
}

bool lockWithin(QLockFile &lock, const QString &lockPath, int waitMs)
{
    QDeadlineTimer deadline(waitMs);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        removeLockNamingNoProcess(lock, lockPath);
        QThread::msleep(UserFileLockRetryMs);
    }
    return true;
}

// The installer rewrites a file in place, so a reader (the driver manager of a copy that is connecting) could
// find it half written: the entries go into a private copy beside the file, which then takes its place at once.
void replaceWithEntries(const QString &file, const QString &name, const DataSourceAttributes &entries)
{
    StagedFile staged(file);
    writeEntries(staged.path(), name, entries);
    // The installer can report success without having written the entries, so they are read back.
    if (!fileHolds(staged.path(), name, entries))
        throw AppError(ErrorNumber::DataSource, QStringLiteral("%1 没有写入").arg(staged.path()));
    staged.commit();
}

enum class Write { WhenDifferent, Always };

void registerEntries(const QString &name, const QString &driver, const DataSourceAttributes &attributes,
                     Write write)
{
    registrations().insert(registrationKey(name), {driver, attributes});
    DataSourceAttributes entries{{QStringLiteral("Driver"), driver}};
    entries.append(attributes);
    const QString path = userDataSourceFile();
    if (write == Write::WhenDifferent && fileHolds(path, name, entries))
        return;

    // Copies of the program write one at a time, whatever name leads them to the file.
    const QString file = resolvedFile(path);
    ensureFileExists(file);
    checkWritable(file);
    const QString lockPath = file + QStringLiteral(".lock");
    QLockFile lock(lockPath);
    if (!lockWithin(lock, lockPath, UserFileLockWaitMs)) {
        const QString reason = lock.error() == QLockFile::LockFailedError
                                   ? QStringLiteral("用户数据源文件 %1 正被另一个程序修改").arg(file)
                                   : QStringLiteral("无法创建锁文件 %1").arg(lockPath);
        throw AppError(ErrorNumber::DataSource, QStringLiteral("数据源 %1 未能注册：%2").arg(name, reason));
    }
    // Another copy may have written the same entries while this one waited.
    if (write == Write::WhenDifferent && fileHolds(file, name, entries))
        return;
    try {
        replaceWithEntries(file, name, entries);
    } catch (const AppError &error) {
        throw AppError(ErrorNumber::DataSource, QStringLiteral("数据源 %1 未能注册：%2").arg(name, error.description()));
    }
}

}  // namespace

void registerUserDataSource(const QString &name, const QString &driver, const DataSourceAttributes &attributes)
{
    registerEntries(name, driver, attributes, Write::WhenDifferent);
}

std::optional<QString> registerAgain(const QString &name)
{
    const auto found = registrations().constFind(registrationKey(name));
    if (found == registrations().constEnd())
        return std::nullopt;
    const Registration registration = *found;
    // Written even when the file holds the entries: a write makes the installer read the file anew.
    registerEntries(name, registration.driver, registration.attributes, Write::Always);
    return registration.driver;
}

QString userDataSourceFile()
{
    const QByteArray named = qgetenv("ODBCINI");
    if (!named.isEmpty())
        return QString::fromLocal8Bit(named);
    // The installer takes the home folder from the password database, not from $HOME.
    const passwd *user = getpwuid(getuid());
    const QString home = user && user->pw_dir ? QString::fromLocal8Bit(user->pw_dir) : QDir::homePath();
    return QDir(home).filePath(QStringLiteral(".odbc.ini"));
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

}  // namespace hestova::db::OdbcInstaller
