#include "functional/Reportzn.h"

#include "functional/FunctionalSheetBuilder.h"
#include "functional/FunctionalSheets.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>

using hestova::reports::FunctionalSheet;
using hestova::reports::functionalSheet;
using hestova::reports::functionalSheets;

namespace {

// The items of the sheet menu znmyd in menu order: the sheet each builds, its key and its submenu (none for the
// first eleven). The menu order differs from the template order from the eleventh item on.
struct SheetMenuItem {
    int templateNumber;
    const char *key;
    const char *submenu;
};

constexpr SheetMenuItem SheetMenuItems[] = {
    {1, "Ctrl+F1", nullptr},
    {2, "Ctrl+F2", nullptr},
    {3, "Ctrl+F3", nullptr},
    {4, "Ctrl+F4", nullptr},
    {5, "Ctrl+F5", nullptr},
    {6, "Ctrl+F6", nullptr},
    {7, "Ctrl+F7", nullptr},
    {8, "Ctrl+F8", nullptr},
    {9, "Ctrl+F9", nullptr},
    {10, "Ctrl+F11", nullptr},
    {17, "Shift+F6", nullptr},
    {11, "Shift+F1", "直属支部"},
    {12, "Shift+F2", "直属支部"},
    {13, "Shift+F3", "直属支部"},
    {14, "Shift+F4", "直属支部"},
    {15, "Shift+F5", "直属支部"},
    {16, "", "直属支部"},
    {19, "Shift+F8", "总务处及后勤班组"},
    {20, "Shift+F9", "总务处及后勤班组"},
    {21, "Shift+F11", "总务处及后勤班组"},
    {18, "Shift+F7", "总务处及后勤班组"},
    {22, "Shift+F12", "总务处及后勤班组"},
    {23, "", "总务处及后勤班组"},
    {24, "", "总务处及后勤班组"},
};

// Captions of the menu's items in menu order; each sheet's picture is tagged with its caption.
QStringList sheetItemCaptions()
{
    QStringList captions;
    for (const SheetMenuItem &item : SheetMenuItems)
        captions.append(functionalSheet(item.templateNumber).menuCaption());
    return captions;
}

}  // namespace

Reportzn::Reportzn() : ReportWindow(QStringLiteral("Reportzn"), QStringLiteral("znmyd"), sheetItemCaptions())
{
    createSheetMenu();
}

// Each item and submenu head bears its caption as its name.
void Reportzn::createSheetMenu()
{
    QMenu *submenu = nullptr;
    for (const SheetMenuItem &item : SheetMenuItems) {
        if (item.submenu && (!submenu || submenu->objectName() != QString::fromUtf8(item.submenu))) {
            const QString head = QString::fromUtf8(item.submenu);
            submenu = SheetMenu().addMenu(head);
            submenu->setObjectName(head);
            submenu->menuAction()->setObjectName(head);
        }
        const int templateNumber = item.templateNumber;
        const QString caption = functionalSheet(templateNumber).menuCaption();
        addMenuItem(item.submenu ? submenu : &SheetMenu(), caption, caption, QKeySequence(QString::fromLatin1(item.key)),
                    [this, templateNumber] { BuildZnSheet(templateNumber); });
    }
}

void Reportzn::BuildZnSheet(int templateNumber)
{
    BuildZnSheet(functionalSheet(templateNumber));
}

void Reportzn::BuildZnSheet(const FunctionalSheet &sheet)
{
    SheetPreamble(sheet.templateFile(), sheet.menuCaption());
    hestova::reports::FunctionalSheetBuilder(F1Book1(), ReportConn()).fill(sheet);
}

// Template order; the first failing build or print ends the run (the caller reports it), and the sheets
// printed before stay printed.
void Reportzn::PrintAllSheets()
{
    for (const FunctionalSheet &sheet : functionalSheets()) {
        BuildZnSheet(sheet);
        F1Book1().invoke("PrintSheet", {false, false});
    }
}
