#pragma once

#include "common/ReportWindow.h"

// The patient satisfaction report window (survey kind 1), over the work table reporttemp.
class Reportbr : public ReportWindow {
    Q_OBJECT

public:
    Reportbr();
};
