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
        // Reported and not raised: the program starts anyway; a connection whose data source does not lead to this
        // database registers it again, and is refused when it still does not.
        hestova::forms::ReportError(error);
    }
}

}  // namespace Modbc
