#include "TempAppFolder.h"
#include "TestDatabase.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "surveydata/SurveyDataSource.h"

#include <QMap>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>

using namespace hestova::db;

namespace {

// Patient question -> its column in reporttemp and the number of answer codes the report counts.
struct PatientQuestion {
    int number;
    const char *column;
    int codes;
};

const PatientQuestion patientQuestions[] = {
    {2, "zy2", 11},   {3, "yb3", 6},    {4, "dy4", 5},    {5, "ystd5", 5},  {6, "ysjs6", 5},  {7, "hstd7", 6},
    {8, "hsjs8", 6},  {9, "rygh9", 5},  {10, "jy10", 6},  {11, "fs11", 6},  {12, "gn12", 6},  {13, "bl13", 6},
    {14, "tw14", 6},  {15, "ct15", 6},  {16, "mz16", 5},  {17, "ssh17", 5}, {18, "cf18", 5},  {19, "sf19", 5},
    {20, "ss20", 6},  {21, "ws21", 5},  {22, "bf22", 4},  {23, "hd23", 4},  {24, "xs24", 4},  {25, "yl25", 3},
    {26, "jd26", 3},  {27, "sy27", 2},  {28, "yq28", 6}};

// The medical-technical columns counted through views (the report counts jy5, fs6, bl5, gn5, ct4, tw4 itself).
QStringList medtechViewColumns()
{
    const QList<QPair<QString, int>> departments{{"jy", 4}, {"fs", 5}, {"bl", 4}, {"gn", 4}, {"ct", 3}, {"tw", 3},
                                                 {"zp", 3}, {"zy", 4}, {"xy", 4}, {"xk", 3}, {"ss", 4}, {"gy", 3},
                                                 {"ps", 3}, {"sx", 3}, {"yy", 2}, {"yj", 3}, {"yp", 2}};
    QStringList columns;
    for (const auto &[prefix, count] : departments)
        for (int i = 1; i <= count; ++i)
            columns.append(prefix + QString::number(i));
    return columns;
}

// Leading fields of a department view: jc4 has number, name, questionnaires; the first view of sheets 2-6 has
// number and name; the others the number only.
int leadingFields(int question)
{
    if (question == 4)
        return 3;
    return QList<int>{6, 10, 14, 18, 23}.contains(question) ? 2 : 1;
}

class ReportViews : public ::testing::Test {
protected:
    void SetUp() override
    {
        TestDatabase::create(folder);
        connection.Open(SurveyConnectionString);
    }

    // One patient questionnaire of survey 1: every answer `fill`, then the given columns overridden.
    void addPatientRow(int department, const QMap<QString, int> &answers = {}, int fill = 1)
    {
        QVariantList values{1, department};
        QStringList marks{"?", "?"};
        for (const PatientQuestion &question : patientQuestions) {
            values.append(answers.value(question.column, fill));
            marks.append("?");
        }
        connection.Execute("insert into reporttemp values (" + marks.join(",") + ")", values);
    }

    // The rows of a view as (field name -> value text) maps, in the order the view returns them.
    QList<QMap<QString, QString>> rowsOf(const QString &view)
    {
        Recordset records;
        records.Open("select * from " + view, connection);
        QList<QMap<QString, QString>> rows;
        for (; !records.Eof(); records.MoveNext()) {
            QMap<QString, QString> row;
            for (int i = 0; i < records.FieldCount(); ++i)
                row.insert(records.Fields(i).Name(), records.Fields(i).text());
            rows.append(row);
        }
        return rows;
    }

    // Code -> count rows of a two-field counting query (totals and medical-technical views).
    QMap<int, int> countsOf(const QString &query)
    {
        Recordset records;
        records.Open(query, connection);
        EXPECT_EQ(records.FieldCount(), 2) << query.toStdString();
        QMap<int, int> counts;
        for (; !records.Eof(); records.MoveNext()) {
            EXPECT_FALSE(counts.contains(int(records.Fields(0).number()))) << query.toStdString();
            counts.insert(int(records.Fields(0).number()), int(records.Fields(1).number()));
        }
        return counts;
    }

    QStringList firstFieldOfEachRow(const QString &query)
    {
        Recordset records;
        records.Open(query, connection);
        QStringList values;
        for (; !records.Eof(); records.MoveNext())
            values.append(records.Fields(0).text());
        return values;
    }

