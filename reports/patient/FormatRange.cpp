#include "patient/FormatRange.h"

#include "common/LateBound.h"
#include "core/AppError.h"

#include <memory>

using hestova::AppError;
using hestova::controls::LateBound;

namespace hestova::reports::patient {

namespace {
constexpr int AlignCenterVertical = 2;
constexpr int AlignCenterHorizontal = 3;
constexpr int ThinLine = 1;
constexpr int Black = 0;
constexpr int TopEdge = 2;
constexpr int OtherEdges[] = {0, 1, 3, -2};  // left, right, bottom, the lines between the cells
}  // namespace

void FormatRange(LateBound &book, qint16 row1, qint16 col1, qint16 row2, qint16 col2)
{
    // Taken before the selection changes: it starts from the look of the cell selected until now.
    std::unique_ptr<QObject> format(qvariant_cast<QObject *>(book.invoke("CurrentFormat")));
    if (!format)
        throw AppError(ErrorNumber::ObjectNotSet, QStringLiteral("表格没有给出单元格格式。"));
    LateBound cellFormat(format.get());
    cellFormat.set("FontSize", 10);
    cellFormat.set("FontName", QStringLiteral("宋体"));
    cellFormat.set("FontCharSet", 134);
    cellFormat.set("AlignVertical", AlignCenterVertical);
    cellFormat.set("AlignHorizontal", AlignCenterHorizontal);
    cellFormat.invoke("setBorderColor", {TopEdge, Black});
    cellFormat.invoke("setBorderStyle", {TopEdge, ThinLine});
    for (const int edge : OtherEdges) {
        cellFormat.invoke("setBorderStyle", {edge, ThinLine});
        cellFormat.invoke("setBorderColor", {edge, Black});
    }

    const QString first = book.invoke("CellRef", {int(row1), int(col1), false}).toString();
    const QString last = book.invoke("CellRef", {int(row2), int(col2), false}).toString();
    book.set("SelectionRef", first + QLatin1Char(':') + last);
    book.invoke("ApplyFormat", {QVariant::fromValue(format.get())});
}

}  // namespace hestova::reports::patient
