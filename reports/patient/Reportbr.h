#pragma once

#include "common/ReportWindow.h"

// The patient satisfaction report window (survey kind 1), over the work table reporttemp: six sheets, chosen
// from the sheet menu brmydbb or built and printed together by "打印全部".
class Reportbr : public ReportWindow {
    Q_OBJECT

public:
    Reportbr();

    // Clicks of the six items of brmydbb: each builds its sheet and leaves it shown. An error shows the
    // "错误" box; the window stays.
    void 病人满意度调查报表1_Click() { BuildBrSheet1(); }
    void 病人满意度调查报表2_Click() { BuildBrSheet2(); }
    void 病人满意度调查报表3_Click() { BuildBrSheet3(); }
    void 病人满意度调查报表4_Click() { BuildBrSheet4(); }
    void 病人满意度调查报表5_Click() { BuildBrSheet5(); }
    void 病人满意度调查报表6_Click() { BuildBrSheet6(); }

protected:
    // Builds and prints sheets 1 to 6 in order; the first error ends the run.
    void PrintAllSheets() override;

private:
    void BuildBrSheet1() { buildSheet(1); }
    void BuildBrSheet2() { buildSheet(2); }
    void BuildBrSheet3() { buildSheet(3); }
    void BuildBrSheet4() { buildSheet(4); }
    void BuildBrSheet5() { buildSheet(5); }
    void BuildBrSheet6() { buildSheet(6); }

    void buildSheet(int number);
    void addSheetItems();
};
