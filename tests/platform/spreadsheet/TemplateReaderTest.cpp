#include "SheetTestSupport.h"

#include "core/AppError.h"
#include "spreadsheet/TemplateReader.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace hestova;
using namespace hestova::spreadsheet;

namespace {

Sheet readText(const QByteArray &text)
{
    return TemplateReader::readText(text, QStringLiteral("t.vts"));
}

// The error a malformed template raises.
AppError formatError(const QByteArray &text)
{
    try {
        readText(text);
    } catch (const AppError &error) {
        return error;
    }
    ADD_FAILURE() << "no error for: " << text.toStdString();
    return AppError(0, QString());
}

}  // namespace

TEST(CellReference, ConvertsBetweenNamesAndNumbers)
{
    EXPECT_EQ(CellReference::columnName(1), QStringLiteral("A"));
    EXPECT_EQ(CellReference::columnName(26), QStringLiteral("Z"));
    EXPECT_EQ(CellReference::columnName(27), QStringLiteral("AA"));
    EXPECT_EQ(CellReference::columnName(256), QStringLiteral("IV"));
    EXPECT_EQ(CellReference::cell(12, 33), QStringLiteral("AG12"));
    EXPECT_EQ(CellReference::parseCell(QStringLiteral("ag12"))->left, 33);
    EXPECT_EQ(*CellReference::parseRange(QStringLiteral("$C$40:A11")), (CellRange{11, 1, 40, 3}));
    EXPECT_EQ(CellReference::range(CellRange{11, 1, 40, 33}), QStringLiteral("A11:AG40"));
    EXPECT_EQ(CellReference::range(CellRange{3, 2, 3, 2}), QStringLiteral("B3"));
}

TEST(CellReference, RejectsWhatIsNotACellOfTheSheet)
{
    for (const char *text : {"", "A", "12", "A0", "IW1", "A65537", "A1:B", "A1:B2:C3", "1A"})
        EXPECT_FALSE(CellReference::parseRange(QString::fromLatin1(text))) << text;
}

TEST(TemplateReader, ReadsTheSampleSheet)
{
    const Sheet sheet = TemplateReader::readFile(QStringLiteral(SAMPLE_TEMPLATE));
    EXPECT_EQ(sheet.text(1, 1), QStringLiteral("病人满意度调查统计表（一）"));
    EXPECT_EQ(sheet.text(4, 7), QStringLiteral("医务人员或科研人员"));
    EXPECT_EQ(sheet.lastRow(), 12);
    EXPECT_EQ(sheet.lastCol(), 33);
    EXPECT_EQ(sheet.header(), QStringLiteral("示例医院      调查日期："));
    EXPECT_EQ(sheet.colWidth(1), 1500);
    EXPECT_EQ(sheet.colWidth(3), 480);
    EXPECT_EQ(sheet.colWidth(32), 480);
    EXPECT_EQ(sheet.colWidth(33), 900);
    EXPECT_EQ(sheet.rowHeight(1), 600);
    EXPECT_EQ(sheet.rowHeight(10), 240);
    EXPECT_EQ(sheet.rowHeight(11), Sheet::DefaultRowHeight);
    EXPECT_EQ(sheet.mergeAt(1, 20), (CellRange{1, 1, 1, 33}));
    EXPECT_EQ(sheet.mergeAt(7, 7), (CellRange{4, 7, 10, 7}));
    EXPECT_FALSE(sheet.mergeAt(11, 1));
    EXPECT_EQ(sheet.page().orientation, QPageLayout::Landscape);
    EXPECT_EQ(sheet.page().margins, QMarginsF(12, 15, 12, 15));

    const CellStyle &title = sheet.style(1, 1);
    EXPECT_EQ(title.fontName, QStringLiteral("宋体"));
    EXPECT_EQ(title.fontSize, 16);
    EXPECT_EQ(title.fontCharSet, 134);
    EXPECT_TRUE(title.bold);
    EXPECT_EQ(title.hAlign, HAlign::Center);
    EXPECT_EQ(title.borders[TopEdge].style, LineStyle::None);

    // "cells" gives the header block its framed style; a later "cell" with a style replaces it.
    const CellStyle &answer = sheet.style(4, 3);
    EXPECT_FALSE(answer.bold);
    EXPECT_TRUE(answer.wrap);
    for (const Border &border : answer.borders)
        EXPECT_EQ(border, (Border{LineStyle::Thin, Qt::black}));
    EXPECT_TRUE(sheet.style(3, 1).bold);
    // Rows the builders fill are empty and unstyled.
    EXPECT_EQ(sheet.text(11, 20), QString());
    EXPECT_EQ(sheet.style(11, 20), sheet.defaultStyle());
}

