#include "medtech/Reportyj.h"

namespace {
// Captions of the sheet menu yjmyd; each sheet's picture is tagged with its caption.
const QStringList SheetCaptions = {
    QStringLiteral("检验科满意度报表"),     QStringLiteral("放射科满意度报表"),   QStringLiteral("病理科满意度报表"),
    QStringLiteral("功能科满意度报表"),     QStringLiteral("CT、磁共振室满意度报表"), QStringLiteral("同位素室满意度报表"),
    QStringLiteral("中普制剂室满意度报表"), QStringLiteral("中药房满意度报表"),   QStringLiteral("西药房满意度报表"),
    QStringLiteral("西药库房满意度报表"),   QStringLiteral("手术室满意度报表"),   QStringLiteral("供应室满意度报表"),
    QStringLiteral("配送中心满意度报表"),   QStringLiteral("输血科满意度报表"),   QStringLiteral("营养室满意度报表"),
    QStringLiteral("药剂科满意度报表"),     QStringLiteral("药品分析室满意度报表"),
};
}  // namespace

Reportyj::Reportyj() : ReportWindow(QStringLiteral("Reportyj"), QStringLiteral("yjmyd"), SheetCaptions)
{
}
