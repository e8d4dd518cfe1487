#include "SheetTestSupport.h"

#include "core/AppError.h"
#include "spreadsheet/CellFormat.h"
#include "spreadsheet/SheetPainter.h"
#include "spreadsheet/Spreadsheet.h"

#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QMetaObject>
#include <QScrollBar>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

using namespace hestova;
using namespace hestova::spreadsheet;

namespace {

class SpreadsheetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        useSongFace();
        book.ReadTemplate(QStringLiteral(SAMPLE_TEMPLATE));
    }

    // The builders' framing of a range, step for step, late-bound by member name.
    void formatRange(int row1, int col1, int row2, int col2)
    {
        QObject *fmt = nullptr;
        ASSERT_TRUE(QMetaObject::invokeMethod(&book, "CurrentFormat", Q_RETURN_ARG(QObject *, fmt)));
        std::unique_ptr<QObject> owner(fmt);
        fmt->setProperty("FontSize", 10);
        fmt->setProperty("FontName", QStringLiteral("宋体"));
        fmt->setProperty("FontCharSet", 134);
        fmt->setProperty("AlignVertical", 2);
        fmt->setProperty("AlignHorizontal", 3);
        QMetaObject::invokeMethod(fmt, "setBorderColor", Q_ARG(int, 2), Q_ARG(int, 0));
        QMetaObject::invokeMethod(fmt, "setBorderStyle", Q_ARG(int, 2), Q_ARG(int, 1));
        for (int index : {0, 1, 3, -2}) {
            QMetaObject::invokeMethod(fmt, "setBorderStyle", Q_ARG(int, index), Q_ARG(int, 1));
            QMetaObject::invokeMethod(fmt, "setBorderColor", Q_ARG(int, index), Q_ARG(int, 0));
        }
        QString first, last;
        QMetaObject::invokeMethod(&book, "CellRef", Q_RETURN_ARG(QString, first), Q_ARG(int, row1), Q_ARG(int, col1),
                                  Q_ARG(bool, false));
        QMetaObject::invokeMethod(&book, "CellRef", Q_RETURN_ARG(QString, last), Q_ARG(int, row2), Q_ARG(int, col2),
                                  Q_ARG(bool, false));
        ASSERT_TRUE(book.setProperty("SelectionRef", first + QLatin1Char(':') + last));
        ASSERT_TRUE(QMetaObject::invokeMethod(&book, "ApplyFormat", Q_ARG(QObject *, fmt)));
    }

    Spreadsheet book;
};

bool framed(const CellStyle &style)
{
    for (const Border &border : style.borders)
        if (border.style != LineStyle::Thin || border.color != QColor(Qt::black))
            return false;
    return true;
}

}  // namespace

TEST_F(SpreadsheetTest, CellsWrittenReadBackAndEmptyCellsReadEmpty)
{
    book.setCellText(12, 1, QStringLiteral("内科"));
    book.setCellText(12, 21, QStringLiteral("17"));
    book.setCellText(11, 26, QStringLiteral("80."));
    EXPECT_EQ(book.CellText(12, 1), QStringLiteral("内科"));
    EXPECT_EQ(book.CellText(12, 21), QStringLiteral("17"));
    EXPECT_EQ(book.CellText(11, 26), QStringLiteral("80."));
    EXPECT_EQ(book.CellText(12, 22), QString());
    EXPECT_EQ(book.CellText(200, 200), QString());
    EXPECT_EQ(book.CellText(1, 1), QStringLiteral("病人满意度调查统计表（一）"));

    // Late-bound, as the report windows reach it.
    ASSERT_TRUE(QMetaObject::invokeMethod(&book, "setCellText", Q_ARG(int, 13), Q_ARG(int, 2), Q_ARG(QString, QStringLiteral("5"))));
    QString text;
    ASSERT_TRUE(QMetaObject::invokeMethod(&book, "CellText", Q_RETURN_ARG(QString, text), Q_ARG(int, 13), Q_ARG(int, 2)));
    EXPECT_EQ(text, QStringLiteral("5"));
}

