#include "surveydata/SurveyDataSource.h"

#include "odbcini/OdbcInstaller.h"

#include <QDir>

namespace hestova::db {

void registerSurveyDataSource(const QString &databaseFile)
{
    odbcini::OdbcInstaller::registerUserDataSource(
        QString::fromLatin1(SurveyDataSourceName), QString::fromLatin1(SurveyDriver),
        {{QStringLiteral("Database"), QDir::toNativeSeparators(databaseFile)},
         {QStringLiteral("NoCreat"), QStringLiteral("1")},
         {QStringLiteral("Timeout"), QString::number(SurveyBusyTimeoutMs)}});
}

}  // namespace hestova::db
