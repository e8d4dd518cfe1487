#pragma once

#include "db/Recordset.h"
#include "medtech/DepartmentSheets.h"

#include <array>
#include <optional>

namespace hestova::controls {
class LateBound;
}
namespace hestova::db {
class Connection;
}

namespace hestova::reports::medtech {

// Fills a department sheet whose template is already shown: for each question the count of every answer code in
// column 3 of the code's row, the question's satisfaction rate in column 4 of its first row, and the mean of the
// question rates in the overall cell. The working fields are those the report window keeps between builds.
class DepartmentSheetBuilder {
public:
    // Errors (a failing query, a Null or out-of-range answer code, a count cell that is not a number) end the
    // fill at that question and reach the caller; the cells written so far stay.
    void fill(const DepartmentSheet &sheet, controls::LateBound &book, db::Connection &connection);

    // Working fields: all 0 between builds, also after a build that an error ended.
    QString ReportSql;
    double SatCount1 = 0;
    double SatCount2 = 0;
    std::array<double, 6> QuestionRate{};

private:
    void fillQuestion(const SheetQuestion &question, double &rate, controls::LateBound &book,
                      db::Connection &connection);
    void resetWorkingFields();

    std::optional<db::Recordset> m_reportRs;  // ReportRs: created on first use, opened and closed per question
};

}  // namespace hestova::reports::medtech
