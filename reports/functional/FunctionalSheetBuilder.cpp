#include "functional/FunctionalSheetBuilder.h"

#include "common/LateBound.h"
#include "db/Recordset.h"
#include "forms/Formatting.h"

namespace hestova::reports {

FunctionalSheetBuilder::FunctionalSheetBuilder(hestova::controls::LateBound &book, hestova::db::Connection &connection)
    : m_book(book), m_connection(connection)
{
}

// Every build starts from rates of 0: nothing of an earlier (possibly failed) build enters the mean.
void FunctionalSheetBuilder::fill(const FunctionalSheet &sheet)
{
    double rateSum = 0;
    for (const QuestionBlock &question : sheet.questions)
        rateSum += fillQuestion(question);
    const double overall = rateSum / sheet.questions.size();
    writeCell(sheet.overallRow, RateColumn, hestova::forms::RateFormat(overall));
}

QString FunctionalSheetBuilder::countQuery(const QString &column)
{
    return QStringLiteral("SELECT %1, count(*) From reporttempzn Where %1 > 0 GROUP BY %1").arg(column);
}

// A question without answers writes nothing and takes part in the mean with 0.
double FunctionalSheetBuilder::fillQuestion(const QuestionBlock &question)
{
    const QMap<int, qint64> counts = countAnswers(question);
    if (counts.isEmpty())
        return 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        writeCell(question.rowOfCode(it.key()), CountColumn, hestova::forms::plainDecimal(it.value()));
    const double rate = satisfactionRate(question, counts);
    writeCell(question.firstRow, RateColumn, hestova::forms::RateFormat(rate));
    return rate;
}

// Codes the question cannot have (damaged rows) are left out: their counts would land in the next question's
// rows or the overall row.
QMap<int, qint64> FunctionalSheetBuilder::countAnswers(const QuestionBlock &question)
{
    hestova::db::Recordset counts;
    counts.Open(countQuery(question.column), m_connection);
    QMap<int, qint64> byCode;
    for (; !counts.Eof(); counts.MoveNext()) {
        const auto code = static_cast<int>(counts.Fields(0).number());
        if (question.hasRowFor(code))
            byCode.insert(code, static_cast<qint64>(counts.Fields(1).number()));
    }
    counts.Close();
    return byCode;
}

// Taken from the query's counts, not read back from the sheet: what a template holds in a count cell never
// enters a rate.
double FunctionalSheetBuilder::satisfactionRate(const QuestionBlock &question, const QMap<int, qint64> &countsByCode)
{
    const int uncounted = uncountedCode(question.answers);
    qint64 total = 0;
    qint64 satisfied = 0;
    for (auto it = countsByCode.cbegin(); it != countsByCode.cend(); ++it) {
        if (it.key() != uncounted)
            total += it.value();
        if (it.key() <= satisfiedCodeCount(question.answers))
            satisfied += it.value();
    }
    // The satisfied codes are never the uncounted one: satisfied answers make the total positive.
    if (satisfied == 0)
        return 0;
    return satisfied * 100.0 / total;
}

void FunctionalSheetBuilder::writeCell(int row, int column, const QString &text)
{
    m_book.invoke("setCellText", {row, column, text});
}

}  // namespace hestova::reports
