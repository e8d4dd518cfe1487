#pragma once

#include <QString>
#include <QVariant>

namespace hestova::db {

// One field of the current record: its column name and value. A Null value is an invalid QVariant.
class Field {
public:
    Field(const QString &name, const QVariant &value) : m_name(name), m_value(value) {}

    const QString &Name() const { return m_name; }
    const QVariant &Value() const { return m_value; }

    bool isNull() const { return m_value.isNull(); }
    // The value as text: numbers in plain decimal, Null as the empty string.
    QString text() const;
    // The value as a number; text must hold a decimal number. Null or other text throws
    // AppError(ErrorNumber::TypeMismatch).
    double number() const;

private:
    QString m_name;
    QVariant m_value;
};

}  // namespace hestova::db
