#include "SheetTestSupport.h"

#include <QFile>
#include <QFont>
#include <QPageLayout>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

void useSongFace()
{
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei")});
}

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &text)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    return path;
}

void PdfPrinterService::prepare(QPrinter &printer)
{
    ++prepared;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdfPath);
}

bool PdfPrinterService::setup(QPrinter &printer, QWidget *)
{
    ++setups;
    if (setupOrientation)
        printer.setPageOrientation(*setupOrientation);
    return setupAnswer;
}

void PdfPrinterService::preview(QPrinter &printer, const PaintPages &paint, QWidget *)
{
    ++previews;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdfPath);
    paint(printer);
}

bool FileChosenInSetUp::setup(QPrinter &printer, QWidget *)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_pdfPath);
    chooseFile(m_pdfPath);
    return true;
}

ScopedPrinterService::ScopedPrinterService(std::unique_ptr<hestova::spreadsheet::PrinterService> service)
    : m_previous(hestova::spreadsheet::PrinterService::replace(std::move(service)))
{
}

ScopedPrinterService::~ScopedPrinterService()
{
    hestova::spreadsheet::PrinterService::replace(std::move(m_previous));
}

QString pdfText(const QString &pdfPath, int page)
{
    QStringList args;
    if (page > 0)
        args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l") << QString::number(page);
    args << pdfPath << QStringLiteral("-");
    QProcess process;
    process.start(QStringLiteral("pdftotext"), args);
    EXPECT_TRUE(process.waitForFinished(-1));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

namespace {

QString pdfInfo(const QString &pdfPath)
{
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {pdfPath});
    EXPECT_TRUE(process.waitForFinished(-1));
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

int pdfPageCount(const QString &pdfPath)
{
    const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(pdfInfo(pdfPath));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QSizeF pdfPageSize(const QString &pdfPath)
{
    const auto match =
        QRegularExpression(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)")).match(pdfInfo(pdfPath));
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble()) : QSizeF();
}

QString pdfTitle(const QString &pdfPath)
{
    return QRegularExpression(QStringLiteral("^Title:\\s+(.*)$"), QRegularExpression::MultilineOption)
        .match(pdfInfo(pdfPath))
        .captured(1);
}
