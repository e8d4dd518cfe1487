#pragma once

#include "common/ReportWindow.h"

namespace hestova::reports {
struct FunctionalSheet;
}

// The functional-department report window (survey kind 3), over the work table reporttempzn: twenty-four unit
// sheets, picked from the sheet menu znmyd (eleven items and the submenus "直属支部" and "总务处及后勤班组") or
// printed all in template order.
class Reportzn : public ReportWindow {
    Q_OBJECT

public:
    Reportzn();

    // Builds the sheet of template n (1 to 24) into F1Book1: reads its template, writes the header, the counts
    // and the rates. The sheet shown before is replaced.
    void BuildZnSheet(int templateNumber);

protected:
    void PrintAllSheets() override;

private:
    void BuildZnSheet(const hestova::reports::FunctionalSheet &sheet);
    void createSheetMenu();
};
