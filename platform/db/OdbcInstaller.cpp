#include "db/OdbcInstaller.h"

#include "core/AppError.h"

#include <QByteArray>
#include <QDir>
#include <QFile>

#include <pwd.h>
#include <unistd.h>

#include <odbcinst.h>

namespace hestova::db::OdbcInstaller {

namespace {

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

void writeEntries(const QByteArray &name, const QByteArray &driver, const DataSourceAttributes &attributes)
{
    // SQLWriteDSNToIni replaces an existing section of that name.
    if (!SQLWriteDSNToIni(name.constData(), driver.constData()))
        throw AppError(ErrorNumber::DataSource,
                       QStringLiteral("数据源 %1 未能注册：%2").arg(QString::fromLocal8Bit(name), takeInstallerError()));
    for (const auto &[key, value] : attributes) {
        if (!SQLWritePrivateProfileString(name.constData(), key.toLocal8Bit().constData(),
                                          value.toLocal8Bit().constData(), "ODBC.INI"))
            throw AppError(ErrorNumber::DataSource,
                           QStringLiteral("数据源 %1 的属性 %2 未能写入：%3")
                               .arg(QString::fromLocal8Bit(name), key, takeInstallerError()));
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

// The installer can report success without having written the entries, so they are read back.
void verifyEntries(const QString &name, const DataSourceAttributes &attributes)
{
    for (const auto &[key, value] : attributes) {
        if (dataSourceAttribute(name, key) != value)
            throw AppError(ErrorNumber::DataSource,
                           QStringLiteral("数据源 %1 未能注册：用户数据源文件 %2 没有写入").arg(name, userDataSourceFile()));
    }
}

}  // namespace

void registerUserDataSource(const QString &name, const QString &driver, const DataSourceAttributes &attributes)
{
    ensureUserFileExists();
    const UserConfigMode userMode;
    const QByteArray nameBytes = name.toLocal8Bit();
    const QByteArray driverBytes = driver.toLocal8Bit();
    if (!configureWithSetupRoutine(driverBytes, attributeList(name, attributes)))
        writeEntries(nameBytes, driverBytes, attributes);
    verifyEntries(name, attributes);
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
