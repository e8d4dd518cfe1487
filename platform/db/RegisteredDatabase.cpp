#include "db/RegisteredDatabase.h"

#include "odbcini/OdbcInstaller.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

namespace hestova::db {

namespace {

std::optional<struct stat> fileStatus(const QString &path)
{
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return std::nullopt;
    return status;
}

bool sameFile(const QString &first, const QString &second)
{
    if (first.isEmpty() || second.isEmpty())
        return false;
    const std::optional<struct stat> one = fileStatus(first);
    const std::optional<struct stat> other = fileStatus(second);
    if (one && other)
        return one->st_dev == other->st_dev && one->st_ino == other->st_ino;
    return !one && !other &&
           QDir::cleanPath(QFileInfo(first).absoluteFilePath()) == QDir::cleanPath(QFileInfo(second).absoluteFilePath());
}

// The database file the data source leads to, as the installer reads it.
QString leadsTo(const QString &dsn)
{
    return odbcini::OdbcInstaller::dataSourceAttribute(dsn, QStringLiteral("Database"));
}

}  // namespace

RegisteredDatabase::RegisteredDatabase(const QString &dsn)
    : m_dsn(dsn),
      m_file(dsn.isEmpty() ? std::nullopt
                           : odbcini::OdbcInstaller::registeredAttribute(dsn, QStringLiteral("Database")))
{
}

QString RegisteredDatabase::lead(const QString &named)
{
    if (!named.isEmpty() && m_file && !sameFile(named, *m_file))
        throw AppError(ErrorNumber::Connection,
                       QStringLiteral("连接字符串指定的数据库文件 %1 不是数据源 %2 的数据库文件 %3，没有连接").arg(named, m_dsn, *m_file));
    if (!named.isEmpty() || m_dsn.isEmpty())
        return named;
    QString database = leadsTo(m_dsn);
    if (!accepts(database)) {
        // Its registration failed, or another program changed it.
        registerAgain();
        database = leadsTo(m_dsn);
        if (!accepts(database))
            throw refusal(database);
    }
    return m_file ? *m_file : database;
}

QString RegisteredDatabase::driverString(const QString &odbcString) const
{
    if (!m_file)
        return odbcString;
    // The driver takes the first value of a key, up to the next ";": a path that holds one is left to the data
    // source, and what the driver opened is checked after.
    QString told = m_driver ? QStringLiteral("DRIVER={%1};").arg(*m_driver) : QString();
    told += QStringLiteral("NoCreat=1;");
    if (!m_file->contains(QLatin1Char(';')))
        told += QStringLiteral("Database=%1;").arg(*m_file);
    return told + odbcString;
}

bool RegisteredDatabase::accepts(const QString &database) const
{
    return !m_file || sameFile(database, *m_file);
}

bool RegisteredDatabase::registerAgain()
{
    if (!m_file || m_registeredAgain)
        return false;
    m_registeredAgain = true;
    try {
        m_driver = odbcini::OdbcInstaller::registerAgain(m_dsn);
    } catch (const AppError &error) {
        // Told in the refusal, unless the data source leads to the database all the same.
        m_reason = error.description();
        return false;
    }
    return m_driver.has_value();
}

std::optional<AppError> RegisteredDatabase::leadsElsewhere() const
{
    if (!m_file)
        return std::nullopt;
    const QString database = leadsTo(m_dsn);
    if (accepts(database))
        return std::nullopt;
    return refusal(database);
}

AppError RegisteredDatabase::unmended(const AppError &failure) const
{
    if (!m_file)
        return failure;
    if (std::optional<AppError> refused = leadsElsewhere())
        return *refused;
    // The driver's number stays; its message, often the driver manager's English, follows the program's words.
    return AppError(failure.number(),
                    m_reason.isEmpty()
                        ? QStringLiteral("数据源 %1 重新注册后，仍然没有连接到数据库文件 %2：%3")
                              .arg(m_dsn, *m_file, failure.description())
                        : QStringLiteral("数据源 %1 没有连接到数据库文件 %2（%3），重新注册也没有成功：%4")
                              .arg(m_dsn, *m_file, failure.description(), m_reason));
}

AppError RegisteredDatabase::refusal(const QString &database, const QString &reason) const
{
    QString description = database.isEmpty() || !m_file
                              ? QStringLiteral("数据源 %1 没有指向数据库文件，没有连接").arg(m_dsn)
                              : QStringLiteral("数据源 %1 指向另一个数据库文件 %2，不是 %3，没有连接")
                                    .arg(m_dsn, database, *m_file);
    if (!reason.isEmpty())
        description += QStringLiteral("：") + reason;
    return AppError(ErrorNumber::Connection, description);
}

}  // namespace hestova::db
