#pragma once

#include "host/SkinnedForm.h"

#include <QStringList>
#include <functional>
#include <memory>

class QLabel;
class QMenu;

namespace hestova {
class ImageList;
}
namespace hestova::db {
class Connection;
}
namespace hestova::spreadsheet {
class Spreadsheet;
}

// The frame of the three report windows (Reportbr, Reportyj, Reportzn): the skinned title bar, the six colour
// buttons (print set-up, preview, print, print all, close, choose sheet), the survey labels, the spreadsheet
// F1Book1 that shows the current sheet, the invisible sheet menu with its image list, and the window's own
// database connection. The windows differ only in their form definition, their sheet menu and their sheets.
class ReportWindow : public hestova::host::SkinnedForm {
    Q_OBJECT

public:
    ~ReportWindow() override;

    // The spreadsheet control, reached late-bound by member name like the hosted controls.
    hestova::controls::LateBound &F1Book1() { return *m_bookControl; }
    // Its widget, for looking at the shown sheet.
    hestova::spreadsheet::Spreadsheet &sheetWidget() const { return *m_book; }
    QLabel &Label1() const { return *m_label1; }  // "调查序号:" + survey number
    QLabel &Label2() const { return *m_label2; }  // "调查时间:" + survey time
    hestova::ImageList &ImageList1() const { return *m_imageList; }
    QMenu &SheetMenu() const { return *m_sheetMenu; }

    // The window's connection is open (from load to unload).
    bool isConnected() const;

    // Button handlers.
    void Command1_Click();  // "打    印": the shown sheet, without a dialog
    void Command2_Click();  // "打印设置"
    void command3_Click();  // "预    览"
    void command4_Click();  // "关  闭"
    void command5_Click();  // "打印全部"
    void memurept_Click();  // "选择报表": the sheet menu under the button

protected:
    // formName: the window's form definition; sheetMenuName: the designer name of its sheet menu;
    // sheetItemTags: tags of the ImageList1 pictures, matched against the starts of the menu's item captions.
    ReportWindow(const QString &formName, const QString &sheetMenuName, const QStringList &sheetItemTags);

    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override;

    // The connection every sheet query runs on; AppError 3704 when it is not open.
    hestova::db::Connection &ReportConn();

    // Builds and prints every sheet of the window in menu order; the windows' sheets come with their builders.
    virtual void PrintAllSheets() {}

    // The steps every sheet builder begins with: reads "\report\<templateFile>" of the application folder into
    // F1Book1 (replacing the shown workbook), switches SheetOption off, writes the SheetHeader and names the
    // sheet's prints after the report and sheetCaption, the sheet's caption in the sheet menu.
    void SheetPreamble(const QString &templateFile, const QString &sheetCaption);
    // "青禾市中心医院      调查日期：" followed by ReportSurveyDate as the default date text.
    static QString SheetHeader();

private:
    // The error report of the printing handlers: the "错误" box with the error's number and description; the
    // handler ends, the window stays as it was.
    void PrintErrorBox(const std::function<void()> &step);

    void createControls(const QString &sheetMenuName, const QStringList &sheetItemTags);
    void connectButtons();
    void fitSheet();

    hestova::spreadsheet::Spreadsheet *m_book;
    std::unique_ptr<hestova::controls::LateBound> m_bookControl;
    QLabel *m_label1;
    QLabel *m_label2;
    hestova::ImageList *m_imageList;
    QMenu *m_sheetMenu;
    std::unique_ptr<hestova::db::Connection> m_connection;
};
