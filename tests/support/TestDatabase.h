#pragma once

#include "TestDatabaseFile.h"

#include <QString>

class TempAppFolder;

// A fresh survey database for a test, reached through the program's data source.
//
//   TempAppFolder folder;
//   TestDatabase::create(folder);          // <folder>/myd.mdb from data/schema.sql, "myddc" registered to it
//   hestova::db::Connection connection;
//   connection.Open(hestova::db::SurveyConnectionString);
//
// The data source is written to the folder's own odbc.ini (TempAppFolder sets ODBCINI), never the user's.
// Failures throw std::runtime_error, which fails the calling test. Library hestova_test_database.
namespace TestDatabase {

// Makes <folder>/myd.mdb from the schema file (replacing an old one), registers "myddc" to it, returns its path.
QString create(const TempAppFolder &folder);

}  // namespace TestDatabase
