#include "functional/Reportzn.h"

namespace {
// Captions of the items of the sheet menu znmyd, in menu order (the last thirteen sit in its two submenus);
// each sheet's picture is tagged with its caption.
const QStringList SheetCaptions = {
    QStringLiteral("院办公室满意度报表"),     QStringLiteral("党委办公室满意度报表"),
    QStringLiteral("纪检、监察处满意度报表"), QStringLiteral("人事处满意度报表"),
    QStringLiteral("护理部满意度报表"),       QStringLiteral("医教处满意度报表"),
    QStringLiteral("设备处满意度报表"),       QStringLiteral("财务处满意度报表"),
    QStringLiteral("保卫处满意度报表"),       QStringLiteral("门诊部办公室满意度报表"),
    QStringLiteral("总务处满意度报表"),       QStringLiteral("感染科满意度报表"),
    QStringLiteral("对外医疗服务处满意度报表"), QStringLiteral("网络管理室满意度报表"),
    QStringLiteral("信息科满意度报表"),       QStringLiteral("保健科满意度报表"),
    QStringLiteral("车队满意度报表"),         QStringLiteral("水管维修组满意度报表"),
    QStringLiteral("电工房满意度报表"),       QStringLiteral("木工房满意度报表"),
    QStringLiteral("锅炉房满意度报表"),       QStringLiteral("电梯房满意度报表"),
    QStringLiteral("厨房满意度报表"),         QStringLiteral("洗浆房满意度报表"),
};
}  // namespace

Reportzn::Reportzn() : ReportWindow(QStringLiteral("Reportzn"), QStringLiteral("znmyd"), SheetCaptions)
{
}
