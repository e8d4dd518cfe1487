#pragma once

#include <QString>
#include <QVariantList>

namespace hestova::db {

class Connection;

// A text command run on a connection. The text may be replaced and the command executed again; each "?" in it
// takes the next of `parameters` (operator text always goes there, never into the text).
class Command {
public:
    QString CommandText;
    Connection *ActiveConnection = nullptr;
    QVariantList parameters;

    // Returns the rows changed (-1 if unknown). Throws AppError on failure or without an active connection.
    qint64 Execute();
};

}  // namespace hestova::db
