#include "db/Recordset.h"

#include "db/Connection.h"
#include "db/OdbcDiagnostics.h"
#include "db/Statement.h"

namespace hestova::db {

namespace {

enum class ValueKind { Integer, Floating, Text };

ValueKind kindOf(SQLSMALLINT sqlType)
{
    switch (sqlType) {
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
    case SQL_BIT:
        return ValueKind::Integer;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_NUMERIC:
    case SQL_DECIMAL:
        return ValueKind::Floating;
    default:
        return ValueKind::Text;
    }
}

void checkData(SQLRETURN rc, SQLHSTMT statement)
{
    checkResult(rc, SQL_HANDLE_STMT, statement, ErrorNumber::Statement);
}

QVariant readText(SQLHSTMT statement, SQLUSMALLINT column)
{
    QByteArray bytes;
    char chunk[4096];
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(statement, column, SQL_C_CHAR, chunk, sizeof chunk, &indicator);
        if (rc == SQL_NO_DATA)
            break;
        checkData(rc, statement);
        if (indicator == SQL_NULL_DATA)
            return QVariant();
        const bool truncated = rc == SQL_SUCCESS_WITH_INFO &&
                               (indicator == SQL_NO_TOTAL || indicator >= SQLLEN(sizeof chunk));
        bytes.append(chunk, truncated ? qsizetype(sizeof chunk - 1) : qsizetype(indicator));
        if (!truncated)
            break;
    }
    return QString::fromUtf8(bytes);
}

template <typename T>
QVariant readNumber(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT cType)
{
    T value{};
    SQLLEN indicator = 0;
    checkData(SQLGetData(statement, column, cType, &value, sizeof value, &indicator), statement);
    if (indicator == SQL_NULL_DATA)
        return QVariant();
    return QVariant::fromValue(value);
}

}  // namespace

void Recordset::Open(const QString &query, Connection &connection, const QVariantList &parameters)
{
    Close();
    Statement statement(connection.handle());
    statement.execute(query, parameters);
    SQLHSTMT handle = statement.handle();

    SQLSMALLINT columnCount = 0;
    checkData(SQLNumResultCols(handle, &columnCount), handle);
    QList<ValueKind> kinds;
    QStringList names;
    for (SQLUSMALLINT column = 1; column <= columnCount; ++column) {
        SQLCHAR name[256] = {};
        SQLSMALLINT nameLength = 0;
        SQLSMALLINT sqlType = 0;
        SQLULEN size = 0;
        SQLSMALLINT digits = 0;
        SQLSMALLINT nullable = 0;
        checkData(SQLDescribeCol(handle, column, name, sizeof name, &nameLength, &sqlType, &size, &digits,
                                 &nullable),
                  handle);
        names.append(QString::fromUtf8(reinterpret_cast<const char *>(name)));
        kinds.append(kindOf(sqlType));
    }

    QList<QVariantList> rows;
    for (;;) {
        const SQLRETURN rc = SQLFetch(handle);
        if (rc == SQL_NO_DATA || columnCount == 0)
            break;
        checkData(rc, handle);
        QVariantList row;
        row.reserve(columnCount);
        for (SQLUSMALLINT column = 1; column <= columnCount; ++column) {
            switch (kinds.at(column - 1)) {
            case ValueKind::Integer:
                row.append(readNumber<qint64>(handle, column, SQL_C_SBIGINT));
                break;
            case ValueKind::Floating:
                row.append(readNumber<double>(handle, column, SQL_C_DOUBLE));
                break;
            case ValueKind::Text:
                row.append(readText(handle, column));
                break;
            }
        }
        rows.append(row);
    }

    m_names = names;
    m_rows = rows;
    m_position = 0;
    m_open = true;
}

void Recordset::Close()
{
    m_open = false;
    m_names.clear();
    m_rows.clear();
    m_position = 0;
}

void Recordset::checkOpen() const
{
    if (!m_open)
        throw AppError(ErrorNumber::NoCurrentRecord, QStringLiteral("记录集没有打开"));
}

int Recordset::RecordCount() const
{
    checkOpen();
    return int(m_rows.size());
}

bool Recordset::Eof() const
{
    checkOpen();
    return m_position >= m_rows.size();
}

void Recordset::MoveFirst()
{
    checkOpen();
    m_position = 0;
}

void Recordset::MoveNext()
{
    if (Eof())
        throw AppError(ErrorNumber::NoCurrentRecord, QStringLiteral("BOF 或 EOF 为真：没有当前记录"));
    ++m_position;
}

int Recordset::FieldCount() const
{
    checkOpen();
    return int(m_names.size());
}

QStringList Recordset::fieldNames() const
{
    checkOpen();
    return m_names;
}

const QVariantList &Recordset::currentRow() const
{
    if (Eof())
        throw AppError(ErrorNumber::NoCurrentRecord, QStringLiteral("BOF 或 EOF 为真：没有当前记录"));
    return m_rows.at(m_position);
}

Field Recordset::Fields(int index) const
{
    const QVariantList &row = currentRow();
    if (index < 0 || index >= m_names.size())
        throw AppError(ErrorNumber::FieldMissing, QStringLiteral("位置 %1 没有字段").arg(index));
    return Field(m_names.at(index), row.at(index));
}

Field Recordset::Fields(const QString &name) const
{
    const QVariantList &row = currentRow();
    for (int i = 0; i < m_names.size(); ++i) {
        if (m_names.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return Field(m_names.at(i), row.at(i));
    }
    throw AppError(ErrorNumber::FieldMissing, QStringLiteral("没有名为 %1 的字段").arg(name));
}

}  // namespace hestova::db
