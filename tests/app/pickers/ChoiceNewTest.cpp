#include "PickerFixture.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QScrollBar>

using hestova::forms::Forms;
using namespace hestova::forms;

namespace {

class ChoiceNewTest : public PickerTest {
protected:
    ChoiceNew &open() { return Forms::get<ChoiceNew>(); }

    static void type(ChoiceNew &picker, const QString &number, const QString &time, const QString &description)
    {
        picker.Text1().setText(number);
        picker.Text2().setText(time);
        picker.Text3().setText(description);
    }
};

TEST_F(ChoiceNewTest, EmptySurveyTableKeepsTheDesignedGridAndStartGivesTheHint)
{
    ChoiceNew &picker = open();
    picker.Show();
    const hestova::MSHFlexGrid &grid = picker.MSHFlexGrid1();
    EXPECT_EQ(grid.Rows(), 2);
    EXPECT_EQ(grid.Cols(), 2);
    EXPECT_TRUE(grid.TextMatrix(0, 0).isEmpty());
    EXPECT_TRUE(boxes->boxes().isEmpty()) << boxTexts().toStdString();

    click(picker, QStringLiteral("command2"));
    const auto &box = onlyBox();
    EXPECT_EQ(box.title, QStringLiteral("提示"));
    EXPECT_EQ(box.icon(), vbInformation);
    EXPECT_EQ(box.text, QStringLiteral("你没有选中要进行的调查，请先创建一个调查选项再进行下一步"));
    EXPECT_TRUE(Forms::isLoaded<ChoiceNew>());
    EXPECT_FALSE(Forms::isLoaded<Question>());
}

TEST_F(ChoiceNewTest, LoadListsTheSurveysAndDisablesTheMainWindowUntilUnload)
{
    addSurvey(5, QStringLiteral("2026-5-1"), QStringLiteral("五月"));
    addSurvey(3, QStringLiteral("2026-3-1"), QStringLiteral("三月"));
    const QStringList order = column(QStringLiteral("select * from mydjb"));

    ChoiceNew &picker = open();
    picker.Show();
    EXPECT_FALSE(mainform().isEnabled());
    const hestova::MSHFlexGrid &grid = picker.MSHFlexGrid1();
    ASSERT_EQ(grid.Rows(), 3);
    ASSERT_EQ(grid.Cols(), 3);
    EXPECT_EQ(grid.TextMatrix(0, 0), QStringLiteral("调查序号"));
    EXPECT_EQ(grid.TextMatrix(0, 1), QStringLiteral("调查时间"));
    EXPECT_EQ(grid.TextMatrix(0, 2), QStringLiteral("调查说明"));
    EXPECT_EQ(grid.TextMatrix(1, 0), order.at(0)) << "rows follow the query's order";
    EXPECT_EQ(grid.TextMatrix(2, 0), order.at(1));
    EXPECT_EQ(grid.ColWidth(2), 1950);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_FALSE(picker.Frame1().isVisible()) << "a new picker starts with the add area hidden";

    // A whole typed time shows whole; a longer text is cut, so that all three columns show without side scrolling.
    picker.MSHFlexGrid1().setTextMatrix(1, 1, QStringLiteral("2026-12-31 08:30"));
    picker.MSHFlexGrid1().setTextMatrix(2, 1, QStringLiteral("2026-12-31 08:30:00 第二次"));
    EXPECT_GT(grid.cellRect(1, 1).width(), grid.fontMetrics().horizontalAdvance(grid.TextMatrix(1, 1)));
    QCoreApplication::sendPostedEvents();  // the bars show and hide themselves on a posted call
    EXPECT_EQ(grid.horizontalScrollBar()->maximum(), 0);

    picker.Unload();
    EXPECT_TRUE(mainform().isEnabled());
}

TEST_F(ChoiceNewTest, ListedControlsSitBelowTheTitleBar)
{
    ChoiceNew &picker = open();
    expectTop(picker, QStringLiteral("MSHFlexGrid1"), 120 + 280);
    expectTop(picker, QStringLiteral("command1"), 2000 + 280);
    expectTop(picker, QStringLiteral("command2"), 1995 + 280);
    expectTop(picker, QStringLiteral("Frame1"), 2640 + 280);
    expectTop(picker, QStringLiteral("Text1"), 240);
    expectTop(picker, QStringLiteral("qeTobrel1"), 1440);
    EXPECT_EQ(picker.controlWidget(QStringLiteral("qeTobrel1"))->parentWidget(), &picker.Frame1());
}

TEST_F(ChoiceNewTest, AddStoresTheSurveyAsTypedRefreshesTheListAndEmptiesTheBoxes)
{
    addSurvey(1, QStringLiteral("2026-1-1"), QStringLiteral("一月"));
    ChoiceNew &picker = open();
    picker.Show();
    click(picker, QStringLiteral("command1"));
    EXPECT_TRUE(picker.Frame1().isVisible());
    EXPECT_EQ(picker.Height(), ChoiceNew::AddAreaHeight);

    const QString description = QStringLiteral("住院部 O'Neil \"满意度\" 调查'); drop table mydjb; --");
    type(picker, QStringLiteral("12"), QStringLiteral(" 2026年12月9日  "), description);
    click(picker, QStringLiteral("qeTobrel1"));
    EXPECT_TRUE(boxes->boxes().isEmpty()) << boxTexts().toStdString();

    EXPECT_EQ(column(QStringLiteral("select * from mydjb where dcxh = 12"), 1), QStringList{QStringLiteral("2026年12月9日")});
    EXPECT_EQ(column(QStringLiteral("select * from mydjb where dcxh = 12"), 2), QStringList{description});
    const hestova::MSHFlexGrid &grid = picker.MSHFlexGrid1();
    ASSERT_EQ(grid.Rows(), 3);
    const int newRow = grid.TextMatrix(1, 0) == QStringLiteral("12") ? 1 : 2;
    EXPECT_EQ(grid.TextMatrix(newRow, 0), QStringLiteral("12"));
    EXPECT_EQ(grid.TextMatrix(newRow, 2), description);
    EXPECT_EQ(grid.ColWidth(2), 2000);
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_TRUE(picker.Text1().text().isEmpty());
    EXPECT_TRUE(picker.Text2().text().isEmpty());
    EXPECT_TRUE(picker.Text3().text().isEmpty());
    EXPECT_TRUE(picker.Frame1().isVisible()) << "the add area stays open";
    EXPECT_EQ(picker.Height(), ChoiceNew::AddAreaHeight);
}

TEST_F(ChoiceNewTest, AddRefusesIncompleteOrInvalidEntriesWithAnInformationBox)
{
    struct Entry {
        const char *number;
        const char *time;
        const char *description;
        const char *title;
    };
    const Entry entries[] = {
        {"", "2026-1-1", "x", "数据不完整"},
        {"4", "", "x", "数据不完整"},
        {"4", "2026-1-1", "", "数据不完整"},
        {"abc", "2026-1-1", "x", "提示"},
        {"12.5", "2026-1-1", "x", "提示"},
        {"2147483648", "2026-1-1", "x", "提示"},
        {"4", "下个月", "x", "提示"},
        {"4", "2026-2-30", "x", "提示"},
        {"4", "2026-1-1','x'); delete from mydjb; --", "x", "提示"},
    };
    ChoiceNew &picker = open();
    click(picker, QStringLiteral("command1"));
    for (const Entry &entry : entries) {
        boxes->clear();
        type(picker, QString::fromUtf8(entry.number), QString::fromUtf8(entry.time), QString::fromUtf8(entry.description));
        click(picker, QStringLiteral("qeTobrel1"));
        const auto &box = onlyBox();
        EXPECT_EQ(box.title, QString::fromUtf8(entry.title)) << entry.number << " / " << entry.time;
        EXPECT_EQ(box.icon(), vbInformation);
        EXPECT_EQ(picker.Text1().text(), QString::fromUtf8(entry.number)) << "the entry stays for correcting";
        if (box.title == QStringLiteral("数据不完整"))
            EXPECT_EQ(box.text, QStringLiteral("请将三个必要的条件填写完整"));
    }
    EXPECT_TRUE(column(QStringLiteral("select * from mydjb")).isEmpty());
}

TEST_F(ChoiceNewTest, DuplicateNumberAsksForAnotherAndKeepsTheEntry)
{
    addSurvey(7, QStringLiteral("2026-7-1"), QStringLiteral("七月"));
    ChoiceNew &picker = open();
    click(picker, QStringLiteral("command1"));
    type(picker, QStringLiteral(" 7"), QStringLiteral("2026-8-1"), QStringLiteral("八月"));
    click(picker, QStringLiteral("qeTobrel1"));

    const auto &box = onlyBox();
    EXPECT_EQ(box.title, QStringLiteral("提示"));
    EXPECT_EQ(box.icon(), vbInformation);
    EXPECT_EQ(box.text, QStringLiteral("序号为 7 的调查已经存在，请换一个序号"));
    EXPECT_EQ(picker.Text3().text(), QStringLiteral("八月"));
    EXPECT_EQ(column(QStringLiteral("select * from mydjb"), 2), QStringList{QStringLiteral("七月")});
    EXPECT_EQ(picker.MSHFlexGrid1().Rows(), 2);
    EXPECT_EQ(picker.MSHFlexGrid1().ColWidth(2), 1950) << "the grid keeps what it showed";
}

TEST_F(ChoiceNewTest, DatabaseFailuresShowTheErrorBoxAndKeepTheWindow)
{
    addSurvey(1, QStringLiteral("2026-1-1"), QStringLiteral("一月"));
    ChoiceNew &picker = open();
    click(picker, QStringLiteral("command1"));
    ASSERT_TRUE(QFile::remove(folder->file(QStringLiteral("myd.mdb"))));

    type(picker, QStringLiteral("2"), QStringLiteral("2026-2-1"), QStringLiteral("二月"));
    click(picker, QStringLiteral("qeTobrel1"));
    EXPECT_EQ(onlyBox().title, QStringLiteral("错误"));
    EXPECT_EQ(picker.Text1().text(), QStringLiteral("2"));
    EXPECT_TRUE(Forms::isLoaded<ChoiceNew>());

    // A new picker without its database: the box, then an empty list in a window that still opens.
    picker.Unload();
    boxes->clear();
    ChoiceNew &second = open();
    EXPECT_EQ(onlyBox().title, QStringLiteral("错误"));
    EXPECT_EQ(second.MSHFlexGrid1().Rows(), 2);
    EXPECT_FALSE(mainform().isEnabled());
}

TEST_F(ChoiceNewTest, SurveyWithoutAValueIsReportedAtLoad)
{
    execute(QStringLiteral("drop table mydjb"));
    execute(QStringLiteral("create table mydjb (dcxh integer, dcsj varchar(50), dcsm varchar(255))"));
    execute(QStringLiteral("insert into mydjb values (1, '2026-1-1', null)"));
    ChoiceNew &picker = open();
    const auto &box = onlyBox();
    EXPECT_EQ(box.title, QStringLiteral("错误"));
    EXPECT_TRUE(box.text.startsWith(QStringLiteral("94：  "))) << box.text.toStdString();
    EXPECT_EQ(picker.MSHFlexGrid1().Rows(), 2);
}

TEST_F(ChoiceNewTest, StartEntryHandsTheSurveyToTheQuestionnaireOfTheKindAndCloses)
{
    addSurvey(3, QStringLiteral("2026-3-4"), QStringLiteral("三月"));
    addSurvey(9, QStringLiteral("2026/9/10 8:30"), QStringLiteral("九月"));
    ChoiceNew &picker = open();
    picker.Show();
    Mmain::SurveyKind = 2;
    choose(picker, QStringLiteral("9"));
    click(picker, QStringLiteral("command2"));

    EXPECT_EQ(Mmain::SurveyNo, 9);
    EXPECT_EQ(Mmain::SurveyDate, QDateTime(QDate(2026, 9, 10), QTime(8, 30)));
    EXPECT_TRUE(Forms::isLoaded<Questionyj>());
    EXPECT_FALSE(Forms::isLoaded<Question>());
    EXPECT_FALSE(Forms::isLoaded<ChoiceNew>());
    EXPECT_TRUE(mainform().isEnabled());
    EXPECT_TRUE(boxes->boxes().isEmpty()) << boxTexts().toStdString();
}

TEST_F(ChoiceNewTest, StartEntryOpensTheQuestionnaireOfEachKind)
{
    addSurvey(4, QStringLiteral("2026-4-4"), QStringLiteral("四月"));
    for (int kind : {1, 3}) {
        Mmain::SurveyKind = kind;
        click(open(), QStringLiteral("command2"));
        EXPECT_EQ(Forms::isLoaded<Question>(), kind == 1);
        EXPECT_EQ(Forms::isLoaded<Questionzn>(), kind == 3);
        EXPECT_FALSE(Forms::isLoaded<ChoiceNew>());
        Forms::unload<Question>();
        Forms::unload<Questionzn>();
        flushDeletes();
    }
    EXPECT_TRUE(boxes->boxes().isEmpty()) << boxTexts().toStdString();
}

TEST_F(ChoiceNewTest, StoredTimeThatIsNoDateKeepsThePickerAndTheSurvey)
{
    execute(QStringLiteral("insert into mydjb values (6, '六月初', '旧数据')"));
    Mmain::SurveyNo = 2;
    ChoiceNew &picker = open();
    click(picker, QStringLiteral("command2"));
    const auto &box = onlyBox();
    EXPECT_EQ(box.title, QStringLiteral("提示"));
    EXPECT_EQ(box.icon(), vbInformation);
    EXPECT_TRUE(box.text.contains(QStringLiteral("六月初")));
    EXPECT_EQ(Mmain::SurveyNo, 2);
    EXPECT_TRUE(Forms::isLoaded<ChoiceNew>());
    EXPECT_FALSE(Forms::isLoaded<Question>());
}

TEST_F(ChoiceNewTest, UnknownSurveyKindOpensNothingAndKeepsThePicker)
{
    addSurvey(4, QStringLiteral("2026-4-4"), QStringLiteral("四月"));
    Mmain::SurveyKind = 0;
    ChoiceNew &picker = open();
    click(picker, QStringLiteral("command2"));
    EXPECT_EQ(onlyBox().title, QStringLiteral("错误"));
    EXPECT_EQ(Mmain::SurveyNo, 0);
    EXPECT_TRUE(Forms::isLoaded<ChoiceNew>());
    EXPECT_TRUE(Forms::isLoaded<Mainform>());
}

TEST_F(ChoiceNewTest, SizeLimitsHoldWhileThePickerIsActive)
{
    ChoiceNew &picker = open();
    picker.Show();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&picker, &activate);
    EXPECT_EQ(picker.minimumSize(), QSize(315, 200));
    EXPECT_EQ(picker.maximumSize(), QSize(315, 350));
    picker.resize(600, 600);
    EXPECT_EQ(picker.size(), QSize(315, 350));
    picker.resize(100, 100);
    EXPECT_EQ(picker.size(), QSize(315, 200));

    click(picker, QStringLiteral("command1"));
    EXPECT_EQ(picker.height(), hestova::pixelsFromTwips(ChoiceNew::AddAreaHeight)) << "the add area fits inside the limits";

    QWidget *window = &picker;
    picker.Unload();
    EXPECT_NE(window->maximumSize(), QSize(315, 350)) << "the limits are freed at unload";
}

}  // namespace
