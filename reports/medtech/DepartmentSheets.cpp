#include "medtech/DepartmentSheets.h"

#include <initializer_list>

namespace hestova::reports::medtech {

int SheetQuestion::options() const
{
    switch (scale) {
    case AnswerScale::Grade4Ne: return 5;
    case AnswerScale::Grade3: return 3;
    case AnswerScale::TwoChoice: return 2;
    }
    return 0;
}

bool SheetQuestion::twoSatisfiedCodes() const
{
    return scale != AnswerScale::TwoChoice;
}

int SheetQuestion::uncountedCode() const
{
    return scale == AnswerScale::Grade4Ne ? 5 : 0;
}

QString DepartmentSheet::templateFile() const
{
    return QStringLiteral("yjmyd%1.vts").arg(number);
}

int DepartmentSheet::overallRow() const
{
    const SheetQuestion &last = questions.back();
    return last.offset + last.options() + 1;
}

namespace {

using S = AnswerScale;

// The questions of a department with the abbreviation `prefix`, in sheet order, starting in row 3. Question n is
// counted through the saved query "yj" + prefix + n, except a question named in `directColumn`
// (the number of the question whose column the report counts itself), which is counted with a grouped query on
// the column prefix + n.
QList<SheetQuestion> questionsOf(const QString &prefix, std::initializer_list<AnswerScale> scales, int directColumn = 0)
{
    QList<SheetQuestion> questions;
    int offset = 2;
    int number = 1;
    for (AnswerScale scale : scales) {
        QString source;
        if (number == directColumn) {
            const QString column = prefix + QString::number(number);
            source = QStringLiteral("SELECT %1, count(*) From reporttempyj Where %1 > 0 GROUP BY %1").arg(column);
        } else {
            source = QStringLiteral("select * from yj") + prefix + QString::number(number);
        }
        SheetQuestion question{source, scale, offset};
        offset += question.options();
        questions.append(question);
        ++number;
    }
    return questions;
}

}  // namespace

const QList<DepartmentSheet> &departmentSheets()
{
    static const QList<DepartmentSheet> sheets = {
        {1, QStringLiteral("检验科满意度报表"), QStringLiteral("Ctrl+F1"),
         questionsOf(QStringLiteral("jy"), {S::Grade4Ne, S::TwoChoice, S::TwoChoice, S::Grade3, S::Grade4Ne}, 5)},
        {2, QStringLiteral("放射科满意度报表"), QStringLiteral("Ctrl+F2"),
         questionsOf(QStringLiteral("fs"),
                     {S::Grade4Ne, S::TwoChoice, S::TwoChoice, S::Grade3, S::Grade3, S::Grade4Ne}, 6)},
        {3, QStringLiteral("病理科满意度报表"), QStringLiteral("Ctrl+F3"),
         questionsOf(QStringLiteral("bl"), {S::Grade4Ne, S::TwoChoice, S::TwoChoice, S::Grade3, S::Grade4Ne}, 5)},
        {4, QStringLiteral("功能科满意度报表"), QStringLiteral("Ctrl+F4"),
         questionsOf(QStringLiteral("gn"), {S::Grade4Ne, S::TwoChoice, S::TwoChoice, S::Grade3, S::Grade4Ne}, 5)},
        {5, QStringLiteral("CT、磁共振室满意度报表"), QStringLiteral("Ctrl+F5"),
         questionsOf(QStringLiteral("ct"), {S::Grade4Ne, S::TwoChoice, S::TwoChoice, S::Grade4Ne}, 4)},
        {6, QStringLiteral("同位素室满意度报表"), QStringLiteral("Ctrl+F6"),
         questionsOf(QStringLiteral("tw"), {S::Grade4Ne, S::TwoChoice, S::TwoChoice, S::Grade4Ne}, 4)},
        {7, QStringLiteral("中普制剂室满意度报表"), QStringLiteral("Ctrl+F7"),
         questionsOf(QStringLiteral("zp"), {S::Grade4Ne, S::TwoChoice, S::Grade3})},
        {8, QStringLiteral("中药房满意度报表"), QStringLiteral("Ctrl+F8"),
         questionsOf(QStringLiteral("zy"), {S::Grade4Ne, S::Grade3, S::Grade3, S::TwoChoice})},
        {9, QStringLiteral("西药房满意度报表"), QStringLiteral("Ctrl+F9"),
         questionsOf(QStringLiteral("xy"), {S::Grade4Ne, S::Grade3, S::Grade3, S::TwoChoice})},
        {10, QStringLiteral("西药库房满意度报表"), QStringLiteral("Ctrl+F11"),
         questionsOf(QStringLiteral("xk"), {S::Grade4Ne, S::TwoChoice, S::Grade3})},
        {11, QStringLiteral("手术室满意度报表"), QStringLiteral("Ctrl+F12"),
         questionsOf(QStringLiteral("ss"), {S::Grade4Ne, S::TwoChoice, S::Grade4Ne, S::Grade4Ne})},
        {12, QStringLiteral("供应室满意度报表"), QStringLiteral("Ctrl+G"),
         questionsOf(QStringLiteral("gy"), {S::Grade4Ne, S::TwoChoice, S::Grade3})},
        {13, QStringLiteral("配送中心满意度报表"), QStringLiteral("Ctrl+P"),
         questionsOf(QStringLiteral("ps"), {S::Grade4Ne, S::Grade4Ne, S::Grade3})},
        {14, QStringLiteral("输血科满意度报表"), QStringLiteral("Ctrl+S"),
         questionsOf(QStringLiteral("sx"), {S::Grade4Ne, S::TwoChoice, S::Grade3})},
        {15, QStringLiteral("营养室满意度报表"), QStringLiteral("Ctrl+Y"),
         questionsOf(QStringLiteral("yy"), {S::Grade4Ne, S::TwoChoice})},
        {16, QStringLiteral("药剂科满意度报表"), QStringLiteral("Ctrl+J"),
         questionsOf(QStringLiteral("yj"), {S::Grade4Ne, S::Grade4Ne, S::Grade4Ne})},
        {17, QStringLiteral("药品分析室满意度报表"), QStringLiteral("Ctrl+F"),
         questionsOf(QStringLiteral("yp"), {S::Grade4Ne, S::TwoChoice})},
    };
    return sheets;
}

}  // namespace hestova::reports::medtech
