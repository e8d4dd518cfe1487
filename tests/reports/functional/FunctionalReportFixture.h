#pragma once

#include "ReportFixture.h"

#include <QStringList>
#include <initializer_list>

class Reportzn;

// The functional report window over survey 3, with the sheet templates of the source tree in the temporary
// application folder's report folder.
class FunctionalReportFixture : public ReportFixture {
protected:
    void SetUp() override;

    Reportzn &open();
    // One answer row of survey 3 per code, answering `column` only.
    void answer(const char *column, std::initializer_list<int> codes);
    // Text of a cell of the sheet shown.
    QString cell(int row, int col) const;

    Reportzn *window = nullptr;
};
