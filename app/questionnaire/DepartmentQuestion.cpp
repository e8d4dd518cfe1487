#include "questionnaire/DepartmentQuestion.h"

#include "forms/Formatting.h"

#include <QtGlobal>
#include <cmath>

namespace hestova::questionnaire {

namespace {

// A field as text: numbers in plain decimal, an empty (null) field as nothing.
QString fieldText(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return {};
    switch (value.typeId()) {
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (std::isfinite(number) && number == std::trunc(number) && std::abs(number) < 1e15)
            return forms::plainDecimal(qint64(number));
        return QString::number(number, 'g', 15);
    }
    default:
        return value.toString();
    }
}

}  // namespace

DepartmentQuestion DepartmentQuestion::build(const QString &stem, const QList<DepartmentRow> &rows)
{
    DepartmentQuestion question;
    question.m_rowsRead = int(rows.size());
    question.m_deptCount = qMin(question.m_rowsRead, MaxButtons);
    question.m_text = stem;
    for (int i = 0; i < question.m_deptCount; ++i) {
        if (i % DepartmentsPerLine == 0)
            question.m_text += QLatin1Char('_');
        question.m_text += QLatin1Char(' ') + fieldText(rows[i].number) + QStringLiteral("、")
                           + fieldText(rows[i].name);
    }
    return question;
}

QString DepartmentQuestion::truncatedMessage() const
{
    return QStringLiteral("科室表中有 %1 个科室，第一题只有 %2 个答案按钮，只列出前 %2 个科室。")
        .arg(m_rowsRead)
        .arg(MaxButtons);
}

QString DepartmentQuestion::emptyMessage()
{
    return QStringLiteral("科室表中没有科室，第一题没有可选的答案，问卷无法完成。");
}

}  // namespace hestova::questionnaire
