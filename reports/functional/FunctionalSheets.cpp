#include "functional/FunctionalSheets.h"

#include "core/AppError.h"

namespace hestova::reports {

int satisfiedCodeCount(AnswerSet set)
{
    switch (set) {
    case AnswerSet::Grade4NeScale:
    case AnswerSet::Grade4Scale:
    case AnswerSet::Grade3Scale:
        return 2;
    case AnswerSet::YesNoNeScale:
    case AnswerSet::TwoChoiceScale:
        return 1;
    }
    return 1;
}

int uncountedCode(AnswerSet set)
{
    switch (set) {
    case AnswerSet::Grade4NeScale:
        return 5;
    case AnswerSet::YesNoNeScale:
        return 3;
    case AnswerSet::Grade4Scale:
    case AnswerSet::Grade3Scale:
    case AnswerSet::TwoChoiceScale:
        return 0;
    }
    return 0;
}

namespace {

// Rows a question's block takes on its sheet: one per answer code; the three-answer scale keeps a fourth row.
int blockRows(AnswerSet set)
{
    switch (set) {
    case AnswerSet::Grade4NeScale:
        return 5;
    case AnswerSet::Grade4Scale:
    case AnswerSet::Grade3Scale:
        return 4;
    case AnswerSet::YesNoNeScale:
        return 3;
    case AnswerSet::TwoChoiceScale:
        return 2;
    }
    return 0;
}

QuestionBlock block(const char *column, int firstRow, AnswerSet answers)
{
    return {QString::fromLatin1(column), firstRow, firstRow + blockRows(answers) - 1, answers};
}

QuestionBlock ne5(const char *column, int firstRow) { return block(column, firstRow, AnswerSet::Grade4NeScale); }
QuestionBlock g4(const char *column, int firstRow) { return block(column, firstRow, AnswerSet::Grade4Scale); }
QuestionBlock g3(const char *column, int firstRow) { return block(column, firstRow, AnswerSet::Grade3Scale); }
QuestionBlock ne3(const char *column, int firstRow) { return block(column, firstRow, AnswerSet::YesNoNeScale); }
QuestionBlock two(const char *column, int firstRow) { return block(column, firstRow, AnswerSet::TwoChoiceScale); }

QList<FunctionalSheet> makeSheets()
{
    return {
        {1, QStringLiteral("院办公室"), {ne5("yb1", 3), ne5("yb2", 8), two("yb3", 13), two("yb4", 15)}, 17},
        {2, QStringLiteral("党委办公室"), {ne5("dw1", 3), ne5("dw2", 8), two("dw3", 13), g3("dw4", 15), two("dw5", 19)}, 21},
        {3, QStringLiteral("纪检、监察处"), {ne5("jj1", 3), ne5("jj2", 8), two("jj3", 13), two("jj4", 15)}, 17},
        {4, QStringLiteral("人事处"),
         {ne5("rs1", 3), ne5("rs2", 8), ne3("rs3", 13), ne5("rs4", 16), two("rs5", 21), g4("rs6", 23)}, 27},
        {5, QStringLiteral("护理部"), {ne5("hl1", 3), ne5("hl2", 8), ne5("hl3", 13), ne3("hl4", 18), two("hl5", 21)}, 23},
        {6, QStringLiteral("医教处"),
         {ne5("yj1", 3), ne5("yj2", 8), ne5("yj3", 13), ne3("yj4", 18), ne5("yj5", 21), two("yj6", 26)}, 28},
        {7, QStringLiteral("设备处"), {ne5("sb1", 3), ne5("sb2", 8), ne5("sb3", 13), two("sb4", 18)}, 20},
        {8, QStringLiteral("财务处"), {ne5("cw1", 3), ne5("cw2", 8), ne5("cw3", 13), two("cw4", 18), ne5("cw5", 20)}, 25},
        {9, QStringLiteral("保卫处"), {ne5("bw1", 3), ne5("bw2", 8), ne5("bw3", 13), two("bw4", 18), two("bw5", 20)}, 22},
        {10, QStringLiteral("门诊部办公室"), {ne5("mz1", 3), ne5("mz2", 8), two("mz3", 13), two("mz4", 15), two("mz5", 17)}, 19},
        {11, QStringLiteral("感染科"), {ne5("gr1", 3), ne5("gr2", 8), ne5("gr3", 13), ne3("gr4", 18)}, 21},
        {12, QStringLiteral("对外医疗服务处"), {ne5("yf1", 3), ne5("yf2", 8)}, 13},
        {13, QStringLiteral("网络管理室"), {ne5("wg1", 3), ne5("wg2", 8)}, 13},
        {14, QStringLiteral("信息科"), {ne5("xx1", 3), ne5("xx2", 8), ne3("xx3", 13), ne3("xx4", 16), ne3("xx5", 19)}, 22},
        {15, QStringLiteral("保健科"), {ne5("bj1", 3), ne5("bj2", 8), ne5("bj3", 13)}, 18},
        {16, QStringLiteral("车队"), {two("cd1", 3), two("cd2", 5), two("cd3", 7)}, 9},
        {17, QStringLiteral("总务处"), {ne5("zw1", 3), ne3("zw2", 8), two("zw3", 11)}, 13},
        {18, QStringLiteral("锅炉房"), {two("gl1", 3), two("gl2", 5)}, 7},
        {19, QStringLiteral("水管维修组"), {two("sg1", 3), two("sg2", 5), two("sg3", 7), ne5("sg4", 9)}, 14},
        {20, QStringLiteral("电工房"), {two("dg1", 3), two("dg2", 5), two("dg3", 7), ne5("dg4", 9)}, 14},
        {21, QStringLiteral("木工房"), {two("mg1", 3), two("mg2", 5), ne5("mg3", 7)}, 12},
        {22, QStringLiteral("电梯房"), {two("dt1", 3), two("dt2", 5), two("dt3", 7)}, 9},
        {23, QStringLiteral("厨房"), {two("cf1", 3), ne5("cf2", 5), ne5("cf3", 10)}, 15},
        {24, QStringLiteral("洗浆房"), {ne5("xj1", 3), ne5("xj2", 8), ne5("xj3", 13)}, 18},
    };
}

}  // namespace

QString FunctionalSheet::templateFile() const
{
    return QStringLiteral("znmyd%1.vts").arg(templateNumber);
}

QString FunctionalSheet::menuCaption() const
{
    return unit + QStringLiteral("满意度报表");
}

const QList<FunctionalSheet> &functionalSheets()
{
    static const QList<FunctionalSheet> sheets = makeSheets();
    return sheets;
}

const FunctionalSheet &functionalSheet(int templateNumber)
{
    const QList<FunctionalSheet> &sheets = functionalSheets();
    if (templateNumber < 1 || templateNumber > sheets.size())
        throw AppError(ErrorNumber::InvalidArgument,
                       QStringLiteral("没有第 %1 张行政职能科室报表").arg(templateNumber));
    return sheets[templateNumber - 1];
}

}  // namespace hestova::reports
