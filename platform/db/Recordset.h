#pragma once

#include "db/Field.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantList>

namespace hestova::db {

class Connection;

// A static, read-only recordset: Open runs the query and reads every row, so RecordCount is exact and the rows
// can be walked again with MoveFirst. Fields are addressed by 0-based position or by column name (case does
// not matter).
class Recordset {
public:
    // Each "?" of the query takes the next of `parameters`.
    void Open(const QString &query, Connection &connection, const QVariantList &parameters = {});
    void Close();
    bool isOpen() const { return m_open; }

    int RecordCount() const;
    // End of the records (the name EOF is a C library macro).
    bool Eof() const;
    void MoveFirst();
    void MoveNext();  // at the end throws AppError(ErrorNumber::NoCurrentRecord)

    int FieldCount() const;
    QStringList fieldNames() const;
    // Fields of the current record; no current record or no such field throws AppError.
    Field Fields(int index) const;
    Field Fields(const QString &name) const;

private:
    void checkOpen() const;
    const QVariantList &currentRow() const;

    bool m_open = false;
    QStringList m_names;
    QList<QVariantList> m_rows;
    int m_position = 0;
};

}  // namespace hestova::db
