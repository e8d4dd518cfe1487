#include "spreadsheet/Spreadsheet.h"

#include "core/AppError.h"
#include "forms/Twips.h"
#include "spreadsheet/CellFormat.h"
#include "spreadsheet/PrinterService.h"
#include "spreadsheet/SheetPainter.h"
#include "spreadsheet/SheetPrinter.h"
#include "spreadsheet/TemplateReader.h"

#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QScrollBar>
#include <cmath>
#include <functional>

namespace hestova::spreadsheet {

namespace {

constexpr int HeaderStripHeight = 24;  // pixels of the header line above the cells
constexpr int ScreenTwipsPerPixel = TwipsPerPixel;

void checkCell(int row, int col)
{
    if (row < 1 || row > CellReference::MaxRows || col < 1 || col > CellReference::MaxCols)
        throw AppError(ErrorNumber::InvalidArgument,
                       QStringLiteral("单元格 (%1, %2) 超出表格范围").arg(row).arg(col));
}

}  // namespace

Spreadsheet::Spreadsheet(QWidget *parent) : QAbstractScrollArea(parent), m_header(new QLabel(this))
{
    m_header->setAlignment(Qt::AlignCenter);
    m_header->setAutoFillBackground(true);
    viewport()->setAutoFillBackground(true);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(palette);
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    sheetChanged();
}

Spreadsheet::~Spreadsheet() = default;

int Spreadsheet::ReadTemplate(const QString &path)
{
    QString native = path;
    native.replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_sheet = TemplateReader::readFile(native);  // raises before anything shown changes
    m_selection = CellRange{};
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    sheetChanged();
    return TemplateFileType;
}

void Spreadsheet::setSheetOption(bool gridLines)
{
    m_gridLines = gridLines;
    viewport()->update();
}

void Spreadsheet::setHeaderText(const QString &text)
{
    m_sheet.setHeader(text);
    sheetChanged();
}

void Spreadsheet::setLastCol(int cols)
{
    if (cols < 1 || cols > CellReference::MaxCols)
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("列数 %1 超出范围").arg(cols));
    m_sheet.setLastCol(cols);
    sheetChanged();
}

void Spreadsheet::setLastRow(int rows)
{
    if (rows < 1 || rows > CellReference::MaxRows)
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("行数 %1 超出范围").arg(rows));
    m_sheet.setLastRow(rows);
    sheetChanged();
}

QString Spreadsheet::CellText(int row, int col) const
{
    checkCell(row, col);
    return m_sheet.text(row, col);
}

void Spreadsheet::setCellText(int row, int col, const QString &text)
{
    checkCell(row, col);
    m_sheet.setText(row, col, text);
    sheetChanged();
}

int Spreadsheet::RowSize(int row) const
{
    checkCell(row, 1);
    return m_sheet.rowHeight(row);
}

void Spreadsheet::setRowSize(int row, int twips)
{
    checkCell(row, 1);
    if (twips < 0 || twips > 32767)
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("行高 %1 超出范围").arg(twips));
    m_sheet.setRowHeight(row, twips);
    sheetChanged();
}

void Spreadsheet::SelectRange(int row1, int col1, int row2, int col2)
{
    checkCell(row1, col1);
    checkCell(row2, col2);
    m_selection = CellRange::spanning(row1, col1, row2, col2);
    viewport()->update();
}

QString Spreadsheet::CellRef(int row, int col, bool absolute) const
{
    checkCell(row, col);
    if (absolute)
        return QLatin1Char('$') + CellReference::columnName(col) + QLatin1Char('$') + QString::number(row);
    return CellReference::cell(row, col);
}

QString Spreadsheet::SelectionRef() const
{
    return CellReference::range(m_selection);
}

void Spreadsheet::setSelectionRef(const QString &reference)
{
    const auto range = CellReference::parseRange(reference);
    if (!range)
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("单元格引用“%1”无效").arg(reference));
    m_selection = *range;
    viewport()->update();
}

QObject *Spreadsheet::CurrentFormat() const
{
    return new CellFormat(m_sheet.style(m_selection.top, m_selection.left));
}

void Spreadsheet::ApplyFormat(QObject *format)
{
    const auto *cellFormat = qobject_cast<const CellFormat *>(format);
    if (!cellFormat)
        throw AppError(ErrorNumber::TypeMismatch, QStringLiteral("ApplyFormat 需要一个单元格格式"));
    const CellRange &s = m_selection;
    for (int row = s.top; row <= s.bottom; ++row) {
        for (int col = s.left; col <= s.right; ++col) {
            CellStyle style = m_sheet.style(row, col);
            cellFormat->applyTo(style, {col == s.left, col == s.right, row == s.top, row == s.bottom});
            m_sheet.setStyle(row, col, style);
        }
    }
    viewport()->update();
}

QPrinter &Spreadsheet::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    m_printer->setDocName(m_documentName);
    return *m_printer;
}

