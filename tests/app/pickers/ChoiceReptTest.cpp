#include "PickerFixture.h"

#include <QLabel>

using hestova::forms::Forms;
using namespace hestova::forms;

namespace {

class ChoiceReptTest : public PickerTest {
protected:
    void SetUp() override
    {
        PickerTest::SetUp();
        addSurvey(3, QStringLiteral("2026-3-15"), QStringLiteral("三月"));
        addSurvey(5, QStringLiteral("2026年5月20日"), QStringLiteral("五月"));
        for (int id : {3, 3, 5})
            execute(QStringLiteral("insert into yjdcxx (id, jy1) values (?, 1)"), {id});
        for (int id : {3, 5, 5, 5})
            execute(QStringLiteral("insert into brwjdcxx (id, jyks1) values (?, 2)"), {id});
    }

    ChoiceRept &open() { return Forms::get<ChoiceRept>(); }

    // Generates the report data of one survey as the operator does: the menu's kind, the picker, the row, the button.
    void generate(int kind, const QString &survey)
    {
        Mmain::SurveyKind = kind;
        ChoiceRept &picker = open();
        picker.Show();
        choose(picker, survey);
        click(picker, QStringLiteral("command2"));
    }

    QStringList ids(const QString &table) { return column(QStringLiteral("select id from %1 order by id").arg(table)); }
};

TEST_F(ChoiceReptTest, EmptySurveyTableKeepsTheDesignedGridAndGenerateGivesTheHint)
{
    execute(QStringLiteral("delete from mydjb"));
    ChoiceRept &picker = open();
    EXPECT_EQ(picker.MSHFlexGrid1().Rows(), 2);
    EXPECT_EQ(picker.MSHFlexGrid1().Cols(), 2);
    click(picker, QStringLiteral("command2"));
    const auto &box = onlyBox();
    EXPECT_EQ(box.title, QStringLiteral("提示"));
    EXPECT_EQ(box.icon(), vbInformation);
    EXPECT_EQ(box.text, QStringLiteral("你没有选中要进行的调查，请先创建一个调查选项，数据输入完成再进行报表查询操作"));
    EXPECT_TRUE(Forms::isLoaded<ChoiceRept>());
    EXPECT_TRUE(Forms::isLoaded<Mainform>());
}

TEST_F(ChoiceReptTest, LoadListsTheSurveysAndMovesTwoControlsBelowTheTitleBar)
{
    ChoiceRept &picker = open();
    EXPECT_FALSE(mainform().isEnabled());
    EXPECT_EQ(picker.MSHFlexGrid1().Rows(), 3);
    EXPECT_EQ(picker.MSHFlexGrid1().TextMatrix(0, 2), QStringLiteral("调查说明"));
    EXPECT_EQ(picker.MSHFlexGrid1().ColWidth(2), 1950);
    expectTop(picker, QStringLiteral("MSHFlexGrid1"), 120 + 280);
    expectTop(picker, QStringLiteral("command2"), 1920 + 280);

    picker.Unload();
    EXPECT_TRUE(mainform().isEnabled());
    EXPECT_TRUE(Forms::isLoaded<Mainform>());
}

TEST_F(ChoiceReptTest, GenerateFillsOnlyTheKindsWorkTableAndShowsItsReportWindow)
{
    execute(QStringLiteral("insert into reporttemp (id) values (99)"));
    generate(2, QStringLiteral("3"));
    EXPECT_TRUE(boxes->boxes().isEmpty()) << boxTexts().toStdString();
    EXPECT_EQ(Mmain::ReportSurveyNo, 3);
    EXPECT_EQ(Mmain::ReportSurveyDate, QDateTime(QDate(2026, 3, 15), QTime(0, 0)));
    ASSERT_TRUE(Forms::isLoaded<Reportyj>());
    EXPECT_EQ(Forms::find<Reportyj>()->Label1().text(), QStringLiteral("调查序号:3"));
    EXPECT_EQ(Forms::find<Reportyj>()->Label2().text(), QStringLiteral("调查时间:2026-3-15"));
    EXPECT_FALSE(Forms::isLoaded<ChoiceRept>());
    EXPECT_FALSE(Forms::isLoaded<Mainform>());
    EXPECT_EQ(ids(QStringLiteral("reporttempyj")), (QStringList{QStringLiteral("3"), QStringLiteral("3")}));
    EXPECT_EQ(ids(QStringLiteral("reporttemp")), QStringList{QStringLiteral("99")}) << "other kinds keep their rows";

    // Closing the report window brings the main window back.
    Forms::find<Reportyj>()->Unload();
    flushDeletes();
    ASSERT_TRUE(Forms::isLoaded<Mainform>());
    EXPECT_TRUE(mainform().isEnabled());

    generate(1, QStringLiteral("5"));
    EXPECT_TRUE(boxes->boxes().isEmpty()) << boxTexts().toStdString();
    ASSERT_TRUE(Forms::isLoaded<Reportbr>());
    EXPECT_EQ(Forms::find<Reportbr>()->Label1().text(), QStringLiteral("调查序号:5"));
    EXPECT_EQ(Forms::find<Reportbr>()->Label2().text(), QStringLiteral("调查时间:2026-5-20"));
    EXPECT_EQ(ids(QStringLiteral("reporttemp")), (QStringList{QStringLiteral("5"), QStringLiteral("5"), QStringLiteral("5")}));
    EXPECT_EQ(ids(QStringLiteral("reporttempyj")), (QStringList{QStringLiteral("3"), QStringLiteral("3")}));
    EXPECT_EQ(ids(QStringLiteral("yjdcxx")).size(), 3) << "answer rows never change";
}

TEST_F(ChoiceReptTest, SurveyWithoutAnswersEmptiesTheWorkTableAndStillOpensTheReport)
{
    execute(QStringLiteral("insert into reporttempzn (id) values (1)"));
    generate(3, QStringLiteral("5"));
    EXPECT_TRUE(Forms::isLoaded<Reportzn>());
    EXPECT_TRUE(ids(QStringLiteral("reporttempzn")).isEmpty());
}

TEST_F(ChoiceReptTest, FailedCopyChangesNothingAndOpensNoReport)
{
    generate(2, QStringLiteral("3"));
    Forms::find<Reportyj>()->Unload();
    flushDeletes();
    execute(QStringLiteral("drop table yjdcxx"));

    generate(2, QStringLiteral("5"));
    const auto &box = onlyBox();
    EXPECT_EQ(box.title, QStringLiteral("错误"));
    EXPECT_EQ(box.icon(), vbCritical);
    EXPECT_EQ(ids(QStringLiteral("reporttempyj")), (QStringList{QStringLiteral("3"), QStringLiteral("3")}));
    EXPECT_EQ(Mmain::ReportSurveyNo, 3);
    EXPECT_FALSE(Forms::isLoaded<Reportyj>());
    EXPECT_TRUE(Forms::isLoaded<ChoiceRept>());
    EXPECT_TRUE(Forms::isLoaded<Mainform>());
}

TEST_F(ChoiceReptTest, MissingDatabaseAtGenerateKeepsTheWindows)
{
    ChoiceRept &picker = open();
    ASSERT_TRUE(QFile::remove(folder->file(QStringLiteral("myd.mdb"))));
    Mmain::SurveyKind = 1;
    click(picker, QStringLiteral("command2"));
    EXPECT_EQ(onlyBox().title, QStringLiteral("错误"));
    EXPECT_FALSE(Forms::isLoaded<Reportbr>());
    EXPECT_TRUE(Forms::isLoaded<ChoiceRept>());
    EXPECT_TRUE(Forms::isLoaded<Mainform>());
}

TEST_F(ChoiceReptTest, StoredTimeThatIsNoDateGivesTheHintAndChangesNothing)
{
    execute(QStringLiteral("insert into mydjb values (8, 'next week', 'x')"));
    execute(QStringLiteral("insert into reporttemp (id) values (99)"));
    generate(1, QStringLiteral("8"));
    const auto &box = onlyBox();
    EXPECT_EQ(box.title, QStringLiteral("提示"));
    EXPECT_EQ(box.icon(), vbInformation);
    EXPECT_EQ(ids(QStringLiteral("reporttemp")), QStringList{QStringLiteral("99")});
    EXPECT_FALSE(Forms::isLoaded<Reportbr>());
    EXPECT_TRUE(Forms::isLoaded<Mainform>());
}

TEST_F(ChoiceReptTest, UnknownSurveyKindKeepsTheMainWindow)
{
    execute(QStringLiteral("insert into reporttemp (id) values (99)"));
    for (int kind : {0, 4}) {
        boxes->clear();
        generate(kind, QStringLiteral("5"));
        EXPECT_EQ(onlyBox().title, QStringLiteral("错误"));
        EXPECT_TRUE(Forms::isLoaded<ChoiceRept>());
        EXPECT_TRUE(Forms::isLoaded<Mainform>());
    }
    EXPECT_EQ(ids(QStringLiteral("reporttemp")), QStringList{QStringLiteral("99")});
    EXPECT_EQ(Mmain::ReportSurveyNo, 0);
}

TEST_F(ChoiceReptTest, SizeLimitsHoldWhileThePickerIsActive)
{
    ChoiceRept &picker = open();
    picker.Show();
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(&picker, &activate);
    picker.resize(800, 100);
    EXPECT_EQ(picker.size(), QSize(315, 200));
    picker.resize(10, 900);
    EXPECT_EQ(picker.size(), QSize(315, 350));
}

}  // namespace
