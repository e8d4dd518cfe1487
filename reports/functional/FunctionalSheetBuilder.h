#pragma once

#include "functional/FunctionalSheets.h"

#include <QMap>

namespace hestova::controls {
class LateBound;
}
namespace hestova::db {
class Connection;
}

namespace hestova::reports {

// Fills a functional sheet whose template the spreadsheet already shows: for every question one grouped count
// over reporttempzn, the counts in column 3 of the question's rows, its satisfaction rate in column 4 of its
// first row, and the mean of the question rates in column 4 of the overall row. Writes no other cell.
class FunctionalSheetBuilder {
public:
    FunctionalSheetBuilder(hestova::controls::LateBound &book, hestova::db::Connection &connection);

    void fill(const FunctionalSheet &sheet);

    // The count query of one answer column.
    static QString countQuery(const QString &column);
    // 100 × satisfied answers / answers outside the uncounted code; 0 when none is satisfied.
    static double satisfactionRate(const QuestionBlock &question, const QMap<int, qint64> &countsByCode);

private:
    // Counts and rate of one question; gives its rate.
    double fillQuestion(const QuestionBlock &question);
    QMap<int, qint64> countAnswers(const QuestionBlock &question);
    void writeCell(int row, int column, const QString &text);

    hestova::controls::LateBound &m_book;
    hestova::db::Connection &m_connection;
};

}  // namespace hestova::reports
