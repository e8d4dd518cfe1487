#pragma once

#include <QString>

// Database files for tests, made from the schema file data/schema.sql. Failures throw std::runtime_error, which
// fails the calling test. TestDatabase.h registers one as the program's data source.
namespace TestDatabase {

// Makes a database file from the schema file at `databaseFile` (replacing an old one), without registering it.
void createFile(const QString &databaseFile);

}  // namespace TestDatabase
