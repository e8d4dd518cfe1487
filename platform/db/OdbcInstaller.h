#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace hestova::db {

using DataSourceAttributes = QList<QPair<QString, QString>>;  // key, value in the order written

// The ODBC installer, for user data sources. unixODBC keeps them in the file named by $ODBCINI when set.
namespace OdbcInstaller {

// Adds or replaces the user data source `name` for `driver` with the given attributes. Uses the driver's set-up
// routine when it has one, else writes the entries itself. Throws AppError(ErrorNumber::DataSource, installer
// message) when neither works.
void registerUserDataSource(const QString &name, const QString &driver, const DataSourceAttributes &attributes);

// The file that holds the user data sources: $ODBCINI when set, else ~/.odbc.ini (for messages).
QString userDataSourceFile();

// The attribute `key` of the data source `name` (user entries first, then system ones); empty when not set.
QString dataSourceAttribute(const QString &name, const QString &key);

}  // namespace OdbcInstaller

}  // namespace hestova::db
