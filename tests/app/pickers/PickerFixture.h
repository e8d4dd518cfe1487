#pragma once

#include "pickers/ChoiceNew.h"
#include "pickers/ChoiceRept.h"
#include "windows/Mainform.h"
#include "Mmain.h"
#include "questionwin/Question.h"
#include "questionwin/Questionyj.h"
#include "questionwin/Questionzn.h"
#include "ReportWindows.h"
#include "TempAppFolder.h"
#include "TestDatabase.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Fonts.h"
#include "forms/Forms.h"
#include "forms/MessageBox.h"
#include "functional/Reportzn.h"
#include "grid/MSHFlexGrid.h"
#include "medtech/Reportyj.h"
#include "patient/Reportbr.h"
#include "screen/Twips.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable texts in the failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// A fresh application folder and database with the control libraries and skin, the main window loaded, every
// message box answered by the test and the program's quit hook disarmed while windows come and go.
class PickerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { hestova::forms::installFontSubstitutions(); }  // the program's 宋体

    void SetUp() override
    {
        hestova::forms::Forms::setQuitHook([] {});
        folder = std::make_unique<TempAppFolder>();
        TestDatabase::create(*folder);
        folder->copyControls();
        folder->copySkin();
        boxes = std::make_unique<hestova::forms::ScriptedMessageBoxes>();
        Mmain::SurveyKind = 1;
        Mmain::SurveyNo = 0;
        Mmain::SurveyDate = {};
        Mmain::ReportSurveyNo = 0;
        Mmain::ReportSurveyDate = {};
        hestova::reports::registerReportWindows();
        hestova::forms::Forms::get<Mainform>().Show();
    }

    void TearDown() override
    {
        using hestova::forms::Forms;
        Forms::unload<ChoiceNew>();
        Forms::unload<ChoiceRept>();
        Forms::unload<Question>();
        Forms::unload<Questionyj>();
        Forms::unload<Questionzn>();
        Forms::unload<Reportbr>();
        Forms::unload<Reportyj>();
        Forms::unload<Reportzn>();
        Forms::unload<Mainform>();
        flushDeletes();
        boxes.reset();
        folder.reset();
        Forms::setQuitHook(nullptr);
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    // A statement on the test's own connection.
    void execute(const QString &statement, const QVariantList &parameters = {})
    {
        hestova::db::Connection connection;
        connection.Open(hestova::db::SurveyConnectionString);
        connection.Execute(statement, parameters);
    }

    void addSurvey(int number, const QString &time, const QString &description)
    {
        execute(QStringLiteral("insert into mydjb values (?, ?, ?)"), {number, time, description});
    }

    // Column `column` of every row of a query, as text.
    QStringList column(const QString &query, int column = 0)
    {
        hestova::db::Connection connection;
        connection.Open(hestova::db::SurveyConnectionString);
        hestova::db::Recordset rows;
        rows.Open(query, connection);
        QStringList texts;
        for (; !rows.Eof(); rows.MoveNext())
            texts.append(rows.Fields(column).text());
        return texts;
    }

    // A control's top edge is the designed one, title bar included, to the pixel.
    static void expectTop(hestova::host::SkinnedForm &window, const QString &control, int twips)
    {
        EXPECT_EQ(window.controlWidget(control)->y(), hestova::pixelsFromTwips(twips)) << control.toStdString();
    }

    // The operator's click on a colour button of a window.
    static void click(hestova::host::SkinnedForm &window, const QString &button)
    {
        QMetaObject::invokeMethod(window.controlWidget(button), "Click");
    }

    // The operator's click on the survey number (the grid's fixed column) of a shown picker.
    static void choose(SurveyPicker &picker, const QString &number)
    {
        hestova::MSHFlexGrid &grid = picker.MSHFlexGrid1();
        for (int row = 1; row < grid.Rows(); ++row) {
            if (grid.TextMatrix(row, 0) == number) {
                QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.cellRect(row, 0).center());
                EXPECT_EQ(grid.Row(), row) << "the click chose survey " << number.toStdString();
                return;
            }
        }
        FAIL() << "no survey " << number.toStdString() << " in the list";
    }

    // The one box shown since the last clear(); fails the test for none or more. For none a blank box, so that
    // the test goes on and the other tests run.
    const hestova::forms::ScriptedMessageBoxes::Box &onlyBox() const
    {
        static const hestova::forms::ScriptedMessageBoxes::Box none;
        if (boxes->boxes().isEmpty()) {
            ADD_FAILURE() << "no message box was shown";
            return none;
        }
        EXPECT_EQ(boxes->boxes().size(), 1) << "boxes shown:\n" << boxTexts().toStdString();
        return boxes->last();
    }

    QString boxTexts() const
    {
        QStringList texts;
        for (const auto &box : boxes->boxes())
            texts.append(box.title + QStringLiteral(": ") + box.text);
        return texts.join(QLatin1Char('\n'));
    }

    Mainform &mainform() { return hestova::forms::Forms::get<Mainform>(); }

    std::unique_ptr<TempAppFolder> folder;
    std::unique_ptr<hestova::forms::ScriptedMessageBoxes> boxes;
};
