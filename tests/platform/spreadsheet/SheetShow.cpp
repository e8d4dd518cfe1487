// Shows a template in the spreadsheet control with a few filled and framed rows, for looking at it:
//   spreadsheet_show <template.vts> [--pdf <out.pdf>]
// With --pdf it prints the sheet to that file and ends instead of showing it.
#include "core/AppError.h"
#include "spreadsheet/CellFormat.h"
#include "spreadsheet/PrinterService.h"
#include "spreadsheet/Spreadsheet.h"

#include "SheetTestSupport.h"

#include <QApplication>
#include <QFont>
#include <cstdio>
#include <memory>

using namespace hestova::spreadsheet;

namespace {

void frame(Spreadsheet &book, int row1, int col1, int row2, int col2)
{
    std::unique_ptr<CellFormat> fmt(qobject_cast<CellFormat *>(book.CurrentFormat()));
    fmt->setFontSize(10);
    fmt->setAlignVertical(2);
    fmt->setAlignHorizontal(3);
    for (int index : {2, 0, 1, 3, -2})
        fmt->setBorderStyle(index, 1);
    book.setSelectionRef(book.CellRef(row1, col1, false) + QStringLiteral(":") + book.CellRef(row2, col2, false));
    book.ApplyFormat(fmt.get());
}

void fill(Spreadsheet &book)
{
    const QStringList departments = {QStringLiteral("心血管内科"), QStringLiteral("消化内科"), QStringLiteral("普外科"),
                                     QStringLiteral("骨科"), QStringLiteral("妇产科")};
    book.setSheetOption(false);
    book.setHeaderText(QStringLiteral("示例医院      调查日期：2026-3-1"));
    book.setLastRow(11 + int(departments.size()));
    book.setCellText(11, 1, QStringLiteral("合计"));
    for (int i = 0; i < departments.size(); ++i) {
        const int row = 12 + i;
        book.setRowSize(row, 300);
        book.setCellText(row, 1, departments[i]);
        book.setCellText(row, 2, QString::number(20 + 3 * i));
        for (int col = 3; col <= 32; ++col)
            if ((row + col) % 3 != 0)
                book.setCellText(row, col, QString::number((row * col) % 17 + 1));
        book.setCellText(row, 33, QStringLiteral("66.67"));
    }
    book.setRowSize(11, 300);
    for (auto [c1, c2] : {std::pair{1, 1}, {2, 2}, {3, 13}, {14, 20}, {21, 26}, {27, 32}, {33, 33}})
        frame(book, 11, c1, book.LastRow(), c2);
    book.SelectRange(1, 1, 1, 1);
}

}  // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")});
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: spreadsheet_show <template.vts> [--pdf <out.pdf>]\n");
        return 2;
    }
    Spreadsheet book;
    try {
        book.ReadTemplate(args[1]);
        fill(book);
        const int pdf = int(args.indexOf(QStringLiteral("--pdf")));
        if (pdf > 0 && pdf + 1 < args.size()) {
            PrinterService::replace(std::make_unique<PdfPrinterService>(args[pdf + 1]));
            book.PrintSheet(false, false);
            return 0;
        }
    } catch (const hestova::AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.boxText()));
        return 1;
    }
    book.resize(1240, 700);
    book.move(10, 10);
    book.show();
    return app.exec();
}
