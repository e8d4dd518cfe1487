#pragma once

#include "Mmain.h"
#include "questionwin/Question.h"
#include "questionwin/Questionyj.h"
#include "questionwin/Questionzn.h"
#include "TempAppFolder.h"
#include "TestDatabase.h"
#include "db/Connection.h"
#include "db/Recordset.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Fonts.h"
#include "forms/Forms.h"
#include "forms/MessageBox.h"

#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>
#include <gtest/gtest.h>
#include <memory>

// A fresh application folder and database, the control libraries and skin copied in, every message box
// answered by the test, and the program's quit hook disarmed while windows come and go.
class QuestionnaireWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        hestova::forms::Forms::setQuitHook([] {});
        hestova::forms::installFontSubstitutions();  // texts measured in the program's 宋体
        folder = std::make_unique<TempAppFolder>();
        TestDatabase::create(*folder);
        folder->copyControls();
        folder->copySkin();
        boxes = std::make_unique<hestova::forms::ScriptedMessageBoxes>();
        Mmain::SurveyNo = 7;
        Mmain::SurveyDate = QDateTime(QDate(2026, 3, 5), QTime(0, 0));
    }

    void TearDown() override
    {
        hestova::forms::Forms::unload<Question>();
        hestova::forms::Forms::unload<Questionyj>();
        hestova::forms::Forms::unload<Questionzn>();
        flushDeletes();
        boxes.reset();
        folder.reset();
        hestova::forms::Forms::setQuitHook(nullptr);
    }

    static void flushDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    static QuestionnaireWindow &open(int kind)
    {
        switch (kind) {
        case 1: return hestova::forms::Forms::get<Question>();
        case 2: return hestova::forms::Forms::get<Questionyj>();
        default: return hestova::forms::Forms::get<Questionzn>();
        }
    }

    static bool isOpen(int kind)
    {
        switch (kind) {
        case 1: return hestova::forms::Forms::isLoaded<Question>();
        case 2: return hestova::forms::Forms::isLoaded<Questionyj>();
        default: return hestova::forms::Forms::isLoaded<Questionzn>();
        }
    }

    // The buttons raise their Click as the operator's click does.
    static void clickPrevious(QuestionnaireWindow &window) { QMetaObject::invokeMethod(window.previousButton(), "Click"); }
    static void clickNext(QuestionnaireWindow &window) { QMetaObject::invokeMethod(window.nextButton(), "Click"); }

    static QString nextCaption(QuestionnaireWindow &window) { return window.nextButton()->property("Caption").toString(); }
    static bool previousEnabled(QuestionnaireWindow &window) { return window.previousButton()->property("Enabled").toBool(); }

    static void tick(QuestionnaireWindow &window, int row, int answer) { window.option(row, answer - 1)->click(); }

    // The ticked answer of a row as the operator sees it: 0 for none.
    static int shownTick(QuestionnaireWindow &window, int row)
    {
        for (int index = 0; index < window.optionCount(row); ++index)
            if (window.option(row, index)->isChecked() && window.option(row, index)->isVisibleTo(&window))
                return index + 1;
        return 0;
    }

    static int visibleOptions(QuestionnaireWindow &window, int row)
    {
        int count = 0;
        for (int index = 0; index < window.optionCount(row); ++index)
            count += window.option(row, index)->isVisibleTo(&window) ? 1 : 0;
        return count;
    }

    // A distinct valid answer for each question.
    static int answerFor(int question, int buttons) { return (question * 7) % buttons + 1; }

    // Ticks every shown row of the page with answerFor (a row without buttons stays unticked).
    static void fillPage(QuestionnaireWindow &window)
    {
        const auto &model = window.model();
        for (int row = 1; row <= model.rowCount(); ++row)
            if (model.rowButtons(row) > 0)
                tick(window, row, answerFor(model.rowQuestion(row), model.rowButtons(row)));
    }

    static void fillPageAndNext(QuestionnaireWindow &window)
    {
        fillPage(window);
        clickNext(window);
    }

    // Fills every page up to the last one and stays there, "完成" not yet pressed.
    static void fillUpToLastPage(QuestionnaireWindow &window)
    {
        while (!window.model().isLastPage())
            fillPageAndNext(window);
        fillPage(window);
    }

    static QList<QVariantList> storedRows(const QString &table)
    {
        hestova::db::Connection connection;
        connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
        hestova::db::Recordset rows;
        rows.Open(QStringLiteral("select * from ") + table, connection);
        QList<QVariantList> result;
        for (; !rows.Eof(); rows.MoveNext()) {
            QVariantList row;
            for (int i = 0; i < rows.FieldCount(); ++i)
                row.append(rows.Fields(i).Value());
            result.append(row);
        }
        return result;
    }

    static void execute(const QString &statement)
    {
        hestova::db::Connection connection;
        connection.Open(QString::fromLatin1(hestova::db::SurveyConnectionString));
        connection.Execute(statement);
    }

    static QString answerTable(int kind)
    {
        return kind == 1 ? QStringLiteral("brwjdcxx") : kind == 2 ? QStringLiteral("yjdcxx") : QStringLiteral("zndcxx");
    }

    std::unique_ptr<TempAppFolder> folder;
    std::unique_ptr<hestova::forms::ScriptedMessageBoxes> boxes;
};

class EveryQuestionnaireWindow : public QuestionnaireWindowTest, public ::testing::WithParamInterface<int> {};
