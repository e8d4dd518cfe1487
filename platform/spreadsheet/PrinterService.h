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
    // installed and no output file chosen in the set-up dialog. A print to a file chosen in the set-up dialog
    // replaces that file; within a PrintRun it goes to "<name>-N.pdf", N its place in the run.
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

    // The set-up dialog chose this output file (empty: a printer).
    void chooseFile(const QString &path);

private:
    QString m_chosenFile;
};

// The prints made while it exists form one run (a report's "打印全部"), numbered from 1 in print order, so that
// printing to a file keeps every sheet of the run.
class PrintRun {
public:
    PrintRun();
    ~PrintRun();
    PrintRun(const PrintRun &) = delete;
    PrintRun &operator=(const PrintRun &) = delete;

    // The place of the print being prepared in the run under way, or 0 outside a run.
    static int nextPlace();

private:
    int m_outerPrints;
};

}  // namespace hestova::spreadsheet
