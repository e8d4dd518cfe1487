#include "pickers/ChoiceNew.h"

#include "Mmain.h"
#include "pickers/SurveyList.h"
#include "pickers/SurveyTable.h"
#include "windows/SurveyWindows.h"
#include "db/Connection.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Handler.h"
#include "forms/MessageBox.h"

#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>

using namespace hestova::forms;

ChoiceNew::ChoiceNew()
    : SurveyPicker(QStringLiteral("ChoiceNew")),
      m_frame1(qobject_cast<QGroupBox *>(controlWidget(QStringLiteral("Frame1")))),
      m_text1(qobject_cast<QLineEdit *>(controlWidget(QStringLiteral("Text1")))),
      m_text2(qobject_cast<QLineEdit *>(controlWidget(QStringLiteral("Text2")))),
      m_text3(qobject_cast<QLineEdit *>(controlWidget(QStringLiteral("Text3"))))
{
    for (QLineEdit *text : {m_text1, m_text2, m_text3})
        text->installEventFilter(this);
    onClick(QStringLiteral("command1"), [this] { command1_Click(); });
    onClick(QStringLiteral("qeTobrel1"), [this] { qeTobrel1_Click(); });
    onClick(QStringLiteral("command2"), [this] { command2_Click(); });
}

void ChoiceNew::Form_Load()
{
    loadPicker({QStringLiteral("Frame1"), QStringLiteral("command1"), QStringLiteral("command2"),
                QStringLiteral("MSHFlexGrid1")});
}

bool ChoiceNew::eventFilter(QObject *watched, QEvent *event)
{
    // Text1_GotFocus, Text2_GotFocus, Text3_GotFocus: the border again.
    if (event->type() == QEvent::FocusIn && (watched == m_text1 || watched == m_text2 || watched == m_text3))
        RunHandler([this] { drawBorder(); });
    return SurveyPicker::eventFilter(watched, event);
}

void ChoiceNew::command1_Click()
{
    setHeight(AddAreaHeight);
    m_frame1->setVisible(true);
}

bool ChoiceNew::checkEntry()
{
    if (m_text1->text().isEmpty() || m_text2->text().isEmpty() || m_text3->text().isEmpty()) {
        MsgBox(QStringLiteral("请将三个必要的条件填写完整"), vbInformation, QStringLiteral("数据不完整"));
        return false;
    }
    if (!SurveyTable::surveyNumber(m_text1->text())) {
        MsgBox(QStringLiteral("序号必须是一个整数（-2147483648 到 2147483647），请重新填写"), vbInformation,
               QStringLiteral("提示"));
        return false;
    }
    if (!SurveyTable::isSurveyTime(m_text2->text())) {
        MsgBox(QStringLiteral("时间必须是一个日期，例如 2026-12-9 或 2026年12月9日，请重新填写"), vbInformation,
               QStringLiteral("提示"));
        return false;
    }
    return true;
}

void ChoiceNew::qeTobrel1_Click()
{
    if (!checkEntry())
        return;
    const int number = *SurveyTable::surveyNumber(m_text1->text());
    hestova::db::Connection connection;
    connection.Open(hestova::db::SurveyConnectionString);
    if (SurveyTable::exists(connection, number)) {
        connection.Close();
        MsgBox(QStringLiteral("序号为 %1 的调查已经存在，请换一个序号").arg(number), vbInformation,
               QStringLiteral("提示"));
        return;
    }
    // Another program may add the number meanwhile: the table's key refuses it then ("错误" box).
    SurveyTable::add(connection, number, m_text2->text().trimmed(), m_text3->text());
    fillGrid(connection, SurveyList::AddDescriptionWidth);
    connection.Close();
    m_text1->clear();
    m_text2->clear();
    m_text3->clear();
}

void ChoiceNew::command2_Click()
{
    const std::optional<SurveyList::ChosenSurvey> survey = SurveyList::chosen(
        MSHFlexGrid1(), QStringLiteral("你没有选中要进行的调查，请先创建一个调查选项再进行下一步"));
    if (!survey)
        return;
    const int kind = Mmain::SurveyKind;
    SurveyWindows::checkKind(kind);
    Mmain::SurveyNo = survey->number;
    Mmain::SurveyDate = survey->date;
    SurveyWindows::showQuestionnaire(kind);
    Unload();
}
