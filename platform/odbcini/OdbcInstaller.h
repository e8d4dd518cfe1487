#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

#include <optional>

namespace hestova::odbcini {

using DataSourceAttributes = QList<QPair<QString, QString>>;  // key, value in the order written

// The ODBC installer, for user data sources. unixODBC keeps them in the file named by $ODBCINI when set.
namespace OdbcInstaller {

// Makes the user data source `name` use `driver` with the given attributes. Leaves the user file untouched when it
// already holds them; otherwise writes them, under a lock file beside the file the user file's name leads to, key by
// key into a private copy of it (other keys and data sources stay). The copy takes the file's place at once, with
// its owner, group and mode, once it is checked whole and on disk. Throws AppError(ErrorNumber::DataSource, ...)
// when that fails, among others for a file that is not a regular one, cannot be written whole, whose owner and
// group this process may not keep, or that another program or its owner changed meanwhile (the change is kept).
void registerUserDataSource(const QString &name, const QString &driver, const DataSourceAttributes &attributes);

// Registers `name` again as this process last registered it into the current user file, writing the entries even
// when the file holds them, and returns its driver; nullopt when this process never registered it. Made while a
// window waits, it waits about a second for another copy's write, not the start's full wait.
std::optional<QString> registerAgain(const QString &name);

// The value of the attribute `key` that this process last registered (or tried to register) for `name` into the
// current user file; nullopt when it registered no such attribute.
std::optional<QString> registeredAttribute(const QString &name, const QString &key);

// Throws AppError(ErrorNumber::DataSource, ...) unless the user file, through its links, is missing or a regular
// file: the driver manager would wait for ever on a named pipe.
void checkUserFile();

// Tests: from now on (true) a write waits for another copy's lock as long as that copy holds it, not the few seconds
// of a start or a connection, so that copies started together all take their turn however loaded the machine is.
void setLockWaitUnbounded(bool unbounded);

// The file that holds the user data sources: $ODBCINI when set, else ~/.odbc.ini, as the bytes of its path.
QByteArray userDataSourceFile();

// Why the data sources of a user file are not seen: the driver manager ignores a user file it cannot write.
QString unwritableUserFileText(const QString &file);

// The attribute `key` of the data source `name` (user entries first, then system ones) as the installer, and so the
// driver, sees it; empty when not set. The installer may answer from what it read a few seconds earlier.
QString dataSourceAttribute(const QString &name, const QString &key);

}  // namespace OdbcInstaller

}  // namespace hestova::odbcini
