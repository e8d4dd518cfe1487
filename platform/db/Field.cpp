#include "db/Field.h"

#include "core/AppError.h"

#include <QLocale>

namespace hestova::db {

QString Field::text() const
{
    if (isNull())
        return QString();
    if (m_value.metaType().id() == QMetaType::Double)
        return QLocale::c().toString(m_value.toDouble(), 'g', 15);
    return m_value.toString();
}

double Field::number() const
{
    if (isNull())
        throw AppError(ErrorNumber::TypeMismatch, QStringLiteral("字段 %1 为 Null，不是数字").arg(m_name));
    bool ok = false;
    const double result = m_value.metaType().id() == QMetaType::QString
                              ? QLocale::c().toDouble(m_value.toString().trimmed(), &ok)
                              : m_value.toDouble(&ok);
    if (!ok)
        throw AppError(ErrorNumber::TypeMismatch,
                       QStringLiteral("字段 %1 的值“%2”不是数字").arg(m_name, m_value.toString()));
    return result;
}

}  // namespace hestova::db
