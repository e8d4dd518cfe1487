#include "Modbc.h"

#include "core/AppError.h"
#include "core/AppFolder.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/MessageBox.h"

namespace Modbc {

void RegisterDsn()
{
    try {
        hestova::db::registerSurveyDataSource(hestova::AppFolder::file(QStringLiteral("\\myd.mdb")));
    } catch (const hestova::AppError &error) {
        // Reported and not raised: the program starts anyway, and a connection that does not find the data source
        // registers it again.
        hestova::forms::ReportError(error);
    }
}

}  // namespace Modbc
