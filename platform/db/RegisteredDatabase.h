#pragma once

#include "core/AppError.h"

#include <QString>

#include <optional>

namespace hestova::db {

// The database file over which this process registered (or tried to register) a data source, and the rule that a
// connection through that data source works on this file and no other. Any database will do for a data source not
// registered here.
class RegisteredDatabase {
public:
    explicit RegisteredDatabase(const QString &dsn);

    // Before connecting: the database file the connection is to use, as `named` in its string or else as the data
    // source leads to it. Throws when `named` is another file than that of a data source registered here. A data
    // source registered here that leads elsewhere is registered again; throws its refusal when it still does.
    QString lead(const QString &named);

    // The string handed to the driver: for a data source registered here, the registered file, which the driver is
    // not to create, so that it opens that file whatever it reads of the data source meanwhile; after registering
    // again, the driver itself too, as the driver manager may still hold what it read before.
    QString driverString(const QString &odbcString) const;

    // Whether `database`, as the installer or the driver names it, is the registered file: the same file (device and
    // inode), or the same path where neither exists.
    bool accepts(const QString &database) const;

    // Registers the data source again, once: false when it is not registered here, was registered again already, or
    // registering failed (the refusal then says why).
    bool registerAgain();

    // The refusal naming both files when the data source registered here now leads to another file.
    std::optional<AppError> leadsElsewhere() const;

    // After the driver's failure to connect, that registering again did not mend: the refusal naming both files when
    // the data source leads elsewhere; else, for a data source registered here, the failure with what registering
    // again did, and for any other `failure` as it is.
    AppError unmended(const AppError &failure) const;

    // Refuses the connection through a data source that leads to `database` (empty: to none) instead.
    AppError refusal(const QString &database, const QString &reason) const;
    AppError refusal(const QString &database) const { return refusal(database, m_reason); }

private:
    QString m_dsn;
    std::optional<QString> m_file;
    bool m_registeredAgain = false;
    std::optional<QString> m_driver;  // the registered driver, once registered again
    QString m_reason;  // why registering again failed
};

}  // namespace hestova::db
