#include "patient/Reportbr.h"

#include "patient/PatientSheets.h"
#include "patient/SheetBuilder.h"

#include <QKeySequence>

using hestova::reports::patient::patientSheets;
using hestova::reports::patient::SheetBuilder;

namespace {
// Captions of the sheet menu brmydbb; each sheet's picture is tagged with its caption.
const QStringList SheetCaptions = {
    QStringLiteral("病人满意度调查报表1"), QStringLiteral("病人满意度调查报表2"), QStringLiteral("病人满意度调查报表3"),
    QStringLiteral("病人满意度调查报表4"), QStringLiteral("病人满意度调查报表5"), QStringLiteral("病人满意度调查报表6"),
};

// The sixth item's key is Shift+F6.
const QList<QKeySequence> SheetShortcuts = {
    QKeySequence(Qt::CTRL | Qt::Key_F1), QKeySequence(Qt::CTRL | Qt::Key_F2), QKeySequence(Qt::CTRL | Qt::Key_F3),
    QKeySequence(Qt::CTRL | Qt::Key_F4), QKeySequence(Qt::CTRL | Qt::Key_F5), QKeySequence(Qt::SHIFT | Qt::Key_F6),
};
}  // namespace

Reportbr::Reportbr() : ReportWindow(QStringLiteral("Reportbr"), QStringLiteral("brmydbb"), SheetCaptions)
{
    addSheetItems();
}

// Each item's click runs as a guarded handler: an error is shown in the "错误" box instead of ending the
// program.
void Reportbr::addSheetItems()
{
    const std::function<void()> clicks[] = {
        [this] { 病人满意度调查报表1_Click(); }, [this] { 病人满意度调查报表2_Click(); },
        [this] { 病人满意度调查报表3_Click(); }, [this] { 病人满意度调查报表4_Click(); },
        [this] { 病人满意度调查报表5_Click(); }, [this] { 病人满意度调查报表6_Click(); },
    };
    for (int i = 0; i < SheetCaptions.size(); ++i)
        addMenuItem(&SheetMenu(), SheetCaptions[i], SheetCaptions[i], SheetShortcuts[i], clicks[i]);
}

void Reportbr::buildSheet(int number)
{
    SheetBuilder builder(F1Book1(), ReportConn(), [this, number](const QString &templateFile) {
        SheetPreamble(templateFile, SheetCaptions[number - 1]);
    });
    builder.build(patientSheets().at(number - 1));
}

void Reportbr::PrintAllSheets()
{
    const std::function<void()> builders[] = {
        [this] { BuildBrSheet1(); }, [this] { BuildBrSheet2(); }, [this] { BuildBrSheet3(); },
        [this] { BuildBrSheet4(); }, [this] { BuildBrSheet5(); }, [this] { BuildBrSheet6(); },
    };
    for (const auto &build : builders) {
        build();
        F1Book1().invoke("PrintSheet", {false, false});
    }
}
