#include "db/OdbcDiagnostics.h"

namespace hestova::db {

namespace {

// SQLite's SQLITE_BUSY, which its ODBC driver passes on as the native number.
constexpr int SqliteBusy = 5;

bool isDatabaseBusy(const Diagnostic &diagnostic)
{
    return diagnostic.nativeError == SqliteBusy && diagnostic.message.startsWith(QLatin1String("[SQLite]"));
}

}  // namespace

Diagnostic firstDiagnostic(SQLSMALLINT handleType, SQLHANDLE handle)
{
    SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
    SQLINTEGER nativeError = 0;
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH + 1] = {};
    SQLSMALLINT length = 0;
    const SQLRETURN rc = SQLGetDiagRec(handleType, handle, 1, state, &nativeError, message,
                                       static_cast<SQLSMALLINT>(sizeof message), &length);
    if (!succeeded(rc))
        return Diagnostic();
    return {QString::fromLatin1(reinterpret_cast<const char *>(state)), int(nativeError),
            QString::fromUtf8(reinterpret_cast<const char *>(message)).trimmed()};
}

AppError diagnosticError(const Diagnostic &diagnostic, int fallbackNumber)
{
    if (diagnostic.sqlState.isEmpty())
        return AppError(fallbackNumber, QStringLiteral("ODBC 调用失败，没有诊断信息"));
    if (isDatabaseBusy(diagnostic))
        return AppError(ErrorNumber::DatabaseLocked, QStringLiteral("数据库正被另一个程序使用，请稍后再试"));
    const QString description = diagnostic.message.isEmpty()
                                    ? QStringLiteral("ODBC 错误（SQLSTATE %1）").arg(diagnostic.sqlState)
                                    : diagnostic.message;
    return AppError(diagnostic.nativeError != 0 ? diagnostic.nativeError : fallbackNumber, description);
}

AppError diagnosticError(SQLSMALLINT handleType, SQLHANDLE handle, int fallbackNumber)
{
    return diagnosticError(firstDiagnostic(handleType, handle), fallbackNumber);
}

void checkResult(SQLRETURN rc, SQLSMALLINT handleType, SQLHANDLE handle, int fallbackNumber)
{
    if (succeeded(rc) || rc == SQL_NO_DATA)
        return;
    if (rc == SQL_INVALID_HANDLE)
        throw AppError(fallbackNumber, QStringLiteral("ODBC 调用使用了无效的句柄"));
    throw diagnosticError(handleType, handle, fallbackNumber);
}

}  // namespace hestova::db
