#pragma once

#include <QString>

namespace hestova::db {

// The data source through which every window reaches the survey database.
inline constexpr char SurveyDataSourceName[] = "myddc";
inline constexpr char SurveyDriver[] = "SQLite3";
inline constexpr char SurveyConnectionString[] = "PROVIDER=MSDASQL;dsn=myddc;uid=;pwd=zvbt";

// How long a statement waits for another program's lock on the database before it fails. A connection and its
// first statement may each wait that long (the driver waits twice on some statements), so an action ends within
// about three times this.
inline constexpr int SurveyBusyTimeoutMs = 2000;

// Registers the user data source "myddc" for the SQLite3 driver over databaseFile, with NoCreat=1 so that a
// missing file fails at connection time instead of becoming a new empty database, and the busy timeout above.
// Throws AppError on failure.
void registerSurveyDataSource(const QString &databaseFile);

}  // namespace hestova::db
