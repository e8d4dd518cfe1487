#include "db/Command.h"

#include "core/AppError.h"
#include "db/Connection.h"

namespace hestova::db {

qint64 Command::Execute()
{
    if (!ActiveConnection)
        throw AppError(ErrorNumber::Connection, QStringLiteral("命令没有活动连接"));
    return ActiveConnection->Execute(CommandText, parameters);
}

}  // namespace hestova::db
