#include "patient/SheetBuilder.h"

#include "common/LateBound.h"
#include "core/AppError.h"
#include "db/Recordset.h"
#include "forms/Formatting.h"
#include "patient/FormatRange.h"

#include <QLocale>
#include <cmath>

using hestova::AppError;
using hestova::db::Recordset;
using hestova::forms::RateFormat;

namespace hestova::reports::patient {

namespace {

constexpr int RowHeight = 300;
constexpr int DivisionByZero = 11;

// The answer code a count field stands for: its name read as a number.
int answerCode(const QString &fieldName, const QuestionBlock &block)
{
    bool ok = false;
    const int code = fieldName.trimmed().toInt(&ok);
    if (!ok)
        throw AppError(ErrorNumber::TypeMismatch,
                       QStringLiteral("查询 %1 的字段“%2”不是答案代码。").arg(block.query(), fieldName));
    if (code < 1 || code > block.answerCodes)
        throw AppError(ErrorNumber::SubscriptOutOfRange,
                       QStringLiteral("查询 %1 给出的答案代码 %2 不在 1 到 %3 之间。")
                           .arg(block.query())
                           .arg(code)
                           .arg(block.answerCodes));
    return code;
}

bool isNonZero(const hestova::db::Field &field)
{
    return !field.isNull() && field.number() != 0;
}

// A count read back from a cell the builder wrote: the whole part of the number it spells; empty is 0.
double countInCell(const QString &text, int row, int col)
{
    if (text.isEmpty())
        return 0;
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok)
        throw AppError(ErrorNumber::TypeMismatch,
                       QStringLiteral("第 %1 行第 %2 列的“%3”不是数目。").arg(row).arg(col).arg(text));
    return std::floor(value);
}

bool sameDepartment(const hestova::db::Field &listed, const hestova::db::Field &rated)
{
    return !listed.isNull() && !rated.isNull() && listed.number() == rated.number();
}

}  // namespace

SheetBuilder::SheetBuilder(hestova::controls::LateBound &book, hestova::db::Connection &connection,
                           std::function<void(const QString &)> preamble)
    : m_book(book), m_connection(connection), m_preamble(std::move(preamble))
{
}

void SheetBuilder::build(const PatientSheet &sheet)
{
    m_questionnaireTotal = 0;
    m_preamble(sheet.templateFile());
    for (int i = 0; i < sheet.blocks.size(); ++i) {
        if (!fillBlock(sheet, sheet.blocks[i], i == 0))
            return;
    }
    if (sheet.departmentShareColumn != 0 && !writeDepartmentShare(sheet.departmentShareColumn))
        return;
    frame(sheet);
}

bool SheetBuilder::fillBlock(const PatientSheet &sheet, const QuestionBlock &block, bool first)
{
    Recordset records;
    open(records, block.query());
    const int count = records.RecordCount();
    if (count == 0)
        return false;

    if (first) {
        m_book.set("LastCol", sheet.lastCol);
    }
    if (first || sheet.lastRowFromEveryBlock)
        m_book.set("LastRow", TotalsRow + count);
    if (first)
        m_book.invoke("setRowSize", {TotalsRow, RowHeight});

    for (int i = 1; i <= count; ++i) {
        const int row = TotalsRow + i;
        writeDepartmentRow(sheet, block, first, records, row);
        if (block.hasRate())
            rateDepartment(block, row);
        if (first)
            m_book.invoke("setRowSize", {row, RowHeight});
        if (i < count)
            records.MoveNext();
    }
    records.Close();

    if (first) {
        setCell(TotalsRow, 1, QStringLiteral("合计"));
        if (sheet.questionnaireCount)
            setCell(TotalsRow, 2, hestova::forms::plainDecimal(qint64(m_questionnaireTotal)));
    }
    writeTotals(block);
    return true;
}

void SheetBuilder::writeDepartmentRow(const PatientSheet &sheet, const QuestionBlock &block, bool first,
                                      const Recordset &record, int row)
{
    // Department number, then (first block) its name and (sheet 1) its number of questionnaires.
    int firstCodeField = 1;
    if (first) {
        setCell(row, 1, record.Fields(1).text());
        firstCodeField = 2;
        if (sheet.questionnaireCount) {
            const hestova::db::Field questionnaires = record.Fields(2);
            setCell(row, 2, questionnaires.text());
            if (!questionnaires.isNull())
                m_questionnaireTotal += questionnaires.number();
            firstCodeField = 3;
        }
    }
    for (int j = firstCodeField; j < record.FieldCount(); ++j) {
        const hestova::db::Field field = record.Fields(j);
        if (isNonZero(field))
            writeCodeCount(block, row, field.Name(), field.text());
    }
}

