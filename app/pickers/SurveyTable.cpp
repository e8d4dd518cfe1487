#include "pickers/SurveyTable.h"

#include "windows/SurveyWindows.h"
#include "core/AppError.h"
#include "db/Command.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "forms/Formatting.h"

#include <QRegularExpression>
#include <limits>

namespace SurveyTable {

namespace {

using hestova::ErrorNumber::InvalidUseOfNull;

struct KindTables {
    const char *workTable;
    const char *answerTable;
};

KindTables kindTables(int kind)
{
    SurveyWindows::checkKind(kind);
    static const KindTables tables[] = {
        {"reporttemp", "brwjdcxx"},
        {"reporttempyj", "yjdcxx"},
        {"reporttempzn", "zndcxx"},
    };
    return tables[kind - 1];
}

QString requiredText(const hestova::db::Recordset &surveys, int position)
{
    const hestova::db::Field field = surveys.Fields(position);
    if (field.isNull())
        throw hestova::AppError(InvalidUseOfNull, QStringLiteral("无效使用 Null：调查表 mydjb 的第 %1 列没有值")
                                                      .arg(position + 1));
    return field.text();
}

}  // namespace

QList<SurveyRecord> list(hestova::db::Connection &connection)
{
    hestova::db::Recordset surveys;
    surveys.Open(QStringLiteral("select * from mydjb"), connection);
    QList<SurveyRecord> records;
    records.reserve(surveys.RecordCount());
    for (; !surveys.Eof(); surveys.MoveNext())
        records.append({requiredText(surveys, 0), requiredText(surveys, 1), requiredText(surveys, 2)});
    surveys.Close();
    return records;
}

bool exists(hestova::db::Connection &connection, int number)
{
    hestova::db::Recordset surveys;
    surveys.Open(QStringLiteral("select dcxh from mydjb where dcxh = ?"), connection, {number});
    const bool found = !surveys.Eof();
    surveys.Close();
    return found;
}

void add(hestova::db::Connection &connection, int number, const QString &time, const QString &description)
{
    hestova::db::Command command;
    command.ActiveConnection = &connection;
    command.CommandText = QStringLiteral("insert into mydjb values(?,?,?)");
    command.parameters = {number, time, description};
    command.Execute();
}

void prepareWorkTable(hestova::db::Connection &connection, int kind, int surveyNo)
{
    const KindTables tables = kindTables(kind);
    hestova::db::Command command;
    command.ActiveConnection = &connection;
    connection.BeginTrans();
    try {
        command.CommandText = QStringLiteral("delete * from %1").arg(QLatin1String(tables.workTable));
        command.Execute();
        command.CommandText = QStringLiteral("insert into %1 select * from %2 where id=%3")
                                  .arg(QLatin1String(tables.workTable), QLatin1String(tables.answerTable),
                                       hestova::forms::signPositionDecimal(surveyNo));
        command.Execute();
        connection.CommitTrans();
    } catch (...) {
        // Undo the delete before the error goes on to the caller's report.
        if (connection.inTransaction()) {
            try {
                connection.RollbackTrans();
            } catch (const hestova::AppError &) {
                // The first error is the one to report; closing the connection still discards the changes.
            }
        }
        throw;
    }
}

std::optional<int> surveyNumber(const QString &text)
{
    static const QRegularExpression decimal(QStringLiteral(R"(^\s*[+-]?\d{1,10}\s*$)"));
    if (!decimal.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

bool isSurveyTime(const QString &text)
{
    try {
        hestova::forms::toDate(text);
        return true;
    } catch (const hestova::AppError &) {
        // Rejected by the conversion: not a survey time.
        return false;
    }
}

}  // namespace SurveyTable
