#pragma once

// Internal to the data-access layer: one executed ODBC statement with its bound parameters.

#include "db/OdbcDiagnostics.h"

#include <QByteArray>
#include <QString>
#include <QVariantList>

#include <vector>

namespace hestova::db {

class Statement {
public:
    explicit Statement(SQLHDBC connection);
    ~Statement();
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    // Prepares the text (see preparedStatementText), binds one parameter per "?" and executes.
    void execute(const QString &text, const QVariantList &parameters);

    // Rows changed by the last insert, update or delete; -1 when the driver does not know.
    qint64 rowsAffected() const;

    SQLHSTMT handle() const { return m_handle; }

private:
    struct BoundValue {
        QByteArray bytes;       // text (UTF-8) or the bytes of a number
        SQLLEN indicator = 0;   // length or SQL_NULL_DATA
    };

    void bind(int position, const QVariant &value, BoundValue &bound);

    SQLHSTMT m_handle = SQL_NULL_HSTMT;
    std::vector<BoundValue> m_bound;  // must outlive SQLExecute
};

}  // namespace hestova::db
