#pragma once

#include "spreadsheet/Sheet.h"

#include <QAbstractScrollArea>
#include <memory>

class QLabel;
class QPrinter;

namespace hestova::spreadsheet {

// The spreadsheet control of the report windows: shows one sheet read from a ".vts" template, lets the
// program write and read cell texts, size rows, select ranges, format them, and print the sheet.
// Every operation is reachable late-bound by name (properties and invokable methods) and directly from C++;
// a failing operation raises AppError. Lengths are twips (15 per pixel), rows and columns count from 1.
class Spreadsheet : public QAbstractScrollArea {
    Q_OBJECT
    Q_PROPERTY(bool SheetOption READ SheetOption WRITE setSheetOption)
    Q_PROPERTY(QString HeaderText READ HeaderText WRITE setHeaderText)
    Q_PROPERTY(int LastCol READ LastCol WRITE setLastCol)
    Q_PROPERTY(int LastRow READ LastRow WRITE setLastRow)
    Q_PROPERTY(QString SelectionRef READ SelectionRef WRITE setSelectionRef)
    Q_PROPERTY(QString DocumentName READ DocumentName WRITE setDocumentName)
    Q_PROPERTY(int Left READ Left WRITE setLeft)
    Q_PROPERTY(int Top READ Top WRITE setTop)
    Q_PROPERTY(int Width READ Width WRITE setWidth)
    Q_PROPERTY(int Height READ Height WRITE setHeight)

public:
    static constexpr int TemplateFileType = 1;  // file-type code of a ".vts" template

    explicit Spreadsheet(QWidget *parent = nullptr);
    ~Spreadsheet() override;

    // Replaces the whole sheet by the template's; returns the file-type code. A missing or malformed file
    // raises AppError and leaves the shown sheet as it was. Windows-style "\" separators are accepted.
    Q_INVOKABLE int ReadTemplate(const QString &path);
    void ReadTemplate(const QString &path, qint16 &fileType) { fileType = qint16(ReadTemplate(path)); }

    // True shows grid lines between the cells on screen; printing never shows them.
    bool SheetOption() const { return m_gridLines; }
    void setSheetOption(bool gridLines);

    // The header line of the shown sheet: above the cells on screen and at the top of every printed page.
    QString HeaderText() const { return m_sheet.header(); }
    void setHeaderText(const QString &text);

    // The used range: what is shown and printed.
    int LastCol() const { return m_sheet.lastCol(); }
    void setLastCol(int cols);
    int LastRow() const { return m_sheet.lastRow(); }
    void setLastRow(int rows);

    // A cell's text ("" for an empty cell); writing a text outside the used range widens it.
    Q_INVOKABLE QString CellText(int row, int col) const;
    Q_INVOKABLE void setCellText(int row, int col, const QString &text);

    // A row's height in twips.
    Q_INVOKABLE int RowSize(int row) const;
    Q_INVOKABLE void setRowSize(int row, int twips);

    Q_INVOKABLE void SelectRange(int row1, int col1, int row2, int col2);
    // "AG12"; with `absolute` "$AG$12".
    Q_INVOKABLE QString CellRef(int row, int col, bool absolute) const;
    // "A11:AG40" (or one cell): reading names the selection, writing selects the range.
    QString SelectionRef() const;
    void setSelectionRef(const QString &reference);

    // The format of the selection's first cell, as a CellFormat the caller owns.
    Q_INVOKABLE QObject *CurrentFormat() const;
    // Gives every selected cell the members set on `format` (a CellFormat).
    Q_INVOKABLE void ApplyFormat(QObject *format);

    // The name of the prints: the job's name in the print queue, a PDF's title.
    QString DocumentName() const { return m_documentName; }
    void setDocumentName(const QString &name) { m_documentName = name; }

    // Prints the shown sheet at once, without a dialog, to the printer chosen in PrintSetup (or the default).
    // The two flags are accepted for the callers' sake and change nothing.
    Q_INVOKABLE void PrintSheet(bool withDialog = false, bool selectionOnly = false);
    Q_INVOKABLE void PreviewSheet();
    // The print dialog: printer (a PDF file among the choices), paper and orientation for the later prints of
    // the shown sheet; the next template brings its own orientation.
    Q_INVOKABLE void PrintSetup();

    // The control's place in its window, in twips.
    int Left() const;
    void setLeft(int twips);
    int Top() const;
    void setTop(int twips);
    int Width() const;
    void setWidth(int twips);
    int Height() const;
    void setHeight(int twips);
    Q_INVOKABLE void Move(int left, int top, int width, int height);

    const Sheet &sheet() const { return m_sheet; }
    CellRange selection() const { return m_selection; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    QPrinter &printer();
    CellRange visibleCells() const;
    void sheetChanged();
    void updateScrollBars();
    void layoutHeader();

    Sheet m_sheet;
    CellRange m_selection;
    bool m_gridLines = true;
    QLabel *m_header;
    QString m_documentName;
    std::unique_ptr<QPrinter> m_printer;
};

}  // namespace hestova::spreadsheet