TEST(TemplateReader, ReadsEveryStyleItemQuotingAndComments)
{
    const Sheet sheet = readText(
        "\xEF\xBB\xBFhestova-sheet 1\r\n"
        "# a comment\r\n"
        "default size=10.5\r\n"
        "style s font=\"Sans # not a comment\" charset=0 italic underline color=#112233 fill=#FFFF00 "
        "h=right v=top left=double:#FF0000 right=dashed top=dotted bottom=thick   # trailing\n"
        "cell B2 s \"say \\\"hi\\\"\\\\\\nthere\"\n"
        "cell C3 \"plain\"\n");
    const CellStyle &s = sheet.style(2, 2);
    EXPECT_EQ(s.fontName, QStringLiteral("Sans # not a comment"));
    EXPECT_EQ(s.fontSize, 10.5);
    EXPECT_EQ(s.fontCharSet, 0);
    EXPECT_TRUE(s.italic);
    EXPECT_TRUE(s.underline);
    EXPECT_EQ(s.textColor, QColor(0x11, 0x22, 0x33));
    EXPECT_EQ(s.fill, QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(s.hAlign, HAlign::Right);
    EXPECT_EQ(s.vAlign, VAlign::Top);
    EXPECT_EQ(s.borders[LeftEdge], (Border{LineStyle::Double, QColor(0xFF, 0, 0)}));
    EXPECT_EQ(s.borders[RightEdge].style, LineStyle::Dashed);
    EXPECT_EQ(s.borders[TopEdge].style, LineStyle::Dotted);
    EXPECT_EQ(s.borders[BottomEdge].style, LineStyle::Thick);
    EXPECT_EQ(sheet.text(2, 2), QStringLiteral("say \"hi\"\\\nthere"));
    // A cell without a style has the default style as it stood.
    EXPECT_EQ(sheet.style(3, 3).fontSize, 10.5);
    // Without "used", the used range covers the written cells.
    EXPECT_EQ(sheet.lastRow(), 3);
    EXPECT_EQ(sheet.lastCol(), 3);
}

TEST(TemplateReader, UsedRangeCoversMergesWhenNotGiven)
{
    const Sheet sheet = readText("hestova-sheet 1\nmerge B2:D5\n");
    EXPECT_EQ(sheet.lastRow(), 5);
    EXPECT_EQ(sheet.lastCol(), 4);
}

TEST(TemplateReader, MalformedLinesNameFileAndLine)
{
    const AppError error = formatError("hestova-sheet 1\n\ncell A1 \"ok\"\ncell A1 nostyle \"x\"\n");
    EXPECT_EQ(error.number(), ErrorNumber::BadFileFormat);
    EXPECT_TRUE(error.description().contains(QStringLiteral("t.vts 第 4 行"))) << error.description().toStdString();
    EXPECT_TRUE(error.description().contains(QStringLiteral("nostyle")));

    const QList<QByteArray> malformed = {
        "",                                              // empty file
        "cell A1 \"x\"\n",                               // no version line
        "hestova-sheet 2\n",                             // unknown version
        "hestova-sheet 1\nfrobnicate\n",                 // unknown statement
        "hestova-sheet 1\ncell A1 \"open\n",             // open quote
        "hestova-sheet 1\ncell A1 \"bad \\t escape\"\n", // unknown escape
        "hestova-sheet 1\ncell A1 bare-text\n",          // unknown style (texts need quotes)
        "hestova-sheet 1\ncell ZZZZ1 \"x\"\n",           // column outside the sheet
        "hestova-sheet 1\nmerge A1:B2\nmerge B2:C3\n",   // overlapping merges
        "hestova-sheet 1\ncolumn 5-3 width=100\n",       // backward span
        "hestova-sheet 1\nrow 1 height=-5\n",            // negative height
        "hestova-sheet 1\nstyle s h=middle\n",           // unknown alignment
        "hestova-sheet 1\nstyle s box=wavy\n",           // unknown line
        "hestova-sheet 1\nstyle s color=red\n",          // colour not #RRGGBB
        "hestova-sheet 1\npage margins=1,2,3\n",         // three margins
        "hestova-sheet 1\nused rows=0 cols=5\n",         // no rows
        "hestova-sheet 1\nheader unquoted\n",            // header needs quotes
        "hestova-sheet 1\ncell A1 \"a\"\"b\"\n",         // texts run together
        "hestova-sheet 1\ncell A1\xC3\x28\n",            // not UTF-8
    };
    for (const QByteArray &text : malformed)
        EXPECT_EQ(formatError(text).number(), ErrorNumber::BadFileFormat) << text.toStdString();
}

TEST(TemplateReader, MissingFileIsFileNotFound)
{
    QTemporaryDir dir;
    try {
        TemplateReader::readFile(dir.filePath(QStringLiteral("none.vts")));
        FAIL() << "no error";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), ErrorNumber::FileMissing);
        EXPECT_TRUE(error.description().contains(QStringLiteral("none.vts")));
    }
}

TEST(TemplateReader, ReadsTheExampleOfTheFormatDescription)
{
    QFile description(QStringLiteral(HESTOVA_SOURCE_DIR "/data/report/FORMAT.md"));
    ASSERT_TRUE(description.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(description.readAll());
    const qsizetype start = text.indexOf(QStringLiteral("```\n")) + 4;
    const qsizetype end = text.indexOf(QStringLiteral("```"), start);
    ASSERT_GT(start, 3);
    ASSERT_GT(end, start);
    const Sheet sheet = readText(text.mid(start, end - start).toUtf8());
    EXPECT_EQ(sheet.text(1, 1), QStringLiteral("病人满意度调查统计表（一）"));
    EXPECT_EQ(sheet.lastCol(), 33);
    EXPECT_TRUE(sheet.style(3, 1).wrap);
    EXPECT_EQ(sheet.mergeAt(5, 1), (CellRange{3, 1, 10, 1}));
}
