#include "forms/Handler.h"
#include "forms/MessageBox.h"
#include "forms/PlatformTexts.h"

#include <QPushButton>
#include <QMessageBox>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace hestova::forms;

namespace {

TEST(ScriptedMessageBoxes, QueuedAnswersReachTheCallerInOrderAndEachBoxIsRecorded)
{
    ScriptedMessageBoxes boxes;
    boxes.answerNext(vbNo);
    boxes.answerNext(vbYes);
    EXPECT_EQ(MsgBox(QStringLiteral("你是否真的退出本系统?"), vbYesNo, QStringLiteral("请确定")), vbNo);
    EXPECT_FALSE(boxes.allAnswersUsed());
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("你是否真的退出本系统?"));
    EXPECT_EQ(boxes.last().buttonSet(), vbYesNo);
    EXPECT_EQ(boxes.last().icon(), 0);
    EXPECT_EQ(boxes.last().title, QStringLiteral("请确定"));
    EXPECT_EQ(MsgBox(QStringLiteral("q"), vbYesNo + vbQuestion, QStringLiteral("t")), vbYes);
    EXPECT_TRUE(boxes.allAnswersUsed());
}

TEST(ScriptedMessageBoxes, WithoutAQueuedAnswerTheDefaultButtonAnswers)
{
    ScriptedMessageBoxes boxes;
    EXPECT_EQ(MsgBox(QStringLiteral("请将三个必要的条件填写完整"), vbInformation, QStringLiteral("数据不完整")), vbOK);
    EXPECT_FALSE(boxes.last().scripted);
    EXPECT_EQ(boxes.last().icon(), vbInformation);
    EXPECT_EQ(MsgBox(QStringLiteral("q"), vbYesNo, QStringLiteral("t")), vbYes);
    EXPECT_EQ(MsgBox(QStringLiteral("q"), vbYesNo + vbDefaultButton2, QStringLiteral("t")), vbNo);
    EXPECT_EQ(MsgBox(QStringLiteral("q"), vbYesNoCancel + vbDefaultButton3, QStringLiteral("t")), vbCancel);
    EXPECT_EQ(boxes.boxes().size(), 4);
}

TEST(ErrorReport, HandlerErrorsShowNumberColonAndDescriptionAsCriticalAndAbandonTheHandler)
{
    ScriptedMessageBoxes boxes;
    bool after = false;
    EXPECT_FALSE(RunHandler([&] {
        throw hestova::AppError(13, QStringLiteral("类型不匹配"));
        after = true;
    }));
    EXPECT_FALSE(after);
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.last().text, QStringLiteral("13：  类型不匹配"));
    EXPECT_EQ(boxes.last().buttons, vbCritical);
    EXPECT_EQ(boxes.last().title, QStringLiteral("错误"));

    EXPECT_FALSE(RunHandler([] { throw std::runtime_error("boom"); }));
    EXPECT_EQ(boxes.last().text, QStringLiteral("51：  boom"));
    EXPECT_TRUE(RunHandler([] {}));
    EXPECT_EQ(boxes.boxes().size(), 2);
}

TEST(WidgetMessageBoxes, ButtonsSpeakChineseWhateverTheSystemLocale)
{
    installPlatformTranslations();
    QMessageBox box;
    WidgetMessageBoxes::compose(box, QStringLiteral("你是否真的退出本系统?"), vbYesNo, QStringLiteral("请确定"));
    // The catalogue's texts, with their access keys.
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), QStringLiteral("是(&Y)"));
    EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("否(&N)"));
}

}  // namespace
