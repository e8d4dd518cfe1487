#include "questionnaire/QuestionnaireCatalogue.h"

#include "core/AppError.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

// The resource lives in a static library: register it before the first read.
static void initQuestionnaireResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(questionnaires);
        return true;
    }();
    Q_UNUSED(done);
}

namespace hestova::questionnaire {

namespace {

[[noreturn]] void refuse(const QString &origin, const QString &problem)
{
    throw AppError(ErrorNumber::BadFileFormat, QStringLiteral("问卷文件 %1 有误：%2").arg(origin, problem));
}

QString resourceFor(int surveyKind)
{
    switch (surveyKind) {
    case 1: return QStringLiteral(":/questionnaires/patient.json");
    case 2: return QStringLiteral(":/questionnaires/medtech.json");
    case 3: return QStringLiteral(":/questionnaires/functional.json");
    default: return {};
    }
}

int wholeNumber(const QJsonValue &value)
{
    return value.isDouble() && value.toDouble() == double(value.toInt()) ? value.toInt() : -1;
}

Question readQuestion(const QJsonObject &object, const QString &origin)
{
    Question question;
    question.answer = wholeNumber(object.value(QLatin1String("answer")));
    question.column = object.value(QLatin1String("column")).toString();
    question.text = object.value(QLatin1String("text")).toString();
    question.answerSet = object.value(QLatin1String("answerSet")).toString();
    question.wording = object.value(QLatin1String("wording")).toString();
    question.departments = object.value(QLatin1String("departments")).toBool(false);
    if (question.answer < 1)
        refuse(origin, QStringLiteral("题目缺少答案序号"));
    if (!object.value(QLatin1String("text")).isString() || question.text.isEmpty())
        refuse(origin, QStringLiteral("第 %1 题没有题目文字").arg(question.answer));
    if (!question.departments) {
        question.buttons = wholeNumber(object.value(QLatin1String("buttons")));
        if (question.buttons < 1)
            refuse(origin, QStringLiteral("第 %1 题没有按钮数").arg(question.answer));
    }
    return question;
}

}  // namespace

QuestionnaireCatalogue QuestionnaireCatalogue::load(int surveyKind)
{
    const QString resource = resourceFor(surveyKind);
    if (resource.isEmpty())
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("没有第 %1 类调查的问卷").arg(surveyKind));
    initQuestionnaireResources();
    QFile file(resource);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(ErrorNumber::FileMissing, QStringLiteral("找不到问卷文件 %1").arg(resource));
    return fromJson(file.readAll(), resource);
}

QuestionnaireCatalogue QuestionnaireCatalogue::fromJson(const QByteArray &json, const QString &origin)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(json, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject())
        refuse(origin, parseError.errorString());
    const QJsonObject root = document.object();

    QuestionnaireCatalogue catalogue;
    catalogue.m_kind = wholeNumber(root.value(QLatin1String("kind")));
    catalogue.m_answerTable = root.value(QLatin1String("answerTable")).toString();
    catalogue.m_heading = root.value(QLatin1String("heading")).toString();
    catalogue.m_titleBar = root.value(QLatin1String("titleBar")).toString();
    if (catalogue.m_kind < 1 || catalogue.m_answerTable.isEmpty())
        refuse(origin, QStringLiteral("缺少调查类别或答案表"));

    const QJsonArray capacity = root.value(QLatin1String("rowCapacity")).toArray();
    for (const QJsonValue &value : capacity)
        catalogue.m_rowCapacity.append(wholeNumber(value));
    if (catalogue.m_rowCapacity.size() != RowsPerPage || catalogue.m_rowCapacity.contains(-1))
        refuse(origin, QStringLiteral("每页应有 %1 行按钮").arg(RowsPerPage));

    const QJsonArray questions = root.value(QLatin1String("questions")).toArray();
    catalogue.m_questions.resize(questions.size());
    for (const QJsonValue &value : questions) {
        const Question question = readQuestion(value.toObject(), origin);
        if (question.answer > questions.size() || catalogue.m_questions[question.answer - 1].answer != 0)
            refuse(origin, QStringLiteral("答案序号 %1 重复或超出题数").arg(question.answer));
        catalogue.m_questions[question.answer - 1] = question;
    }
    if (catalogue.m_questions.isEmpty())
        refuse(origin, QStringLiteral("没有题目"));

    QSet<int> placed;
    const QJsonArray pages = root.value(QLatin1String("pages")).toArray();
    for (const QJsonValue &value : pages) {
        Page page;
        const int pageNumber = int(catalogue.m_pages.size()) + 1;
        for (const QJsonValue &row : value.toObject().value(QLatin1String("rows")).toArray()) {
            const int answer = wholeNumber(row);
            if (answer < 1 || answer > catalogue.questionCount() || placed.contains(answer))
                refuse(origin, QStringLiteral("第 %1 页的答案序号 %2 无效或重复").arg(pageNumber).arg(answer));
            placed.insert(answer);
            page.rows.append(answer);
        }
        if (page.rows.isEmpty() || page.rows.size() > RowsPerPage)
            refuse(origin, QStringLiteral("第 %1 页应有 1 到 %2 行").arg(pageNumber).arg(RowsPerPage));
        for (int k = 0; k < page.rows.size(); ++k) {
            if (catalogue.m_questions[page.rows[k] - 1].buttons > catalogue.m_rowCapacity[k])
                refuse(origin, QStringLiteral("第 %1 页第 %2 行的按钮多于窗口所有").arg(pageNumber).arg(k + 1));
        }
        catalogue.m_pages.append(page);
    }
    if (placed.size() != catalogue.questionCount())
        refuse(origin, QStringLiteral("有题目不在任何一页上"));
    return catalogue;
}

const Question &QuestionnaireCatalogue::question(int answer) const
{
    if (answer < 1 || answer > questionCount())
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("没有第 %1 题").arg(answer));
    return m_questions[answer - 1];
}

const Page &QuestionnaireCatalogue::page(int number) const
{
    if (number < 1 || number > pageCount())
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("没有第 %1 页").arg(number));
    return m_pages[number - 1];
}

}  // namespace hestova::questionnaire
