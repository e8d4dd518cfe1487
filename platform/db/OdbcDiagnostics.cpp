#include "db/OdbcDiagnostics.h"

#include <QString>

namespace hestova::db {

AppError diagnosticError(SQLSMALLINT handleType, SQLHANDLE handle, int fallbackNumber)
{
    SQLCHAR state[SQL_SQLSTATE_SIZE + 1] = {};
    SQLINTEGER nativeError = 0;
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH + 1] = {};
    SQLSMALLINT length = 0;
    const SQLRETURN rc = SQLGetDiagRec(handleType, handle, 1, state, &nativeError, message,
                                       static_cast<SQLSMALLINT>(sizeof message), &length);
    if (!succeeded(rc))
        return AppError(fallbackNumber, QStringLiteral("ODBC 调用失败，没有诊断信息"));
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(message)).trimmed();
    const QString sqlState = QString::fromLatin1(reinterpret_cast<const char *>(state));
    const QString description = text.isEmpty() ? QStringLiteral("ODBC 错误（SQLSTATE %1）").arg(sqlState) : text;
    return AppError(nativeError != 0 ? int(nativeError) : fallbackNumber, description);
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