    TempAppFolder folder;
    Connection connection;
};

}  // namespace

// An empty work table (a survey without questionnaires): every view opens, has no rows and keeps its fields.
TEST_F(ReportViews, EveryViewOpensWithItsFieldsAndNoRowsOnAnEmptySurvey)
{
    for (const PatientQuestion &question : patientQuestions) {
        const QString view = "jc" + QString::number(question.number);
        Recordset records;
        records.Open("select * from " + view, connection);
        EXPECT_EQ(records.RecordCount(), 0) << view.toStdString();
        QStringList codeFields = records.fieldNames().mid(leadingFields(question.number));
        QStringList expected;
        for (int code = 1; code <= question.codes; ++code)
            expected.append(QString::number(code));
        EXPECT_EQ(codeFields, expected) << view.toStdString();

        records.Open("select * from " + view + "hj", connection);
        EXPECT_EQ(records.RecordCount(), 0) << view.toStdString() << "hj";
        EXPECT_EQ(records.FieldCount(), 2) << view.toStdString() << "hj";
    }

    Recordset percentage;
    percentage.Open("select * from zbfb", connection);
    EXPECT_EQ(percentage.RecordCount(), 0);
    EXPECT_EQ(percentage.FieldCount(), 3);

    const QStringList medtech = medtechViewColumns();
    EXPECT_EQ(medtech.size(), 57);
    for (const QString &column : medtech)
        EXPECT_TRUE(countsOf("select * from yj" + column).isEmpty()) << column.toStdString();
}

TEST_F(ReportViews, DepartmentViewsGiveOneRowPerDepartmentInTheDepartmentListsOrder)
{
    addPatientRow(7);
    addPatientRow(3);
    addPatientRow(7);
    addPatientRow(3);
    addPatientRow(3);

    const QStringList departments = firstFieldOfEachRow("select jyks1 from reporttemp group by jyks1");
    ASSERT_EQ(departments, (QStringList{"3", "7"}));
    for (const PatientQuestion &question : patientQuestions) {
        const QString view = "jc" + QString::number(question.number);
        EXPECT_EQ(firstFieldOfEachRow("select * from " + view), departments) << view.toStdString();
    }

    Recordset first;
    first.Open("select * from jc4", connection);
    ASSERT_EQ(first.RecordCount(), 2);
    EXPECT_EQ(first.Fields(1).text(), QString("消化内科"));
    EXPECT_EQ(first.Fields(2).number(), 3);
    first.MoveNext();
    EXPECT_EQ(first.Fields(1).text(), QString("血液科"));
    EXPECT_EQ(first.Fields(2).number(), 2);

    // The first view of sheets 2 to 6 carries the name in field 1.
    for (const QString view : {"jc6", "jc10", "jc14", "jc18", "jc23"}) {
        Recordset records;
        records.Open("select * from " + view, connection);
        ASSERT_EQ(records.RecordCount(), 2) << view.toStdString();
        EXPECT_EQ(records.Fields(1).text(), QString("消化内科")) << view.toStdString();
        records.MoveNext();
        EXPECT_EQ(records.Fields(1).text(), QString("血液科")) << view.toStdString();
    }
}

// Question 10 of department 3: three answers of code 1, one each of 2 and 3, two of code 6.
TEST_F(ReportViews, CodeFieldsAndTotalsCountTheAnswersOfTheirQuestion)
{
    for (int code : {1, 1, 1, 2, 3, 6, 6})
        addPatientRow(3, {{"jy10", code}, {"fs11", 4}});
    addPatientRow(5, {{"jy10", 2}, {"fs11", 4}});

    const auto rows = rowsOf("jc10");
    ASSERT_EQ(rows.size(), 2);
    const QMap<QString, QString> department3 = rows.at(0);
    EXPECT_EQ(department3.value("1"), "3");
    EXPECT_EQ(department3.value("2"), "1");
    EXPECT_EQ(department3.value("3"), "1");
    EXPECT_EQ(department3.value("4"), "0");
    EXPECT_EQ(department3.value("5"), "0");
    EXPECT_EQ(department3.value("6"), "2");
    EXPECT_EQ(rows.at(1).value("2"), "1");
    EXPECT_EQ(rows.at(1).value("1"), "0");

    EXPECT_EQ(countsOf("select * from jc10hj"), (QMap<int, int>{{1, 3}, {2, 2}, {3, 1}, {6, 2}}));
    // The neighbouring question's view counts its own column.
    EXPECT_EQ(rowsOf("jc11").at(0).value("4"), "7");
    EXPECT_EQ(countsOf("select * from jc11hj"), (QMap<int, int>{{4, 8}}));
}

