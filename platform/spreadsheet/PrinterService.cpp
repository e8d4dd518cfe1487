#include "spreadsheet/PrinterService.h"

#include "core/AppError.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <optional>

namespace hestova::spreadsheet {

namespace {

std::unique_ptr<PrinterService> &slot()
{
    static std::unique_ptr<PrinterService> service;
    return service;
}

// Prints of the run under way; -1 outside a run.
int runPrints = -1;

// "a/b.pdf", 3 -> "a/b-3.pdf"; place 0 keeps the name.
QString numberedFile(const QString &path, int place)
{
    if (place <= 0)
        return path;
    const QFileInfo info(path);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return info.dir().filePath(info.completeBaseName() + QLatin1Char('-') + QString::number(place) + suffix);
}

}  // namespace

PrinterService::~PrinterService() = default;

QString PrinterService::noPrinterText()
{
    return QStringLiteral("没有安装打印机，无法打印。请先安装打印机，或在“打印设置”中选择打印到文件（PDF）。");
}

void PrinterService::prepare(QPrinter &printer)
{
    // A file chosen in the set-up dialog needs no printer.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        if (!m_chosenFile.isEmpty())
            printer.setOutputFileName(numberedFile(m_chosenFile, PrintRun::nextPlace()));
        return;
    }
    const QStringList printers = installedPrinters();
    if (printers.isEmpty())
        throw AppError(ErrorNumber::Printing, noPrinterText());
    printer.setOutputFormat(QPrinter::NativeFormat);
    if (!printers.contains(printer.printerName())) {
        const QString chosen = defaultPrinter();
        printer.setPrinterName(printers.contains(chosen) ? chosen : printers.first());
    }
    if (!printer.isValid())
        throw AppError(ErrorNumber::Printing, QStringLiteral("打印机“%1”不可用。").arg(printer.printerName()));
}

bool PrinterService::setup(QPrinter &printer, QWidget *parent)
{
    QPrintDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印设置"));
    // The dialog only stores the choice; its accept button would otherwise read "打印".
    if (auto *buttons = dialog.findChild<QDialogButtonBox *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (QPushButton *accept = buttons->button(QDialogButtonBox::Ok))
            accept->setText(QStringLiteral("确定"));
    }
    if (dialog.exec() != QDialog::Accepted)
        return false;
    const bool toFile = printer.outputFormat() == QPrinter::PdfFormat;
    chooseFile(toFile ? printer.outputFileName() : QString());
    return true;
}

void PrinterService::preview(QPrinter &printer, const PaintPages &paint, QWidget *parent)
{
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QStringLiteral("打印预览"));
    std::optional<AppError> failure;
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, [&](QPrinter *target) {
        // The dialog calls back from its own event handling: the error must not unwind through it, so it is
        // kept, the dialog closed, and the error raised to the caller below.
        try {
            paint(*target);
        } catch (const AppError &error) {
            failure = error;
            dialog.reject();
        }
    });
    dialog.exec();
    if (failure)
        throw *failure;
}

void PrinterService::chooseFile(const QString &path)
{
    m_chosenFile = path;
}

QStringList PrinterService::installedPrinters() const
{
    return QPrinterInfo::availablePrinterNames();
}

QString PrinterService::defaultPrinter() const
{
    return QPrinterInfo::defaultPrinterName();
}

PrinterService &PrinterService::current()
{
    if (!slot())
        slot() = std::make_unique<PrinterService>();
    return *slot();
}

std::unique_ptr<PrinterService> PrinterService::replace(std::unique_ptr<PrinterService> service)
{
    std::unique_ptr<PrinterService> previous = std::move(slot());
    slot() = std::move(service);
    return previous;
}

// A run inside a run numbers its own prints; the outer run goes on where it was.
PrintRun::PrintRun() : m_outerPrints(runPrints)
{
    runPrints = 0;
}

PrintRun::~PrintRun()
{
    runPrints = m_outerPrints;
}

int PrintRun::nextPlace()
{
    return runPrints < 0 ? 0 : ++runPrints;
}

}  // namespace hestova::spreadsheet