TEST_F(SpreadsheetTest, WritingBeyondTheUsedRangeWidensIt)
{
    book.setCellText(30, 40, QStringLiteral("x"));
    EXPECT_EQ(book.LastRow(), 30);
    EXPECT_EQ(book.LastCol(), 40);
}

TEST_F(SpreadsheetTest, LastRowAndLastColReadBackWhatWasWritten)
{
    EXPECT_EQ(book.property("LastRow").toInt(), 12);
    ASSERT_TRUE(book.setProperty("LastRow", 41));
    EXPECT_EQ(book.property("LastRow").toInt(), 41);
    book.setLastRow(20);
    EXPECT_EQ(book.LastRow(), 20);
    ASSERT_TRUE(book.setProperty("LastCol", 27));
    EXPECT_EQ(book.LastCol(), 27);
    EXPECT_THROW(book.setLastRow(0), AppError);
    EXPECT_THROW(book.setLastCol(257), AppError);
}

TEST_F(SpreadsheetTest, RowSizeSetsOneRowsHeight)
{
    EXPECT_EQ(book.RowSize(1), 600);
    ASSERT_TRUE(QMetaObject::invokeMethod(&book, "setRowSize", Q_ARG(int, 11), Q_ARG(int, 300)));
    int height = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(&book, "RowSize", Q_RETURN_ARG(int, height), Q_ARG(int, 11)));
    EXPECT_EQ(height, 300);
    EXPECT_EQ(book.RowSize(12), Sheet::DefaultRowHeight);
    EXPECT_EQ(book.sheet().rowTop(12), book.sheet().rowTop(11) + 300);
    EXPECT_THROW(book.setRowSize(0, 300), AppError);
    EXPECT_THROW(book.setRowSize(5, -1), AppError);
}

TEST_F(SpreadsheetTest, CellRefAndSelectionRefRoundTrip)
{
    EXPECT_EQ(book.CellRef(11, 1, false), QStringLiteral("A11"));
    EXPECT_EQ(book.CellRef(40, 33, false), QStringLiteral("AG40"));
    EXPECT_EQ(book.CellRef(40, 33, true), QStringLiteral("$AG$40"));

    book.setSelectionRef(book.CellRef(11, 3, false) + QStringLiteral(":") + book.CellRef(15, 13, false));
    EXPECT_EQ(book.selection(), (CellRange{11, 3, 15, 13}));
    EXPECT_EQ(book.property("SelectionRef").toString(), QStringLiteral("C11:M15"));

    book.SelectRange(1, 1, 1, 1);
    EXPECT_EQ(book.SelectionRef(), QStringLiteral("A1"));
    book.SelectRange(15, 13, 11, 3);  // corners in any order
    EXPECT_EQ(book.SelectionRef(), QStringLiteral("C11:M15"));

    EXPECT_THROW(book.setSelectionRef(QStringLiteral("C11:")), AppError);
    EXPECT_EQ(book.SelectionRef(), QStringLiteral("C11:M15"));
    EXPECT_THROW(book.CellRef(0, 1, false), AppError);
}

TEST_F(SpreadsheetTest, FormatReachesEveryCellOfTheRangeAndNothingOutside)
{
    book.setCellText(12, 15, QStringLiteral("3"));
    const Sheet before = book.sheet();
    formatRange(11, 14, 14, 20);

    const Sheet &after = book.sheet();
    for (int row = 9; row <= 16; ++row) {
        for (int col = 12; col <= 22; ++col) {
            const CellStyle &style = after.style(row, col);
            if (CellRange{11, 14, 14, 20}.contains(row, col)) {
                EXPECT_EQ(style.fontName, QStringLiteral("宋体")) << row << "," << col;
                EXPECT_EQ(style.fontSize, 10) << row << "," << col;
                EXPECT_EQ(style.fontCharSet, 134);
                EXPECT_EQ(style.vAlign, VAlign::Center);
                EXPECT_EQ(style.hAlign, HAlign::Center);
                EXPECT_TRUE(framed(style)) << row << "," << col;
            } else {
                EXPECT_EQ(style, before.style(row, col)) << row << "," << col;
            }
        }
    }
    EXPECT_EQ(after.text(12, 15), QStringLiteral("3"));
    EXPECT_EQ(book.SelectionRef(), QStringLiteral("N11:T14"));
}

