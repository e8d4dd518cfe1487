#pragma once

#include "SheetTestSupport.h"
#include "TempAppFolder.h"
#include "forms/MessageBox.h"
#include "forms/PopupMenu.h"

#include <QDateTime>
#include <initializer_list>
#include <gtest/gtest.h>
#include <memory>

class Reportbr;
class Reportyj;
class Reportzn;
namespace hestova::spreadsheet {
class Spreadsheet;
}

// The survey the report windows open over: survey 3 of 14 March 2026.
constexpr int ReportedSurvey = 3;
inline QDateTime reportedSurveyDate() { return QDateTime(QDate(2026, 3, 14), QTime(0, 0)); }

// A cell of a sheet and the text it is to hold.
struct ExpectedCell {
    int row;
    int col;
    const char *text;
};
// Checks each cell's text, naming the cells that differ.
void expectCells(const hestova::spreadsheet::Spreadsheet &sheet, std::initializer_list<ExpectedCell> cells);

// A temporary application folder with a fresh database holding survey 3 and its rows in every work table, the
// control libraries and the skin; the report picker's choice of survey 3; prints going to a PDF file; message
// boxes and pop-up menus answered by the test. Every window is unloaded afterwards.
class ReportFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Prints go to `service` from now on.
    void usePrinter(std::unique_ptr<hestova::spreadsheet::PrinterService> service);
    // Deletes the windows that were unloaded.
    static void finishUnloads();

    TempAppFolder folder;
    hestova::forms::ScriptedMessageBoxes boxes;
    hestova::forms::ScriptedPopupMenus popups;
    QString pdfPath;
    PdfPrinterService *pdf = nullptr;  // the printer service in place, owned by `printer`

private:
    std::unique_ptr<ScopedPrinterService> printer;
};

// Per window: the expected captions and sheet menu.
template <class W>
struct ReportTraits;

template <>
struct ReportTraits<Reportbr> {
    static constexpr const char *caption = "病人满意度调查报表";
    static constexpr const char *titleBarCaption = "病人满意度调查报表 ";
    static constexpr const char *sheetMenu = "brmydbb";
    static constexpr int sheetCount = 6;
    static constexpr const char *firstSheet = "病人满意度调查报表1";
    static constexpr const char *lastSheet = "病人满意度调查报表6";
    static constexpr int clientWidth = 11880;
};

template <>
struct ReportTraits<Reportyj> {
    static constexpr const char *caption = "医技科室满意度调查报表";
    static constexpr const char *titleBarCaption = "医技科室满意度调查报表 ";
    static constexpr const char *sheetMenu = "yjmyd";
    static constexpr int sheetCount = 17;
    static constexpr const char *firstSheet = "检验科满意度报表";
    static constexpr const char *lastSheet = "药品分析室满意度报表";
    static constexpr int clientWidth = 11880;
};

template <>
struct ReportTraits<Reportzn> {
    static constexpr const char *caption = "行政职能科室满意度调查报表";
    static constexpr const char *titleBarCaption = "行政职能科室满意度调查报表";
    static constexpr const char *sheetMenu = "znmyd";
    static constexpr int sheetCount = 24;
    static constexpr const char *firstSheet = "院办公室满意度报表";
    static constexpr const char *lastSheet = "洗浆房满意度报表";
    static constexpr int clientWidth = 10200;
};
