#pragma once

#include "windows/About.h"
#include "pickers/ChoiceNew.h"
#include "pickers/ChoiceRept.h"
#include "windows/Mainform.h"

#include "TempAppFolder.h"
#include "TestDatabase.h"
#include "db/Connection.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Forms.h"
#include "forms/MessageBox.h"
#include "forms/PopupMenu.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

// The program's windows on a temporary application folder: plugins, skin and a fresh database with one survey
// (so that the pickers open without a box). Message boxes and pop-up menus are answered by the test.
class ProgramWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder.copyControls();
        folder.copySkin();
        TestDatabase::create(folder);
        hestova::db::Connection connection;
        connection.Open(hestova::db::SurveyConnectionString);
        connection.Execute(QStringLiteral("insert into mydjb values (?, ?, ?)"),
                           {1, QStringLiteral("2024-3-1"), QStringLiteral("门诊调查")});
        connection.Close();
        hestova::forms::Forms::setQuitHook([this] { ++quits; });
    }

    void TearDown() override
    {
        using hestova::forms::Forms;
        Forms::unload<About>();
        Forms::unload<ChoiceNew>();
        Forms::unload<ChoiceRept>();
        Forms::unload<Mainform>();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        Forms::setQuitHook(nullptr);
    }

    // Lets the windows that were unloaded go away.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TempAppFolder folder;
    hestova::forms::ScriptedMessageBoxes boxes;
    hestova::forms::ScriptedPopupMenus menus;
    int quits = 0;
};