TEST_F(SpreadsheetTest, FormatOfOneCellAndFormattingTwiceGiveTheSameLook)
{
    formatRange(11, 1, 11, 1);
    const CellStyle once = book.sheet().style(11, 1);
    EXPECT_TRUE(framed(once));
    EXPECT_EQ(once.fontSize, 10);
    formatRange(11, 1, 11, 1);
    EXPECT_EQ(book.sheet().style(11, 1), once);
    EXPECT_EQ(book.sheet().style(12, 1), book.sheet().defaultStyle());
}

TEST_F(SpreadsheetTest, FormatTakenFromABoldTitleKeepsTheRangesOwnFontStyles)
{
    // The builders take the format while the title cell is selected: only the members they set may spread.
    book.SelectRange(1, 1, 1, 1);
    formatRange(11, 1, 12, 2);
    EXPECT_FALSE(book.sheet().style(11, 1).bold);
    EXPECT_EQ(book.sheet().style(11, 1).fontSize, 10);
    EXPECT_TRUE(book.sheet().style(1, 1).bold);
    EXPECT_EQ(book.sheet().style(1, 1).fontSize, 16);
}

TEST_F(SpreadsheetTest, MissingOrMalformedTemplateIsAnErrorAndKeepsTheSheet)
{
    book.setCellText(12, 1, QStringLiteral("内科"));
    book.setHeaderText(QStringLiteral("页眉"));
    book.SelectRange(12, 1, 12, 3);
    QTemporaryDir dir;
    const QString broken = writeFile(dir, QStringLiteral("broken.vts"), "hestova-sheet 1\ncell A1 \"new\"\nmerge A1\n oops\n");
    for (const QString &path : {dir.filePath(QStringLiteral("brmyd9.vts")), broken}) {
        EXPECT_THROW(book.ReadTemplate(path), AppError) << path.toStdString();
        EXPECT_EQ(book.CellText(12, 1), QStringLiteral("内科"));
        EXPECT_EQ(book.CellText(1, 1), QStringLiteral("病人满意度调查统计表（一）"));
        EXPECT_EQ(book.HeaderText(), QStringLiteral("页眉"));
        EXPECT_EQ(book.SelectionRef(), QStringLiteral("A12:C12"));
    }
    try {
        book.ReadTemplate(dir.filePath(QStringLiteral("brmyd9.vts")));
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::FileMissing);
    }
}

TEST_F(SpreadsheetTest, ReadingATemplateReplacesTheWholeSheet)
{
    book.setCellText(12, 1, QStringLiteral("内科"));
    book.setHeaderText(QStringLiteral("页眉"));
    book.setRowSize(12, 900);
    book.SelectRange(5, 5, 6, 6);
    QTemporaryDir dir;
    // Windows-style separators, as the report code writes its paths, are accepted.
    writeFile(dir, QStringLiteral("other.vts"), "hestova-sheet 1\ncell B2 \"其他\"\n");
    qint16 fileType = 0;
    book.ReadTemplate(dir.path() + QStringLiteral("\\other.vts"), fileType);
    EXPECT_EQ(fileType, Spreadsheet::TemplateFileType);
    EXPECT_EQ(book.CellText(2, 2), QStringLiteral("其他"));
    EXPECT_EQ(book.CellText(12, 1), QString());
    EXPECT_EQ(book.CellText(1, 1), QString());
    EXPECT_EQ(book.HeaderText(), QString());
    EXPECT_EQ(book.RowSize(12), Sheet::DefaultRowHeight);
    EXPECT_EQ(book.SelectionRef(), QStringLiteral("A1"));
    EXPECT_EQ(book.LastRow(), 2);
}

