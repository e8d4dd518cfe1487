#pragma once

#include "core/AppError.h"

#include <QString>
#include <QVariantList>

#include <optional>

namespace hestova::db {

class RegisteredDatabase;

// One connection to a data source. Open takes a connection string such as
// "PROVIDER=MSDASQL;dsn=<name>;uid=;pwd=<password>"; the PROVIDER entry is dropped and the rest goes to the ODBC
// driver manager. Every failure throws hestova::AppError with the driver's number and message.
class Connection {
public:
    Connection() = default;
    ~Connection();  // rolls back an open transaction and closes
    Connection(const Connection &) = delete;
    Connection &operator=(const Connection &) = delete;

    // Fails with ErrorNumber::Connection, and creates nothing, when the data source's database file is missing
    // or unreadable, or when the driver opens no named database. A data source that this process registered is
    // only used when it leads to the database file registered (the same file, through any name), and the driver is
    // told that file; a string that names another database file beside it is refused. One that leads elsewhere, or
    // a connection through it that fails, is registered again once, and the connection refused when that does not
    // help, saying what registering again did.
    void Open(const QString &connectionString);
    void Close();
    bool isOpen() const { return m_connection != nullptr; }

    // Statements between BeginTrans and CommitTrans take effect together; RollbackTrans undoes them.
    void BeginTrans();
    void CommitTrans();
    void RollbackTrans();
    bool inTransaction() const { return m_inTransaction; }

    // Runs one statement; each "?" takes the next of `parameters`. Returns the rows changed (-1 if unknown).
    qint64 Execute(const QString &statement, const QVariantList &parameters = {});

    // The ODBC connection handle, for Recordset and Command.
    void *handle() const;

private:
    // Connects with the driver-manager string; returns the driver manager's or the driver's error. Throws when no
    // ODBC handle can be had.
    std::optional<AppError> connectDriver(const QString &odbcString);
    // Once connected: the refusal, closed again, when the driver opened a database other than the registered one.
    std::optional<AppError> openedElsewhere(const RegisteredDatabase &registered);
    void endTransaction(short completionType);

    void *m_environment = nullptr;
    void *m_connection = nullptr;
    bool m_inTransaction = false;
};

}  // namespace hestova::db
