#include "db/StatementText.h"

#include <QRegularExpression>

namespace hestova::db {

QString preparedStatementText(const QString &statement)
{
    static const QRegularExpression deleteStar(QStringLiteral("^(\\s*delete)\\s+\\*\\s*(from\\b)"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString text = statement;
    text.replace(deleteStar, QStringLiteral("\\1 \\2"));
    return text;
}

}  // namespace hestova::db
