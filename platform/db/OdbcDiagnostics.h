#pragma once

// Internal to the data-access layer: turns ODBC diagnostics into AppError. Includes the ODBC headers, so keep it
// out of public headers.

#include "core/AppError.h"

#include <QString>

#include <sql.h>
#include <sqlext.h>

namespace hestova::db {

// The first diagnostic record of a handle; an empty sqlState when it has none.
struct Diagnostic {
    QString sqlState;
    int nativeError = 0;
    QString message;
};

Diagnostic firstDiagnostic(SQLSMALLINT handleType, SQLHANDLE handle);

// The error of a diagnostic: the driver's native number (or fallbackNumber when it has none) and its message.
// The driver's "database is locked", once its busy timeout has passed, becomes ErrorNumber::DatabaseLocked.
AppError diagnosticError(const Diagnostic &diagnostic, int fallbackNumber);
AppError diagnosticError(SQLSMALLINT handleType, SQLHANDLE handle, int fallbackNumber);

// Throws diagnosticError(...) when rc is neither SQL_SUCCESS nor SQL_SUCCESS_WITH_INFO (nor SQL_NO_DATA).
void checkResult(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, int fallbackNumber);

inline bool succeeded(SQLRETURN rc)
{
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

}  // namespace hestova::db