// Codes without a column of their own (occupation "其他") are not shown: in the next column they would be
// taken for the next question's count.
void SheetBuilder::writeCodeCount(const QuestionBlock &block, int row, const QString &fieldName,
                                  const QString &count)
{
    const int code = answerCode(fieldName, block);
    if (code <= block.codeColumns)
        setCell(row, block.offset + code, count);
}

void SheetBuilder::rateDepartment(const QuestionBlock &block, int row)
{
    double satisfied = 0;
    double counted = 0;
    for (int code = 1; code <= block.rated; ++code) {
        const int col = block.offset + code;
        const double count = countInCell(cell(row, col), row, col);
        counted += count;
        if (code <= block.satisfiedUpTo)
            satisfied += count;
    }
    setCell(row, block.rateColumn(), RateFormat(satisfied == 0 ? 0 : satisfied * 100 / counted));
}

void SheetBuilder::writeTotals(const QuestionBlock &block)
{
    Recordset records;
    open(records, block.totalsQuery());
    double satisfied = 0;
    double counted = 0;
    for (int i = 0; i < records.RecordCount(); ++i) {
        if (i > 0)
            records.MoveNext();
        const int code = answerCode(records.Fields(0).text(), block);
        const hestova::db::Field count = records.Fields(1);
        if (code <= block.codeColumns)
            setCell(TotalsRow, block.offset + code, count.text());
        if (code <= block.satisfiedUpTo)
            satisfied += count.number();
        if (code != block.uncountedCode)
            counted += count.number();
    }
    records.Close();
    // No counted answer at all: the template's cell stays.
    if (block.hasRate() && counted != 0)
        setCell(TotalsRow, block.rateColumn(), RateFormat(satisfied / counted * 100));
}

bool SheetBuilder::writeDepartmentShare(int column)
{
    Recordset shares;
    open(shares, QStringLiteral("zbfb"));
    Recordset departments;
    departments.Open(QStringLiteral("select jyks1 from reporttemp group by jyks1"), m_connection);
    const int departmentCount = departments.RecordCount();

    if (shares.RecordCount() == 0) {
        const int lastRow = m_book.get("LastRow").toInt();
        for (int row = TotalsRow; row <= lastRow; ++row)
            setCell(row, column, QStringLiteral("0"));
        return false;
    }

    // Both lists run in department order; a department without a percentage shows 0 and counts as 0.
    double sum = 0;
    bool sharesLeft = true;
    for (int i = 1; i <= departmentCount; ++i) {
        double share = 0;
        if (sharesLeft && sameDepartment(departments.Fields(0), shares.Fields(0))) {
            const double denominator = shares.Fields(2).number();
            if (denominator == 0)
                throw AppError(DivisionByZero,
                               QStringLiteral("科室 %1 的占比分母为 0。").arg(shares.Fields(0).text()));
            share = shares.Fields(1).number() / denominator * 100;
            shares.MoveNext();
            sharesLeft = !shares.Eof();
        }
        setCell(TotalsRow + i, column, RateFormat(share));
        sum += share;
        if (i < departmentCount)
            departments.MoveNext();
    }
    setCell(TotalsRow, column, RateFormat(departmentCount == 0 ? 0 : sum / departmentCount));
    return true;
}

void SheetBuilder::frame(const PatientSheet &sheet)
{
    for (const ColumnGroup &group : sheet.framing) {
        const qint16 lastRow = qint16(m_book.get("LastRow").toInt());
        FormatRange(m_book, TotalsRow, qint16(group.first), lastRow, qint16(group.last));
    }
    m_book.invoke("SelectRange", {1, 1, 1, 1});
}

QString SheetBuilder::cell(int row, int col) const
{
    return m_book.invoke("CellText", {row, col}).toString();
}

void SheetBuilder::setCell(int row, int col, const QString &text)
{
    m_book.invoke("setCellText", {row, col, text});
}

void SheetBuilder::open(Recordset &records, const QString &query)
{
    records.Open(QStringLiteral("select * from ") + query, m_connection);
}

}  // namespace hestova::reports::patient
