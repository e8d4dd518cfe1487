#include "medtech/Reportyj.h"

#include "core/AppError.h"

#include <QKeySequence>

using hestova::reports::medtech::DepartmentSheet;
using hestova::reports::medtech::departmentSheets;

namespace {

// The captions of the sheet menu; each sheet's picture in ImageList1 is tagged with its caption.
QStringList sheetCaptions()
{
    QStringList captions;
    for (const DepartmentSheet &sheet : departmentSheets())
        captions.append(sheet.caption);
    return captions;
}

}  // namespace

Reportyj::Reportyj() : ReportWindow(QStringLiteral("Reportyj"), QStringLiteral("yjmyd"), sheetCaptions())
{
    createSheetMenu();
}

// Each item's name is its caption; an error of its builder shows the "错误" box and leaves the window open.
void Reportyj::createSheetMenu()
{
    for (const DepartmentSheet &sheet : departmentSheets()) {
        addMenuItem(&SheetMenu(), sheet.caption, sheet.caption, QKeySequence(sheet.shortcut),
                    [this, position = sheet.number] { BuildDepartmentSheet(position); });
    }
}

void Reportyj::BuildDepartmentSheet(int position)
{
    const QList<DepartmentSheet> &sheets = departmentSheets();
    if (position < 1 || position > sheets.size()) {
        throw hestova::AppError(hestova::ErrorNumber::SubscriptOutOfRange,
                                QStringLiteral("下标越界：没有第 %1 张医技报表").arg(position));
    }
    const DepartmentSheet &sheet = sheets[position - 1];
    SheetPreamble(sheet.templateFile(), sheet.caption);
    m_builder.fill(sheet, F1Book1(), ReportConn());
}

void Reportyj::PrintAllSheets()
{
    for (const DepartmentSheet &sheet : departmentSheets()) {
        BuildDepartmentSheet(sheet.number);
        F1Book1().invoke("PrintSheet", {false, false});
    }
}
