#include "patient/Reportbr.h"

namespace {
// Captions of the sheet menu brmydbb; each sheet's picture is tagged with its caption.
const QStringList SheetCaptions = {
    QStringLiteral("病人满意度调查报表1"), QStringLiteral("病人满意度调查报表2"), QStringLiteral("病人满意度调查报表3"),
    QStringLiteral("病人满意度调查报表4"), QStringLiteral("病人满意度调查报表5"), QStringLiteral("病人满意度调查报表6"),
};
}  // namespace

Reportbr::Reportbr() : ReportWindow(QStringLiteral("Reportbr"), QStringLiteral("brmydbb"), SheetCaptions)
{
}
