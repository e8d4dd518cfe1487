#pragma once

#include "patient/PatientSheets.h"

#include <QString>
#include <functional>

namespace hestova::controls {
class LateBound;
}
namespace hestova::db {
class Connection;
class Recordset;
}

namespace hestova::reports::patient {

// Fills one patient sheet from the saved queries over the work table: for each question block the counts of
// every answer code per department and in total, the department rates and the total rate; then the sheet's
// column groups are framed. A block whose query has no records ends the build quietly (the sheet keeps what
// was written and stays unframed). Errors (missing template or query, a field that is no answer code) are
// raised to the caller. All counts live in one build, so a failed build leaves nothing behind for the next.
class SheetBuilder {
public:
    // preamble: reads the sheet's template into the book and writes the header line.
    SheetBuilder(hestova::controls::LateBound &book, hestova::db::Connection &connection,
                 std::function<void(const QString &templateFile)> preamble);

    void build(const PatientSheet &sheet);

private:
    // false when the block's query returned no records.
    bool fillBlock(const PatientSheet &sheet, const QuestionBlock &block, bool first);
    void writeDepartmentRow(const PatientSheet &sheet, const QuestionBlock &block, bool first,
                            const hestova::db::Recordset &record, int row);
    void writeCodeCount(const QuestionBlock &block, int row, const QString &fieldName, const QString &count);
    void rateDepartment(const QuestionBlock &block, int row);
    void writeTotals(const QuestionBlock &block);
    // false when the percentage query returned no records.
    bool writeDepartmentShare(int column);
    void frame(const PatientSheet &sheet);

    QString cell(int row, int col) const;
    void setCell(int row, int col, const QString &text);
    void open(hestova::db::Recordset &records, const QString &query);

    hestova::controls::LateBound &m_book;
    hestova::db::Connection &m_connection;
    std::function<void(const QString &)> m_preamble;
    double m_questionnaireTotal = 0;
};

}  // namespace hestova::reports::patient
