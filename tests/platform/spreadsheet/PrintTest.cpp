#include "SheetTestSupport.h"

#include "core/AppError.h"
#include "spreadsheet/SheetPrinter.h"
#include "spreadsheet/Spreadsheet.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <gtest/gtest.h>

using namespace hestova;
using namespace hestova::spreadsheet;

namespace {

const QString Header = QStringLiteral("青禾市中心医院      调查日期：2026-3-1");

class PrintTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        useSongFace();
        pdf = dir.filePath(QStringLiteral("sheet.pdf"));
        auto owned = std::make_unique<PdfPrinterService>(pdf);
        service = owned.get();
        scoped = std::make_unique<ScopedPrinterService>(std::move(owned));
        book.ReadTemplate(QStringLiteral(SAMPLE_TEMPLATE));
        book.setSheetOption(false);
        book.setHeaderText(Header);
    }

    QTemporaryDir dir;
    QString pdf;
    PdfPrinterService *service = nullptr;
    std::unique_ptr<ScopedPrinterService> scoped;
    Spreadsheet book;
};

}  // namespace

TEST_F(PrintTest, PrintSheetWritesHeaderAndCellsOnEveryPage)
{
    book.setCellText(11, 1, QStringLiteral("合计"));
    book.setCellText(12, 1, QStringLiteral("心血管内科"));
    book.setCellText(12, 2, QStringLiteral("41"));
    book.setCellText(12, 32, QStringLiteral("66.67"));
    ASSERT_TRUE(QMetaObject::invokeMethod(&book, "PrintSheet", Q_ARG(bool, false), Q_ARG(bool, false)));
    EXPECT_EQ(service->prepared, 1);
    ASSERT_TRUE(QFile::exists(pdf));

    // The sample is wider than landscape paper: the columns go on over a second page.
    const int pages = pdfPageCount(pdf);
    EXPECT_EQ(pages, 2);
    const QSizeF landscape = pdfPageSize(pdf);  // the template's orientation
    EXPECT_GT(landscape.width(), landscape.height());
    const QString all = pdfText(pdf);
    for (const QString &expected : {QStringLiteral("病人满意度调查统计表"), QStringLiteral("心血管内科"), QStringLiteral("41"),
                                    QStringLiteral("合计"), QStringLiteral("66.67"), QStringLiteral("二、您的职业")})
        EXPECT_TRUE(all.contains(expected)) << expected.toStdString() << "\n" << all.toStdString();
    for (int page = 1; page <= pages; ++page)
        EXPECT_TRUE(pdfText(pdf, page).contains(QStringLiteral("调查日期：2026-3-1"))) << page;
    // Columns of the first page are not repeated on the second.
    EXPECT_FALSE(pdfText(pdf, 2).contains(QStringLiteral("心血管内科")));
    EXPECT_TRUE(pdfText(pdf, 2).contains(QStringLiteral("66.67")));
}

TEST_F(PrintTest, NarrowSheetFitsOnePage)
{
    book.setLastCol(10);
    book.PrintSheet(false, false);
    EXPECT_EQ(pdfPageCount(pdf), 1);
}

TEST_F(PrintTest, PaginationSplitsColumnsThenRowsAndCoversEveryCell)
{
    Sheet sheet;
    sheet.setLastCol(10);
    sheet.setLastRow(30);
    for (int c = 1; c <= 10; ++c)
        sheet.setColWidth(c, 1000);
    // 3500 twips across: three columns a page; 4000 down: fourteen rows of 285.
    const QList<CellRange> pages = SheetPrinter::paginate(sheet, QSizeF(3500, 4000));
    ASSERT_EQ(pages.size(), 4 * 3);
    EXPECT_EQ(pages[0], (CellRange{1, 1, 14, 3}));
    EXPECT_EQ(pages[1], (CellRange{15, 1, 28, 3}));
    EXPECT_EQ(pages[2], (CellRange{29, 1, 30, 3}));
    EXPECT_EQ(pages[3], (CellRange{1, 4, 14, 6}));
    EXPECT_EQ(pages.last(), (CellRange{29, 10, 30, 10}));

    // A column wider than the paper still gets a page of its own.
    sheet.setColWidth(2, 9000);
    const QList<CellRange> wide = SheetPrinter::paginate(sheet, QSizeF(3500, 10000));
    EXPECT_EQ(wide[0].right, 1);
    EXPECT_EQ(wide[1], (CellRange{1, 2, 30, 2}));
}

TEST_F(PrintTest, NoPrinterInstalledIsAClearErrorAndPrintsNothing)
{
    ScopedPrinterService none(std::make_unique<NoPrinterService>());
    try {
        book.PrintSheet(false, false);
        FAIL() << "printing without a printer reported success";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::Printing);
        EXPECT_EQ(error.description(), PrinterService::noPrinterText());
        EXPECT_TRUE(error.boxText().contains(QStringLiteral("没有安装打印机")));
    }
    EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(PrintTest, FileChosenInSetUpPrintsWithoutAPrinter)
{
    // The system's service (no printers here) accepts a PDF file chosen in the set-up dialog.
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    NoPrinterService none;
    EXPECT_NO_THROW(none.prepare(printer));
    EXPECT_EQ(printer.outputFileName(), pdf);
}

TEST_F(PrintTest, EachPrintReplacesTheFileChosenInSetUp)
{
    const QString chosen = dir.filePath(QStringLiteral("报表.pdf"));
    ScopedPrinterService system(std::make_unique<FileChosenInSetUp>(chosen));
    book.PrintSetup();
    for (int sheet = 1; sheet <= 2; ++sheet) {
        book.setCellText(12, 1, QStringLiteral("科室%1").arg(sheet));
        book.PrintSheet(false, false);
    }
    EXPECT_TRUE(pdfText(chosen).contains(QStringLiteral("科室2")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("报表.pdf")});
}

TEST_F(PrintTest, SetUpOrientationHoldsForLaterPrintsUntilTheNextTemplate)
{
    service->setupOrientation = QPageLayout::Portrait;
    ASSERT_TRUE(QMetaObject::invokeMethod(&book, "PrintSetup"));
    EXPECT_EQ(service->setups, 1);
    EXPECT_EQ(book.sheet().page().orientation, QPageLayout::Portrait);
    book.PrintSheet(false, false);
    const QSizeF portrait = pdfPageSize(pdf);
    EXPECT_LT(portrait.width(), portrait.height());

    // A cancelled dialog changes nothing.
    service->setupOrientation = QPageLayout::Landscape;
    service->setupAnswer = false;
    book.PrintSetup();
    EXPECT_EQ(book.sheet().page().orientation, QPageLayout::Portrait);

    book.ReadTemplate(QStringLiteral(SAMPLE_TEMPLATE));
    EXPECT_EQ(book.sheet().page().orientation, QPageLayout::Landscape);
}

TEST_F(PrintTest, PreviewPaintsTheShownSheetThroughTheService)
{
    book.setCellText(12, 1, QStringLiteral("眼科"));
    ASSERT_TRUE(QMetaObject::invokeMethod(&book, "PreviewSheet"));
    EXPECT_EQ(service->previews, 1);
    EXPECT_EQ(service->prepared, 0);
    EXPECT_TRUE(pdfText(pdf).contains(QStringLiteral("眼科")));
}

TEST_F(PrintTest, UnwritablePrintFileIsAnError)
{
    ScopedPrinterService unwritable(std::make_unique<PdfPrinterService>(dir.filePath(QStringLiteral("no/such/dir/x.pdf"))));
    try {
        book.PrintSheet(false, false);
        FAIL() << "a failed print reported success";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::Printing);
    }
}
