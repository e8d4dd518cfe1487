#include "Modbc.h"

#include "core/AppError.h"
#include "core/AppFolder.h"
#include "db/SurveyDataSource.h"
#include "forms/MessageBox.h"

namespace Modbc {

void RegisterDsn()
{
    try {
        hestova::db::registerSurveyDataSource(hestova::AppFolder::file(QStringLiteral("\\myd.mdb")));
    } catch (const hestova::AppError &error) {
        // Reported and not raised: the program starts anyway and the first connection fails with its own error.
        hestova::forms::ReportError(error);
    }
}

}  // namespace Modbc
