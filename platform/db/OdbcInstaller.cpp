#include "db/OdbcInstaller.h"

#include "core/AppError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QHash>
#include <QLockFile>

#include <pwd.h>
#include <unistd.h>

#include <odbcinst.h>

namespace hestova::db::OdbcInstaller {

namespace {

// Writers of the user file wait this long for another copy of the program to finish its write.
constexpr int UserFileLockWaitMs = 5000;

// Selects user entries for the installer calls of one scope and restores the previous mode afterwards.
class UserConfigMode {
public:
    UserConfigMode()
    {
        SQLGetConfigMode(&m_previous);
        SQLSetConfigMode(ODBC_USER_DSN);
    }
    ~UserConfigMode() { SQLSetConfigMode(m_previous); }
    UserConfigMode(const UserConfigMode &) = delete;
    UserConfigMode &operator=(const UserConfigMode &) = delete;

private:
    UWORD m_previous = ODBC_BOTH_DSN;
};

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

// "DSN=name\0key=value\0...\0\0" as SQLConfigDataSource expects it.
QByteArray attributeList(const QString &name, const DataSourceAttributes &attributes)
{
    QByteArray list = "DSN=" + name.toLocal8Bit();
    list.append('\0');
    for (const auto &[key, value] : attributes) {
        list.append(key.toLocal8Bit() + '=' + value.toLocal8Bit());
        list.append('\0');
    }
    list.append('\0');
    return list;
}

bool configureWithSetupRoutine(const QByteArray &driver, const QByteArray &attributes)
{
    if (SQLConfigDataSource(nullptr, ODBC_ADD_DSN, driver.constData(), attributes.constData()))
        return true;
    // The driver has no set-up routine (or it refused): the entries are written directly instead.
    takeInstallerError();
    return false;
}

// Each write makes the installer rewrite the whole file; keys of the section that are not written stay.
void writeEntries(const QString &name, const DataSourceAttributes &entries)
{
    const QByteArray section = name.toLocal8Bit();
    for (const auto &[key, value] : entries) {
        if (!SQLWritePrivateProfileString(section.constData(), key.toLocal8Bit().constData(),
                                          value.toLocal8Bit().constData(), "ODBC.INI"))
            throw AppError(ErrorNumber::DataSource,
                           QStringLiteral("数据源 %1 的属性 %2 未能写入：%3").arg(name, key, takeInstallerError()));
    }
}

// When the user file cannot be created the installer quietly writes the system file instead (or reports success
// having written nothing), so the user file must exist before any installer call.
void ensureUserFileExists()
{
    const QString path = userDataSourceFile();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        throw AppError(ErrorNumber::DataSource,
                       QStringLiteral("用户数据源文件 %1 无法写入：%2").arg(path, file.errorString()));
}

// The keys (lower case) and values of the first section `name` of the user file as it is on disk now, as the
// installer parses it. The installer's own reads may come from what it read a few seconds earlier.
QHash<QString, QString> userFileSection(const QString &name)
{
    QHash<QString, QString> entries;
    QFile file(userDataSourceFile());
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

bool userFileHolds(const QString &name, const DataSourceAttributes &entries)
{
    const QHash<QString, QString> section = userFileSection(name);
    for (const auto &[key, value] : entries) {
        if (section.value(key.toLower()) != value)
            return false;
    }
    return true;
}

enum class Write { WhenDifferent, Always };

void registerEntries(const QString &name, const QString &driver, const DataSourceAttributes &attributes,
                     Write write)
{
    registrations().insert(registrationKey(name), {driver, attributes});
    DataSourceAttributes entries{{QStringLiteral("Driver"), driver}};
    entries.append(attributes);
    ensureUserFileExists();
    if (write == Write::WhenDifferent && userFileHolds(name, entries))
        return;

    // The installer rewrites the whole file at every write: copies of the program write one at a time.
    const QString path = userDataSourceFile();
    QLockFile lock(path + QStringLiteral(".lock"));
    if (!lock.tryLock(UserFileLockWaitMs)) {
        const QString reason = lock.error() == QLockFile::LockFailedError
                                   ? QStringLiteral("用户数据源文件 %1 正被另一个程序修改").arg(path)
                                   : QStringLiteral("无法创建锁文件 %1").arg(path + QStringLiteral(".lock"));
        throw AppError(ErrorNumber::DataSource, QStringLiteral("数据源 %1 未能注册：%2").arg(name, reason));
    }
    // Another copy may have written the same entries while this one waited.
    if (write == Write::WhenDifferent && userFileHolds(name, entries))
        return;

    const UserConfigMode userMode;
    if (!configureWithSetupRoutine(driver.toLocal8Bit(), attributeList(name, attributes)))
        writeEntries(name, entries);
    // The installer can report success without having written the entries, so they are read back.
    if (!userFileHolds(name, entries))
        throw AppError(ErrorNumber::DataSource,
                       QStringLiteral("数据源 %1 未能注册：用户数据源文件 %2 没有写入").arg(name, path));
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
