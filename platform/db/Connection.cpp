#include "db/Connection.h"

#include "db/OdbcDiagnostics.h"
#include "db/RegisteredDatabase.h"
#include "odbcini/OdbcInstaller.h"
#include "db/Statement.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

namespace hestova::db {

namespace {

struct ConnectionEntry {
    QString key;
    QString value;
};

QList<ConnectionEntry> parseConnectionString(const QString &connectionString)
{
    QList<ConnectionEntry> entries;
    for (const QString &part : connectionString.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const qsizetype equals = part.indexOf(QLatin1Char('='));
        if (equals < 0)
            entries.append({part.trimmed(), QString()});
        else
            entries.append({part.left(equals).trimmed(), part.mid(equals + 1)});
    }
    return entries;
}

QString entryValue(const QList<ConnectionEntry> &entries, const QString &key)
{
    for (const ConnectionEntry &entry : entries) {
        if (entry.key.compare(key, Qt::CaseInsensitive) == 0)
            return entry.value;
    }
    return QString();
}

// The ODBC part of the string: everything but the provider entry.
QString odbcConnectionString(const QList<ConnectionEntry> &entries)
{
    QStringList parts;
    for (const ConnectionEntry &entry : entries) {
        if (entry.key.compare(QStringLiteral("PROVIDER"), Qt::CaseInsensitive) != 0)
            parts.append(entry.key + QLatin1Char('=') + entry.value);
    }
    return parts.join(QLatin1Char(';'));
}

// The database file the driver is to open: the string's own, else its data source's as the installer reads it.
QString databaseFile(const QList<ConnectionEntry> &entries)
{
    const QString database = entryValue(entries, QStringLiteral("Database"));
    const QString dsn = entryValue(entries, QStringLiteral("DSN"));
    if (database.isEmpty() && !dsn.isEmpty())
        return odbcini::OdbcInstaller::dataSourceAttribute(dsn, QStringLiteral("Database"));
    return database;
}

// A data source that leads to another database than the one this process registered it over (its registration
// failed, or another program changed it) is registered again before any connection is opened there.
void leadToRegisteredDatabase(const QList<ConnectionEntry> &entries, const RegisteredDatabase &registered)
{
    if (registered.accepts(databaseFile(entries)))
        return;
    QString reason;
    try {
        odbcini::OdbcInstaller::registerAgain(entryValue(entries, QStringLiteral("DSN")));
    } catch (const AppError &error) {
        // Told in the refusal below, unless the data source leads to the database all the same.
        reason = error.description();
    }
    const QString database = databaseFile(entries);
    if (!registered.accepts(database))
        throw registered.refusal(database, reason);
}

// The driver would create a missing database file (some ignore NoCreat), so the file is checked first.
void checkDatabaseFile(const QList<ConnectionEntry> &entries)
{
    const QString database = databaseFile(entries);
    if (database.isEmpty())
        return;  // not a file data source, or not registered: the driver manager reports it
    const QString dsn = entryValue(entries, QStringLiteral("DSN"));
    const QFileInfo file(database);
    if (!file.exists())
        throw AppError(ErrorNumber::Connection, QStringLiteral("数据库文件未找到：%1（数据源 %2）").arg(database, dsn));
    if (!file.isFile() || !file.isReadable())
        throw AppError(ErrorNumber::Connection, QStringLiteral("数据库文件无法读取：%1（数据源 %2）").arg(database, dsn));
}

}  // namespace

Connection::~Connection()
{
    Close();
}

void Connection::Open(const QString &connectionString)
{
    if (isOpen())
        throw AppError(ErrorNumber::Connection, QStringLiteral("连接已经打开"));
    const QList<ConnectionEntry> entries = parseConnectionString(connectionString);
    const QString odbcString = odbcConnectionString(entries);
    const QString dsn = entryValue(entries, QStringLiteral("DSN"));
    try {
        odbcini::OdbcInstaller::checkUserFile();
    } catch (const AppError &error) {
        const QString source = dsn.isEmpty() ? QString() : QStringLiteral("数据源 %1 ").arg(dsn);
        throw AppError(ErrorNumber::Connection, source + QStringLiteral("没有连接：") + error.description());
    }
    const RegisteredDatabase registered(dsn);
    leadToRegisteredDatabase(entries, registered);
    checkDatabaseFile(entries);
    std::optional<AppError> notFound = connectDriver(odbcString);
    std::optional<QString> refused = notFound ? std::nullopt : refusedDatabase(registered);
    if (!notFound && !refused)
        return;
    // The driver manager did not find the data source, or the driver read it as naming no database file and
    // opened an empty one (as when the driver manager ignores the user file), or another one than registered. The
    // user file may have been rewritten by another copy of the program when they read it, or this copy's
    // registration failed: the data source is registered again once. The driver manager keeps what it read for
    // some seconds, so the second try names the registered driver itself.
    Close();
    std::optional<QString> driver;
    try {
        driver = dsn.isEmpty() ? std::nullopt : odbcini::OdbcInstaller::registerAgain(dsn);
    } catch (const AppError &error) {
        if (notFound)
            throw;
        throw registered.refusal(*refused, error.description());
    }
    if (!driver)
        throw notFound ? *notFound : registered.refusal(*refused, QString());
    checkDatabaseFile(entries);
    notFound = connectDriver(QStringLiteral("DRIVER={%1};").arg(*driver) + odbcString);
    if (notFound)
        throw *notFound;
    refused = refusedDatabase(registered);
    if (refused) {
        Close();
        throw registered.refusal(*refused, refused->isEmpty()
                                               ? odbcini::OdbcInstaller::unwritableUserFileText(QFile::decodeName(
                                                     odbcini::OdbcInstaller::userDataSourceFile()))
                                               : QString());
    }
}

std::optional<QString> Connection::refusedDatabase(const RegisteredDatabase &registered) const
{
    SQLCHAR name[4096] = {};
    SQLSMALLINT length = 0;
    // The SQLite3 driver names the file as the data source or the string gave it.
    const SQLRETURN rc = SQLGetInfo(m_connection, SQL_DATABASE_NAME, name, sizeof name, &length);
    if (!succeeded(rc))
        return std::nullopt;  // a driver that cannot tell is taken at its word
    const QString database = QString::fromLocal8Bit(reinterpret_cast<const char *>(name));
    if (!database.isEmpty() && registered.accepts(database))
        return std::nullopt;
    return database;
}

std::optional<AppError> Connection::connectDriver(const QString &odbcString)
{
    SQLHENV environment = SQL_NULL_HENV;
    if (!succeeded(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &environment)))
        throw AppError(ErrorNumber::Connection, QStringLiteral("无法创建 ODBC 环境"));
    SQLSetEnvAttr(environment, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);

