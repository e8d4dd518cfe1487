#pragma once

#include "core/AppError.h"

#include <QString>

#include <optional>

namespace hestova::db {

// The database file over which this process registered (or tried to register) a data source: a connection through
// that data source works on this file and no other.
class RegisteredDatabase {
public:
    explicit RegisteredDatabase(const QString &dsn);

    // Whether `database`, as the installer or the driver names it, is the registered file: the same file (device and
    // inode), or the same path where neither exists. Any database will do for a data source not registered here.
    bool accepts(const QString &database) const;

    // Refuses the connection through a data source that leads to `database` (empty: to none) instead; `reason` says
    // why registering again did not help.
    AppError refusal(const QString &database, const QString &reason) const;

private:
    QString m_dsn;
    std::optional<QString> m_file;
};

}  // namespace hestova::db
