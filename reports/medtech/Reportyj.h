#pragma once

#include "common/ReportWindow.h"
#include "medtech/DepartmentSheetBuilder.h"

// The medical-technical department report window (survey kind 2), over the work table reporttempyj: one sheet
// per department, chosen from the sheet menu yjmyd or built and printed all together.
class Reportyj : public ReportWindow {
    Q_OBJECT

public:
    Reportyj();

    // Builds the department sheet at `position` (1..17) of the sheet menu and leaves it shown; errors reach the
    // caller.
    void BuildDepartmentSheet(int position);

    const hestova::reports::medtech::DepartmentSheetBuilder &builder() const { return m_builder; }

protected:
    // Builds and prints the seventeen sheets in menu order; the first error stops the run.
    void PrintAllSheets() override;

private:
    void createSheetMenu();

    hestova::reports::medtech::DepartmentSheetBuilder m_builder;
};
