#include "questionwin/Question.h"

#include "core/AppError.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/MessageBox.h"
#include "questionnaire/DepartmentQuestion.h"

using hestova::questionnaire::DepartmentQuestion;
using hestova::questionnaire::DepartmentRow;
namespace forms = hestova::forms;

namespace {

constexpr int DepartmentQuestionNumber = 1;

QString noticeTitle()
{
    return QStringLiteral("提示");
}

// The departments in the order of their numbers (first column), so the stored code is the number the report
// reads; the name is the third column.
QList<DepartmentRow> readDepartments()
{
    hestova::db::Connection connection;
    connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
    hestova::db::Recordset departments;
    departments.Open(DepartmentQuestion::selectStatement(), connection);
    QList<DepartmentRow> rows;
    for (; !departments.Eof(); departments.MoveNext())
        rows.append({departments.Fields(0).Value(), departments.Fields(2).Value()});
    departments.Close();
    connection.Close();
    return rows;
}

}  // namespace

Question::Question() : QuestionnaireWindow(QStringLiteral("Question"), 1)
{
}

void Question::loadQuestionnaireData()
{
    const QString stem = model().catalogue().question(DepartmentQuestionNumber).text;
    QList<DepartmentRow> rows;
    try {
        rows = readDepartments();
    } catch (const hestova::AppError &error) {
        // The window still opens; question 1 then has no departments and the questionnaire cannot be finished.
        forms::ReportError(error);
        editableModel().setDepartmentQuestion(DepartmentQuestion::build(stem, {}));
        return;
    }
    const DepartmentQuestion question = DepartmentQuestion::build(stem, rows);
    editableModel().setDepartmentQuestion(question);
    if (question.empty())
        forms::MsgBox(DepartmentQuestion::emptyMessage(), forms::vbInformation, noticeTitle());
    else if (question.truncated())
        forms::MsgBox(question.truncatedMessage(), forms::vbInformation, noticeTitle());
}
