#include "db/OdbcInstaller.h"

#include "core/AppError.h"

#include <QByteArray>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLockFile>
#include <QThread>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <pwd.h>
#include <unistd.h>

#include <odbcinst.h>

namespace hestova::db::OdbcInstaller {

namespace {

// Writers of the user file wait this long for other copies of the program to finish their writes, trying again
// at this interval (QLockFile's own wait doubles its pauses, so a long wait would try only a few times).
constexpr int UserFileLockWaitMs = 10000;
constexpr int UserFileLockRetryMs = 100;

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
                           QStringLiteral("数据源 %1 的属性 %2 未能写入：%3").arg(name, key, takeInstallerError()));
    }
}

// The driver manager falls back to the system file when the user file is missing, and the entries are written
// into a copy of the user file, so it must exist first.
void ensureUserFileExists()
{
    const QString path = userDataSourceFile();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw AppError(ErrorNumber::DataSource,
                       QStringLiteral("用户数据源文件 %1 无法写入：%2").arg(path, file.errorString()));
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

bool lockWithin(QLockFile &lock, int waitMs)
{
    QDeadlineTimer deadline(waitMs);
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(UserFileLockRetryMs);
    }
    return true;
}

// The installer rewrites a file in place, so a reader (the driver manager of a copy that is connecting) could
// find it half written: the entries go into a copy beside the file, which then takes the file's place at once.
// A user file that is a link is replaced at its target.
void replaceWithEntries(const QString &path, const QString &name, const DataSourceAttributes &entries)
{
    const QString target = QFileInfo(path).canonicalFilePath();
    const QString staged = target + QStringLiteral(".new");
    const auto fail = [&](const QString &reason) {
        QFile::remove(staged);
        throw AppError(ErrorNumber::DataSource, QStringLiteral("数据源 %1 未能注册：%2").arg(name, reason));
    };
    QFile::remove(staged);  // left by a copy that ended while writing
    if (!QFile::copy(target, staged))
        fail(QStringLiteral("无法写入 %1").arg(staged));
    try {
        writeEntries(staged, name, entries);
    } catch (const AppError &) {
        QFile::remove(staged);
        throw;
    }
    // The installer can report success without having written the entries, so they are read back.
    if (!fileHolds(staged, name, entries))
        fail(QStringLiteral("用户数据源文件 %1 没有写入").arg(staged));
    if (std::rename(QFile::encodeName(staged).constData(), QFile::encodeName(target).constData()) != 0)
        fail(QStringLiteral("无法替换 %1：%2").arg(target, QString::fromLocal8Bit(std::strerror(errno))));
}

enum class Write { WhenDifferent, Always };

void registerEntries(const QString &name, const QString &driver, const DataSourceAttributes &attributes,
                     Write write)
{
    registrations().insert(registrationKey(name), {driver, attributes});
    DataSourceAttributes entries{{QStringLiteral("Driver"), driver}};
    entries.append(attributes);
    ensureUserFileExists();
    const QString path = userDataSourceFile();
    if (write == Write::WhenDifferent && fileHolds(path, name, entries))
        return;

    // Copies of the program write one at a time.
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lockWithin(lock, UserFileLockWaitMs)) {
        const QString reason = lock.error() == QLockFile::LockFailedError
                                   ? QStringLiteral("用户数据源文件 %1 正被另一个程序修改").arg(path)
                                   : QStringLiteral("无法创建锁文件 %1").arg(path + QStringLiteral(".lock"));
        throw AppError(ErrorNumber::DataSource, QStringLiteral("数据源 %1 未能注册：%2").arg(name, reason));
    }
    // Another copy may have written the same entries while this one waited.
    if (write == Write::WhenDifferent && fileHolds(path, name, entries))
        return;
    replaceWithEntries(path, name, entries);
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

QString dataSourceAttribute(const QString &name, const QString &key)
{
    char value[4096] = {};
    SQLGetPrivateProfileString(name.toLocal8Bit().constData(), key.toLocal8Bit().constData(), "", value,
                               sizeof value, "ODBC.INI");
    return QString::fromLocal8Bit(value);
}

}  // namespace hestova::db::OdbcInstaller
