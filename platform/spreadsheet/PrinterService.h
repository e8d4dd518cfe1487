#pragma once

#include <QStringList>
#include <functional>
#include <memory>

class QPrinter;
class QWidget;

namespace hestova::spreadsheet {

// Where the spreadsheet's printing goes: the system's printers, print dialog and preview, or a test's stand-in
// that prints to a PDF file and answers the dialogs. One service serves the whole program.
class PrinterService {
public:
    using PaintPages = std::function<void(QPrinter &)>;

    virtual ~PrinterService();

    // Makes `printer` ready to print without a dialog. Raises AppError when there is nowhere to print: no printer
    // installed and no output file chosen in the set-up dialog. Prints to a file chosen in the set-up dialog go
    // to that name, then to "<name>-2.pdf", "<name>-3.pdf", ..., so that printing several sheets keeps each one.
    virtual void prepare(QPrinter &printer);

    // The print set-up dialog on `printer`; true when the operator confirmed it.
    virtual bool setup(QPrinter &printer, QWidget *parent);

    // A print preview of what `paint` puts on `printer`.
    virtual void preview(QPrinter &printer, const PaintPages &paint, QWidget *parent);

    // The text of the error for a machine without printers.
    static QString noPrinterText();

    static PrinterService &current();
    // Puts `service` in place and returns the one it replaces (nullptr restores the system's service).
    static std::unique_ptr<PrinterService> replace(std::unique_ptr<PrinterService> service);

protected:
    // Names of the installed printers and the default one.
    virtual QStringList installedPrinters() const;
    virtual QString defaultPrinter() const;

    // The set-up dialog chose this output file (empty: a printer); the numbering of prints starts again.
    void chooseFile(const QString &path);

private:
    QString m_chosenFile;
    int m_filePrints = 0;
};

}  // namespace hestova::spreadsheet
