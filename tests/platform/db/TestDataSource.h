#pragma once

#include <QString>

class TempAppFolder;

// A user data source of the tests' own over a database made from the schema, registered through the installer.
// TempAppFolder points ODBCINI at its own file. Failures throw, which fails the calling test.
namespace TestDataSource {

inline constexpr char Name[] = "hestova_db_test";
inline constexpr char ConnectionString[] = "PROVIDER=MSDASQL;dsn=hestova_db_test;uid=;pwd=";

// Registers the data source for the SQLite3 driver over `databaseFile`, which need not exist (NoCreat=1).
void registerOver(const QString &databaseFile);

// Makes <folder>/test.db from the schema file, registers the data source over it, and returns its path.
QString create(const TempAppFolder &folder);

}  // namespace TestDataSource
