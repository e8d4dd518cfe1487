#include "core/AppError.h"

#include <cstring>

namespace hestova {

AppError::AppError(int number, const QString &description)
    : std::runtime_error(description.toStdString()), m_number(number), m_description(description)
{
}

QString AppError::boxText() const
{
    return QString::number(m_number) + QStringLiteral("：  ") + m_description;
}

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

}  // namespace hestova
