#pragma once

#include "common/ReportWindow.h"

// The medical-technical department report window (survey kind 2), over the work table reporttempyj.
class Reportyj : public ReportWindow {
    Q_OBJECT

public:
    Reportyj();
};
