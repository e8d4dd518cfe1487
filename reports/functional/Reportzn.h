#pragma once

#include "common/ReportWindow.h"

// The functional-department report window (survey kind 3), over the work table reporttempzn.
class Reportzn : public ReportWindow {
    Q_OBJECT

public:
    Reportzn();
};
