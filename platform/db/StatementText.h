#pragma once

#include <QString>

namespace hestova::db {

// The text sent to the driver for a statement as the program writes it. The one rewrite: "delete * from X"
// becomes "delete from X"; every other text runs unchanged.
QString preparedStatementText(const QString &statement);

}  // namespace hestova::db