    SQLHDBC connection = SQL_NULL_HDBC;
    if (!succeeded(SQLAllocHandle(SQL_HANDLE_DBC, environment, &connection))) {
        const AppError error = diagnosticError(SQL_HANDLE_ENV, environment, ErrorNumber::Connection);
        SQLFreeHandle(SQL_HANDLE_ENV, environment);
        throw error;
    }

    const QByteArray odbcBytes = odbcString.toUtf8();
    SQLCHAR completed[1024] = {};
    SQLSMALLINT completedLength = 0;
    const SQLRETURN rc = SQLDriverConnect(connection, nullptr,
                                          reinterpret_cast<SQLCHAR *>(const_cast<char *>(odbcBytes.constData())),
                                          static_cast<SQLSMALLINT>(odbcBytes.size()), completed,
                                          sizeof completed, &completedLength, SQL_DRIVER_NOPROMPT);
    if (!succeeded(rc)) {
        const Diagnostic diagnostic = firstDiagnostic(SQL_HANDLE_DBC, connection);
        SQLFreeHandle(SQL_HANDLE_DBC, connection);
        SQLFreeHandle(SQL_HANDLE_ENV, environment);
        const AppError error = diagnosticError(diagnostic, ErrorNumber::Connection);
        if (diagnostic.sqlState == QLatin1String("IM002"))  // data source name not found
            return error;
        throw error;
    }
    m_environment = environment;
    m_connection = connection;
    return std::nullopt;
}

void Connection::Close()
{
    if (!isOpen())
        return;
    if (m_inTransaction) {
        // Closing abandons what was not committed; a failure here has nothing left to undo.
        SQLEndTran(SQL_HANDLE_DBC, m_connection, SQL_ROLLBACK);
        m_inTransaction = false;
    }
    SQLDisconnect(m_connection);
    SQLFreeHandle(SQL_HANDLE_DBC, m_connection);
    SQLFreeHandle(SQL_HANDLE_ENV, m_environment);
    m_connection = nullptr;
    m_environment = nullptr;
}

void *Connection::handle() const
{
    if (!isOpen())
        throw AppError(ErrorNumber::Connection, QStringLiteral("连接没有打开"));
    return m_connection;
}

void Connection::BeginTrans()
{
    SQLHDBC connection = handle();
    if (m_inTransaction)
        throw AppError(ErrorNumber::Statement, QStringLiteral("此连接上已有一个打开的事务"));
    const SQLRETURN rc = SQLSetConnectAttr(connection, SQL_ATTR_AUTOCOMMIT,
                                           reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), SQL_IS_UINTEGER);
    checkResult(rc, SQL_HANDLE_DBC, connection, ErrorNumber::Statement);
    m_inTransaction = true;
}

void Connection::CommitTrans()
{
    endTransaction(SQL_COMMIT);
}

void Connection::RollbackTrans()
{
    endTransaction(SQL_ROLLBACK);
}

void Connection::endTransaction(short completionType)
{
    SQLHDBC connection = handle();
    if (!m_inTransaction)
        throw AppError(ErrorNumber::Statement, QStringLiteral("此连接上没有打开的事务"));
    const SQLRETURN rc = SQLEndTran(SQL_HANDLE_DBC, connection, completionType);
    if (!succeeded(rc)) {
        const AppError error = diagnosticError(SQL_HANDLE_DBC, connection, ErrorNumber::Statement);
        if (completionType == SQL_COMMIT) {
            // The transaction stays open so that the caller can roll it back.
            throw error;
        }
        m_inTransaction = false;
        SQLSetConnectAttr(connection, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON),
                          SQL_IS_UINTEGER);
        throw error;
    }
    m_inTransaction = false;
    checkResult(SQLSetConnectAttr(connection, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_ON),
                                  SQL_IS_UINTEGER),
                SQL_HANDLE_DBC, connection, ErrorNumber::Statement);
}

qint64 Connection::Execute(const QString &statement, const QVariantList &parameters)
{
    Statement executed(handle());
    executed.execute(statement, parameters);
    return executed.rowsAffected();
}

}  // namespace hestova::db