TEST_F(SpreadsheetTest, LateBoundSheetPreambleAndErrorsOfTheCall)
{
    int fileType = 0;
    ASSERT_TRUE(QMetaObject::invokeMethod(&book, "ReadTemplate", Q_RETURN_ARG(int, fileType),
                                          Q_ARG(QString, QStringLiteral(SAMPLE_TEMPLATE))));
    EXPECT_EQ(fileType, Spreadsheet::TemplateFileType);
    ASSERT_TRUE(book.setProperty("SheetOption", false));
    EXPECT_FALSE(book.SheetOption());
    ASSERT_TRUE(book.setProperty("HeaderText", QStringLiteral("青禾市中心医院      调查日期：2026-3-1")));
    EXPECT_EQ(book.HeaderText(), QStringLiteral("青禾市中心医院      调查日期：2026-3-1"));
    // A failing late-bound call raises its AppError to the caller.
    EXPECT_THROW(QMetaObject::invokeMethod(&book, "setCellText", Q_ARG(int, 0), Q_ARG(int, 1), Q_ARG(QString, QString())),
                 AppError);
    EXPECT_THROW(book.ApplyFormat(&book), AppError);
}

TEST_F(SpreadsheetTest, MoveAndExtenderMembersAreTwips)
{
    QWidget window;
    book.setParent(&window);
    ASSERT_TRUE(QMetaObject::invokeMethod(&book, "Move", Q_ARG(int, 0), Q_ARG(int, 1500), Q_ARG(int, 15000), Q_ARG(int, 6000)));
    EXPECT_EQ(book.geometry(), QRect(0, 100, 1000, 400));
    EXPECT_EQ(book.property("Top").toInt(), 1500);
    EXPECT_EQ(book.property("Width").toInt(), 15000);
    book.setProperty("Top", book.property("Top").toInt() + 420);
    EXPECT_EQ(book.y(), 128);
    book.setParent(nullptr);
}

TEST(SpreadsheetView, ScrollsToAndPaintsCellsFarDownALargeSheet)
{
    useSongFace();
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("big.vts"),
                                   "hestova-sheet 1\nused rows=65536 cols=40\nstyle red fill=#FF0000\n"
                                   "cell C60000 red \"x\"\n");
    Spreadsheet book;
    book.resize(400, 300);
    book.ReadTemplate(path);
    const QRgb red = qRgb(0xFF, 0, 0);
    auto showsRed = [&] {
        const QImage image = book.viewport()->grab().toImage();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == red)
                    return true;
        return false;
    };
    EXPECT_FALSE(showsRed());
    book.verticalScrollBar()->setValue(book.sheet().rowTop(59995) / 15);
    EXPECT_TRUE(showsRed());
    book.horizontalScrollBar()->setValue(book.sheet().colLeft(10) / 15);
    EXPECT_FALSE(showsRed());
}

TEST(SpreadsheetView, GeneralCellsPutNumbersRightInTheCAndTheSystemLocalesFormAndWordsLeft)
{
    useSongFace();
    const QStringList texts = {QStringLiteral("66,67"), QStringLiteral("100,"), QStringLiteral("80."),
                               QStringLiteral("满意"), QStringLiteral(","), QStringLiteral("nan"),
                               QStringLiteral("INF"), QStringLiteral("-inf")};
    const QList<bool> right = {true, true, true, false, false, false, false, false};
    Sheet sheet;
    sheet.setColWidth(1, 3000);
    for (int row = 1; row <= texts.size(); ++row)
        sheet.setText(row, 1, texts.at(row - 1));
    SheetPainter::Options options;
    options.locale = QLocale(QLocale::German);
    const SheetPainter painter(sheet, CellRange{1, 1, int(texts.size()), 1}, QPointF(0, 0), options);
    QImage image(painter.rectOf(CellRange{1, 1, int(texts.size()), 1}).size().toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter device(&image);
    painter.paint(device);
    device.end();

    for (int row = 1; row <= texts.size(); ++row) {
        const QRect cell = painter.rectOf(CellRange{row, 1, row, 1}).toRect();
        int firstInk = cell.right();
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x < firstInk; ++x)
                if (image.pixel(x, y) != qRgb(255, 255, 255))
                    firstInk = x;
        ASSERT_LT(firstInk, cell.right()) << texts.at(row - 1).toStdString() << " painted";
        EXPECT_EQ(firstInk > cell.center().x(), right.at(row - 1)) << texts.at(row - 1).toStdString();
    }
}
