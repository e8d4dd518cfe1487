#include "medtech/DepartmentSheetBuilder.h"

#include "common/LateBound.h"
#include "core/AppError.h"
#include "forms/Formatting.h"

#include <cmath>
#include <functional>

namespace hestova::reports::medtech {

namespace {

constexpr int CountColumn = 3;
constexpr int RateColumn = 4;

// The whole-number part of a count cell read back from the sheet; an empty cell is 0.
double readBackCount(controls::LateBound &book, int row)
{
    const QString text = book.invoke("CellText", {row, CountColumn}).toString().trimmed();
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok) {
        throw AppError(ErrorNumber::TypeMismatch,
                       QStringLiteral("类型不匹配：第 %1 行第 %2 列的人数“%3”不是数字").arg(row).arg(CountColumn).arg(text));
    }
    return std::floor(value);
}

// Clears the working fields when a build ends, normally or by an error.
class WorkingFieldsReset {
public:
    explicit WorkingFieldsReset(std::function<void()> reset) : m_reset(std::move(reset)) {}
    ~WorkingFieldsReset() { m_reset(); }

private:
    std::function<void()> m_reset;
};

}  // namespace

void DepartmentSheetBuilder::fill(const DepartmentSheet &sheet, controls::LateBound &book,
                                  db::Connection &connection)
{
    // An error must not leave rates or counts behind for the next sheet built.
    WorkingFieldsReset reset([this] { resetWorkingFields(); });

    for (int n = 0; n < sheet.questions.size(); ++n)
        fillQuestion(sheet.questions[n], QuestionRate[n], book, connection);

    double sum = 0;
    for (int n = 0; n < sheet.questions.size(); ++n)
        sum += QuestionRate[n];
    book.invoke("setCellText", {sheet.overallRow(), RateColumn, forms::RateFormat(sum / sheet.divisor())});
}

void DepartmentSheetBuilder::fillQuestion(const SheetQuestion &question, double &rate, controls::LateBound &book,
                                          db::Connection &connection)
{
    ReportSql = question.source;
    if (!m_reportRs)
        m_reportRs.emplace();
    m_reportRs->Open(ReportSql, connection);

    const int rows = m_reportRs->RecordCount();
    if (rows > 0) {
        double countedTotal = 0;
        for (int i = 0; i < rows; ++i) {
            const double code = m_reportRs->Fields(0).number();
            const double count = m_reportRs->Fields(1).number();
            // A code outside the question's options would land in a neighbouring question's rows.
            if (code != std::floor(code) || code < 1 || code > question.options()) {
                throw AppError(ErrorNumber::SubscriptOutOfRange,
                               QStringLiteral("下标越界：查询“%1”返回的答案代码 %2 不在 1 到 %3 之间")
                                   .arg(ReportSql)
                                   .arg(code)
                                   .arg(question.options()));
            }
            book.invoke("setCellText", {question.offset + int(code), CountColumn,
                                        forms::plainDecimal(qint64(std::llround(count)))});
            if (int(code) != question.uncountedCode())
                countedTotal += count;
            m_reportRs->MoveNext();
        }

        SatCount1 = readBackCount(book, question.offset + 1);
        if (question.twoSatisfiedCodes())
            SatCount2 = readBackCount(book, question.offset + 2);
        const double satisfied = question.twoSatisfiedCodes() ? SatCount1 + SatCount2 : SatCount1;
        // A satisfied count always lies within the counted answers; the guard keeps a division by 0 out anyway.
        rate = (satisfied == 0 || countedTotal == 0) ? 0 : satisfied * 100 / countedTotal;
        book.invoke("setCellText", {question.rateRow(), RateColumn, forms::RateFormat(rate)});
        SatCount1 = 0;
        SatCount2 = 0;
    }
    m_reportRs->Close();
}

void DepartmentSheetBuilder::resetWorkingFields()
{
    SatCount1 = 0;
    SatCount2 = 0;
    QuestionRate.fill(0);
    if (m_reportRs && m_reportRs->isOpen())
        m_reportRs->Close();
}

}  // namespace hestova::reports::medtech
