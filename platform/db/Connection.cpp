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

// The driver would create a missing database file (some ignore NoCreat), so the file is checked first.
void checkDatabaseFile(const QString &database, const QString &dsn)
{
    if (database.isEmpty())
        return;  // not a file data source, or not registered: the driver manager reports it
    const QFileInfo file(database);
    if (!file.exists())
        throw AppError(ErrorNumber::Connection, QStringLiteral("数据库文件未找到：%1（数据源 %2）").arg(database, dsn));
    if (!file.isFile() || !file.isReadable())
        throw AppError(ErrorNumber::Connection, QStringLiteral("数据库文件无法读取：%1（数据源 %2）").arg(database, dsn));
}

// The driver manager waits for ever on a user file that is a named pipe.
void checkUserFile(const QString &dsn)
{
    try {
        odbcini::OdbcInstaller::checkUserFile();
    } catch (const AppError &error) {
        const QString source = dsn.isEmpty() ? QString() : QStringLiteral("数据源 %1 ").arg(dsn);
        throw AppError(ErrorNumber::Connection, source + QStringLiteral("没有连接：") + error.description());
    }
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
    const QString dsn = entryValue(entries, QStringLiteral("DSN"));
    checkUserFile(dsn);
    RegisteredDatabase registered(dsn);
    // Check, connect, verify. What failed may be mended by registering the data source again, once: the user file
    // may have been rewritten by another program or copy since, or this copy's registration failed.
    for (;;) {
        checkDatabaseFile(registered.lead(entryValue(entries, QStringLiteral("Database"))), dsn);
        if (const std::optional<AppError> failure =
                connectDriver(registered.driverString(odbcConnectionString(entries)))) {
            if (!registered.registerAgain())
                throw registered.unmended(*failure);
        } else if (const std::optional<AppError> refused = openedElsewhere(registered)) {
            if (!registered.registerAgain())
                throw registered.leadsElsewhere().value_or(*refused);
        } else {
            return;
        }
    }
}

std::optional<AppError> Connection::openedElsewhere(const RegisteredDatabase &registered)
{
    SQLCHAR name[4096] = {};
    SQLSMALLINT length = 0;
    // The SQLite3 driver names the file as the data source or the string gave it; a driver that cannot tell is taken
    // at its word.
    if (!succeeded(SQLGetInfo(m_connection, SQL_DATABASE_NAME, name, sizeof name, &length)))
        return std::nullopt;
    const QString database = QString::fromLocal8Bit(reinterpret_cast<const char *>(name));
    if (!database.isEmpty() && registered.accepts(database))
        return std::nullopt;
    // Another one, or none: the driver manager ignored the user file, and the driver opened an empty database.
    Close();
    const QString userFile = QFile::decodeName(odbcini::OdbcInstaller::userDataSourceFile());
    return registered.refusal(database,
                              database.isEmpty() ? odbcini::OdbcInstaller::unwritableUserFileText(userFile) : QString());
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
        const AppError error = diagnosticError(SQL_HANDLE_DBC, connection, ErrorNumber::Connection);
        SQLFreeHandle(SQL_HANDLE_DBC, connection);
        SQLFreeHandle(SQL_HANDLE_ENV, environment);
        return error;
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