void Spreadsheet::PrintSheet(bool withDialog, bool selectionOnly)
{
    Q_UNUSED(withDialog);
    Q_UNUSED(selectionOnly);
    QPrinter &target = printer();
    PrinterService::current().prepare(target);
    SheetPrinter::applyPage(m_sheet, target);
    SheetPrinter::print(m_sheet, target);
}

void Spreadsheet::PreviewSheet()
{
    QPrinter &target = printer();
    SheetPrinter::applyPage(m_sheet, target);
    PrinterService::current().preview(target, [this](QPrinter &device) { SheetPrinter::print(m_sheet, device); }, this);
}

void Spreadsheet::PrintSetup()
{
    QPrinter &target = printer();
    SheetPrinter::applyPage(m_sheet, target);
    if (PrinterService::current().setup(target, this)) {
        PageSetup page = m_sheet.page();
        page.orientation = target.pageLayout().orientation();
        m_sheet.setPage(page);
    }
}

int Spreadsheet::Left() const { return forms::Twips::left(this); }
void Spreadsheet::setLeft(int twips) { forms::Twips::setLeft(this, twips); }
int Spreadsheet::Top() const { return forms::Twips::top(this); }
void Spreadsheet::setTop(int twips) { forms::Twips::setTop(this, twips); }
int Spreadsheet::Width() const { return forms::Twips::width(this); }
void Spreadsheet::setWidth(int twips) { forms::Twips::setWidth(this, twips); }
int Spreadsheet::Height() const { return forms::Twips::height(this); }
void Spreadsheet::setHeight(int twips) { forms::Twips::setHeight(this, twips); }

void Spreadsheet::Move(int left, int top, int width, int height)
{
    if (width < 0 || height < 0)
        throw AppError(ErrorNumber::InvalidArgument, QStringLiteral("宽度或高度不能为负"));
    forms::Twips::move(this, left, top, width, height);
}

void Spreadsheet::sheetChanged()
{
    m_header->setFont(SheetPainter::fontOf(m_sheet.defaultStyle(), 1.0 / ScreenTwipsPerPixel));
    m_header->setText(m_sheet.header());
    m_header->setVisible(!m_sheet.header().isEmpty());
    layoutHeader();
    updateScrollBars();
    viewport()->update();
}

void Spreadsheet::layoutHeader()
{
    const int strip = m_sheet.header().isEmpty() ? 0 : HeaderStripHeight;
    setViewportMargins(0, strip, 0, 0);
    const QRect area = contentsRect();
    m_header->setGeometry(area.left(), area.top(), area.width(), strip);
}

void Spreadsheet::updateScrollBars()
{
    const int width = int(std::ceil(double(m_sheet.width(m_sheet.lastCol())) / ScreenTwipsPerPixel));
    const int height = int(std::ceil(double(m_sheet.height(m_sheet.lastRow())) / ScreenTwipsPerPixel));
    const QSize room = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, width - room.width()));
    horizontalScrollBar()->setPageStep(room.width());
    verticalScrollBar()->setRange(0, std::max(0, height - room.height()));
    verticalScrollBar()->setPageStep(room.height());
}

CellRange Spreadsheet::visibleCells() const
{
    // The rows and columns that reach into the viewport, found from the scroll position in twips.
    auto span = [](int first, int last, double from, double to, const std::function<int(int)> &sizeOf) {
        int start = first;
        double edge = 0;
        while (start < last && edge + sizeOf(start) <= from)
            edge += sizeOf(start++);
        int end = start;
        double far = edge + sizeOf(start);
        while (end < last && far < to)
            far += sizeOf(++end);
        return std::pair{start, end};
    };
    const double left = horizontalScrollBar()->value() * ScreenTwipsPerPixel;
    const double top = verticalScrollBar()->value() * ScreenTwipsPerPixel;
    const QSize room = viewport()->size() * ScreenTwipsPerPixel;
    const auto [firstCol, lastCol] = span(1, m_sheet.lastCol(), left, left + room.width(),
                                          [this](int c) { return m_sheet.colWidth(c); });
    const auto [firstRow, lastRow] = span(1, m_sheet.lastRow(), top, top + room.height(),
                                          [this](int r) { return m_sheet.rowHeight(r); });
    return CellRange{firstRow, firstCol, lastRow, lastCol};
}

void Spreadsheet::paintEvent(QPaintEvent *)
{
    QPainter painter(viewport());
    SheetPainter::Options options;
    options.scale = 1.0 / ScreenTwipsPerPixel;
    options.gridLines = m_gridLines;
    options.selection = m_selection;
    const CellRange visible = visibleCells();
    const QPointF origin(m_sheet.colLeft(visible.left) * options.scale - horizontalScrollBar()->value(),
                         m_sheet.rowTop(visible.top) * options.scale - verticalScrollBar()->value());
    SheetPainter(m_sheet, visible, origin, options).paint(painter);
}

void Spreadsheet::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    layoutHeader();
    updateScrollBars();
}

void Spreadsheet::scrollContentsBy(int, int)
{
    viewport()->update();
}

}  // namespace hestova::spreadsheet
