#include "TestDatabase.h"

#include "TempAppFolder.h"
#include "core/AppError.h"
#include "surveydata/SurveyDataSource.h"

#include <stdexcept>

namespace TestDatabase {

QString create(const TempAppFolder &folder)
{
    const QString databaseFile = folder.file(QStringLiteral("myd.mdb"));
    createFile(databaseFile);
    try {
        hestova::db::registerSurveyDataSource(databaseFile);
    } catch (const hestova::AppError &error) {
        throw std::runtime_error(error.boxText().toStdString());
    }
    return databaseFile;
}

}  // namespace TestDatabase
