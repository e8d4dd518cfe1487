#include "db/Statement.h"

#include "db/StatementText.h"

#include <QMetaType>

#include <cstring>

namespace hestova::db {

namespace {

template <typename T>
QByteArray bytesOf(T value)
{
    return QByteArray(reinterpret_cast<const char *>(&value), sizeof value);
}

bool isIntegral(const QVariant &value)
{
    switch (value.metaType().id()) {
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return true;
    default:
        return false;
    }
}

bool isFloating(const QVariant &value)
{
    const int id = value.metaType().id();
    return id == QMetaType::Double || id == QMetaType::Float;
}

}  // namespace

Statement::Statement(SQLHDBC connection)
{
    const SQLRETURN rc = SQLAllocHandle(SQL_HANDLE_STMT, connection, &m_handle);
    if (!succeeded(rc)) {
        m_handle = SQL_NULL_HSTMT;
        throw diagnosticError(SQL_HANDLE_DBC, connection, ErrorNumber::Statement);
    }
}

Statement::~Statement()
{
    if (m_handle != SQL_NULL_HSTMT)
        SQLFreeHandle(SQL_HANDLE_STMT, m_handle);
}

void Statement::execute(const QString &text, const QVariantList &parameters)
{
    const QByteArray sql = preparedStatementText(text).toUtf8();
    SQLRETURN rc = SQLPrepare(m_handle, reinterpret_cast<SQLCHAR *>(const_cast<char *>(sql.constData())),
                              static_cast<SQLINTEGER>(sql.size()));
    checkResult(rc, SQL_HANDLE_STMT, m_handle, ErrorNumber::Statement);

    SQLSMALLINT markers = 0;
    if (succeeded(SQLNumParams(m_handle, &markers)) && markers != parameters.size())
        throw AppError(ErrorNumber::InvalidArgument,
                       QStringLiteral("语句有 %1 个参数标记，却给出了 %2 个值")
                           .arg(markers)
                           .arg(parameters.size()));

    m_bound.assign(parameters.size(), BoundValue());
    for (int i = 0; i < parameters.size(); ++i)
        bind(i + 1, parameters.at(i), m_bound[i]);

    rc = SQLExecute(m_handle);
    checkResult(rc, SQL_HANDLE_STMT, m_handle, ErrorNumber::Statement);
}

void Statement::bind(int position, const QVariant &value, BoundValue &bound)
{
    SQLSMALLINT cType = SQL_C_CHAR;
    SQLSMALLINT sqlType = SQL_VARCHAR;
    SQLULEN columnSize = 0;
    if (value.isNull()) {
        // A Null of any type; the driver takes it as text.
        bound.bytes = QByteArray(1, '\0');
        bound.indicator = SQL_NULL_DATA;
        columnSize = 1;
    } else if (isIntegral(value)) {
        bound.bytes = bytesOf<qint64>(value.toLongLong());
        bound.indicator = sizeof(qint64);
        cType = SQL_C_SBIGINT;
        sqlType = SQL_BIGINT;
        columnSize = 19;
    } else if (isFloating(value)) {
        bound.bytes = bytesOf<double>(value.toDouble());
        bound.indicator = sizeof(double);
        cType = SQL_C_DOUBLE;
        sqlType = SQL_DOUBLE;
        columnSize = 15;
    } else {
        bound.bytes = value.toString().toUtf8();
        bound.indicator = bound.bytes.size();
        columnSize = qMax<SQLULEN>(1, bound.bytes.size());
    }
    const SQLRETURN rc = SQLBindParameter(m_handle, static_cast<SQLUSMALLINT>(position), SQL_PARAM_INPUT, cType,
                                          sqlType, columnSize, 0, bound.bytes.data(), bound.bytes.size(),
                                          &bound.indicator);
    checkResult(rc, SQL_HANDLE_STMT, m_handle, ErrorNumber::Statement);
}

qint64 Statement::rowsAffected() const
{
    SQLLEN count = -1;
    if (!succeeded(SQLRowCount(m_handle, &count)))
        return -1;
    return count;
}

}  // namespace hestova::db
