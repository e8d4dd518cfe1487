#pragma once

#include "spreadsheet/PrinterService.h"

#include <QPageLayout>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <optional>

// Maps the face "宋体" to the installed Song-style face, as the program does at start.
void useSongFace();

// Writes `text` to `name` inside `dir` and returns the file's path.
QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &text);

// Prints to a PDF file instead of a printer and answers the set-up dialog; never opens a dialog.
class PdfPrinterService : public hestova::spreadsheet::PrinterService {
public:
    explicit PdfPrinterService(const QString &pdfPath) : m_pdfPath(pdfPath) {}

    void prepare(QPrinter &printer) override;
    bool setup(QPrinter &printer, QWidget *parent) override;
    void preview(QPrinter &printer, const PaintPages &paint, QWidget *parent) override;

    int prepared = 0;
    int setups = 0;
    int previews = 0;
    bool setupAnswer = true;
    std::optional<QPageLayout::Orientation> setupOrientation;

private:
    QString m_pdfPath;
};

// The system's service on a machine without printers.
class NoPrinterService : public hestova::spreadsheet::PrinterService {
protected:
    QStringList installedPrinters() const override { return {}; }
};

// The system's service on a machine without printers, its set-up dialog answered with a PDF file as a person
// would choose it.
class FileChosenInSetUp : public NoPrinterService {
public:
    explicit FileChosenInSetUp(const QString &pdfPath) : m_pdfPath(pdfPath) {}
    bool setup(QPrinter &printer, QWidget *parent) override;

private:
    QString m_pdfPath;
};

// Puts a printer service in place for one test and restores the previous one.
class ScopedPrinterService {
public:
    explicit ScopedPrinterService(std::unique_ptr<hestova::spreadsheet::PrinterService> service);
    ~ScopedPrinterService();

private:
    std::unique_ptr<hestova::spreadsheet::PrinterService> m_previous;
};

// Text of a PDF (all pages, or page `page` counted from 1) and its page count, through poppler-utils.
QString pdfText(const QString &pdfPath, int page = 0);
int pdfPageCount(const QString &pdfPath);
// Size of the first page in points.
QSizeF pdfPageSize(const QString &pdfPath);
// The document's title.
QString pdfTitle(const QString &pdfPath);
