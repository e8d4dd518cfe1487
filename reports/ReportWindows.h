#pragma once

namespace hestova::reports {

// Lets the report picker open the report window of a survey kind (Reportbr, Reportyj, Reportzn).
void registerReportWindows();

}  // namespace hestova::reports