// Sheet 1 has eleven occupation columns: code 12 (其他) would land in question 3's first count column.
TEST_F(ReportViews, OccupationOtherIsNotReportedIntoTheNextQuestionsColumn)
{
    addPatientRow(2, {{"zy2", 12}});
    addPatientRow(2, {{"zy2", 11}});

    const auto rows = rowsOf("jc2");
    ASSERT_EQ(rows.size(), 1);
    EXPECT_FALSE(rows.at(0).contains("12"));
    EXPECT_EQ(rows.at(0).value("11"), "1");
    EXPECT_EQ(countsOf("select * from jc2hj"), (QMap<int, int>{{11, 1}}));
}

// zbfb: satisfied answers (codes 1, 2) among counted answers (codes 1-5) of questions 3, 4 and 5.
TEST_F(ReportViews, DepartmentPercentageCountsSheetOnesRatedAnswersWithANonZeroDenominator)
{
    addPatientRow(4, {{"yb3", 6}, {"dy4", 1}, {"ystd5", 3}});  // counted 2, satisfied 1
    addPatientRow(4, {{"yb3", 2}, {"dy4", 5}, {"ystd5", 1}});  // counted 3, satisfied 2
    addPatientRow(9, {{"yb3", 6}, {"dy4", 4}, {"ystd5", 4}});  // counted 2, satisfied 0
    addPatientRow(12, {{"yb3", 6}, {"dy4", 0}, {"ystd5", 0}});  // nothing counted: no row

    Recordset percentage;
    percentage.Open("select * from zbfb", connection);
    ASSERT_EQ(percentage.RecordCount(), 2);
    EXPECT_EQ(percentage.Fields(0).number(), 4);
    EXPECT_EQ(percentage.Fields(1).number(), 3);
    EXPECT_EQ(percentage.Fields(2).number(), 5);
    percentage.MoveNext();
    EXPECT_EQ(percentage.Fields(0).number(), 9);
    EXPECT_EQ(percentage.Fields(1).number(), 0);
    EXPECT_EQ(percentage.Fields(2).number(), 2);
}

// A department number the department table lacks still gets its row, named by its number, never Null.
TEST_F(ReportViews, DepartmentMissingFromTheDepartmentTableIsNamedByItsNumber)
{
    addPatientRow(1);
    addPatientRow(45);

    const auto rows = rowsOf("jc4");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows.at(0).value("ksmc"), QString("心血管内科"));
    EXPECT_EQ(rows.at(1).value("ksmc"), "45");
    EXPECT_EQ(rowsOf("jc10").size(), 2);
}

// Each medical-technical view gives exactly the rows of the report's direct count of its own column.
TEST_F(ReportViews, MedtechViewsCountTheirOwnColumn)
{
    Recordset layout;
    layout.Open("select * from reporttempyj", connection);
    const QStringList columns = layout.fieldNames();
    ASSERT_EQ(columns.size(), 64);

    // Six questionnaires whose answer patterns differ from column to column; some answers left 0.
    for (int row = 0; row < 6; ++row) {
        QVariantList values{1};
        QStringList marks{"?"};
        for (int column = 1; column < columns.size(); ++column) {
            values.append((column * 7 + row * (column % 4 + 1)) % 6);
            marks.append("?");
        }
        connection.Execute("insert into reporttempyj values (" + marks.join(",") + ")", values);
    }

    for (const QString &column : medtechViewColumns()) {
        const QMap<int, int> counts = countsOf("select * from yj" + column);
        EXPECT_FALSE(counts.isEmpty()) << column.toStdString();
        EXPECT_FALSE(counts.contains(0)) << column.toStdString();
        EXPECT_EQ(counts, countsOf(QString("SELECT %1, count(*) From reporttempyj Where %1 > 0 GROUP BY %1").arg(column)))
            << column.toStdString();
    }
    EXPECT_EQ(countsOf("select * from yjjy1"), countsOf("SELECT jy1, count(*) From reporttempyj Where jy1 > 0 GROUP BY jy1"));
}
