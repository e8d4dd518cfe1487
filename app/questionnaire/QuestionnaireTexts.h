#pragma once

#include <QString>

namespace hestova::questionnaire {

// The fixed texts every questionnaire window shows.
namespace QuestionnaireTexts {

inline QString previousCaption() { return QStringLiteral("上一步"); }
inline QString nextCaption() { return QStringLiteral("下一步"); }
inline QString finishCaption() { return QStringLiteral("完成"); }
inline QString buttonTip() { return QStringLiteral("开始调查"); }

// Finishing with an unanswered question (information icon, OK).
inline QString incompleteMessage() { return QStringLiteral("还有调查选项没有填写,请翻页查找没有填写结果的选项"); }
inline QString incompleteTitle() { return QStringLiteral("未保存"); }

// After a stored questionnaire (Yes/No, no icon).
inline QString continueQuestion() { return QStringLiteral("已经完成了一份调查报告，是否继续？"); }
inline QString continueTitle() { return QStringLiteral("系统提示"); }

}  // namespace QuestionnaireTexts

}  // namespace hestova::questionnaire
