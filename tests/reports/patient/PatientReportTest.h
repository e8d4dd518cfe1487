#pragma once

#include "ReportFixture.h"

#include <QString>
#include <utility>
#include <vector>

class Reportbr;

// The patient report over a work table the test fills: the shipped templates in the application folder,
// reporttemp emptied, rows added by addRow.
class PatientReportTest : public ReportFixture {
protected:
    void SetUp() override;

    // One questionnaire of department `department`: every answer 1 except those given (column name, code).
    void addRow(int department, const std::vector<std::pair<const char *, int>> &answers);
    void execute(const QString &statement);

    Reportbr &openReport();
    // Clicks item n of the sheet menu brmydbb.
    void pickSheet(Reportbr &window, int n);

    QString cell(Reportbr &window, int row, int col) const;
};
