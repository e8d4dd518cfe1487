#include "spreadsheet/SheetPrinter.h"

#include "core/AppError.h"
#include "spreadsheet/SheetPainter.h"

#include <QPainter>
#include <QPrinter>
#include <functional>

namespace hestova::spreadsheet {

namespace {

constexpr double HeaderFontSize = 10;
constexpr double HeaderGap = 120;  // twips between the header line and the cells

QList<std::pair<int, int>> bands(int count, double room, const std::function<int(int)> &sizeOf)
{
    QList<std::pair<int, int>> result;
    int first = 1;
    double used = 0;
    for (int i = 1; i <= count; ++i) {
        const int size = sizeOf(i);
        if (i > first && used + size > room) {
            result.append({first, i - 1});
            first = i;
            used = 0;
        }
        used += size;
    }
    result.append({first, count});
    return result;
}

CellStyle headerStyle(const Sheet &sheet)
{
    CellStyle style = sheet.defaultStyle();
    style.fontSize = HeaderFontSize;
    return style;
}

AppError printError(const QPrinter &printer, const QString &what)
{
    const QString target = printer.outputFileName().isEmpty() ? printer.printerName() : printer.outputFileName();
    return AppError(ErrorNumber::Printing, QStringLiteral("%1：%2").arg(what, target.isEmpty() ? QStringLiteral("（无打印机）") : target));
}

}  // namespace

double SheetPrinter::headerHeight(const Sheet &sheet)
{
    if (sheet.header().isEmpty())
        return 0;
    return HeaderFontSize * 20 * 1.5 + HeaderGap;
}

QList<CellRange> SheetPrinter::paginate(const Sheet &sheet, const QSizeF &area)
{
    const double rowRoom = area.height() - headerHeight(sheet);
    const auto columnBands = bands(sheet.lastCol(), area.width(), [&](int c) { return sheet.colWidth(c); });
    const auto rowBands = bands(sheet.lastRow(), rowRoom, [&](int r) { return sheet.rowHeight(r); });
    QList<CellRange> pages;
    for (const auto &[left, right] : columnBands)
        for (const auto &[top, bottom] : rowBands)
            pages.append(CellRange{top, left, bottom, right});
    return pages;
}

void SheetPrinter::applyPage(const Sheet &sheet, QPrinter &printer)
{
    printer.setPageOrientation(sheet.page().orientation);
    printer.setPageMargins(sheet.page().margins, QPageLayout::Millimeter);
}

void SheetPrinter::print(const Sheet &sheet, QPrinter &printer)
{
    const double scale = printer.resolution() / 1440.0;
    const QRectF paintRect = printer.pageLayout().paintRectPixels(printer.resolution());
    const QSizeF area(paintRect.width() / scale, paintRect.height() / scale);
    const QList<CellRange> pages = paginate(sheet, area);

    QPainter painter;
    if (!painter.begin(&printer))
        throw printError(printer, QStringLiteral("无法开始打印"));
    const double header = headerHeight(sheet) * scale;
    const QFont headerFont = SheetPainter::fontOf(headerStyle(sheet), scale);
    for (int i = 0; i < pages.size(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            throw printError(printer, QStringLiteral("无法换页"));
        }
        if (header > 0) {
            painter.setFont(headerFont);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(0, 0, paintRect.width(), header - HeaderGap * scale),
                             Qt::AlignHCenter | Qt::AlignVCenter, sheet.header());
        }
        SheetPainter::Options options;
        options.scale = scale;
        options.snap = false;
        SheetPainter(sheet, pages[i], QPointF(0, header), options).paint(painter);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw printError(printer, QStringLiteral("打印失败"));
}

}  // namespace hestova::spreadsheet
