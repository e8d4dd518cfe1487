#include "pickers/SurveyPicker.h"

#include "windows/OwnedByMainform.h"
#include "pickers/SurveyList.h"
#include "pickers/SurveyTable.h"
#include "core/AppError.h"
#include "db/Connection.h"
#include "surveydata/SurveyDataSource.h"
#include "forms/Twips.h"
#include "grid/MSHFlexGrid.h"
#include "screen/Twips.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>

using hestova::forms::ControlDefinition;

namespace {

// Columns the program does not size grow to show the longest survey time as the operator types it, no wider.
void limitFittedColumns(hestova::MSHFlexGrid &grid)
{
    const QFontMetrics metrics = grid.fontMetrics();
    int wholeTime = 0;
    for (const QString &time : {QStringLiteral("2026年12月31日"), QStringLiteral("2026-12-31 08:30")})
        wholeTime = std::max(wholeTime, metrics.horizontalAdvance(time));
    grid.setColWidthMax(hestova::twipsFromPixels(wholeTime + 2 * hestova::GridPainter::TextPadding));
}

}  // namespace

SurveyPicker::SurveyPicker(const QString &definitionName) : SkinnedForm(definitionName)
{
    createPlainControls();
}

void SurveyPicker::createPlainControls()
{
    for (const ControlDefinition &definition : definition().controls) {
        const QString container = definition.properties.value(QStringLiteral("Container")).toString();
        QWidget *parent = container.isEmpty() ? client() : controlWidget(container);
        QWidget *widget = nullptr;
        if (definition.kind == QLatin1String("MSHFlexGrid")) {
            m_grid = new hestova::MSHFlexGrid(parent);
            widget = m_grid;
        } else if (definition.kind == QLatin1String("Frame")) {
            auto *frame = new QGroupBox(definition.caption.value_or(QString()), parent);
            widget = frame;
        } else if (definition.kind == QLatin1String("Label")) {
            widget = new QLabel(parent);
        } else if (definition.kind == QLatin1String("TextBox")) {
            widget = new QLineEdit(parent);
        } else if (hasHostedControl(definition.name) && !container.isEmpty()) {
            // A hosted control inside a frame: its designed place is relative to the frame.
            widget = controlWidget(definition.name);
            widget->setParent(parent);
            if (definition.geometry) {
                const QRect &designed = *definition.geometry;
                hestova::forms::Twips::move(widget, designed.x(), designed.y(), designed.width(), designed.height());
            }
            widget->setVisible(definition.visible);
            continue;
        } else {
            continue;
        }
        hestova::forms::applyControlDefinition(widget, definition);
    }
    if (!m_grid)
        throw hestova::AppError(hestova::ErrorNumber::InvalidArgument,
                                QStringLiteral("窗口 %1 没有控件 MSHFlexGrid1").arg(definition().name));
    limitFittedColumns(*m_grid);
}

void SurveyPicker::loadPicker(const QStringList &movedControls)
{
    OwnedByMainform::hold(*this);
    skinWindow(hestova::host::WindowIcon, movedControls);
    hestova::db::Connection connection;
    connection.Open(hestova::db::SurveyConnectionString);
    fillGrid(connection, SurveyList::LoadDescriptionWidth);
    connection.Close();
}

void SurveyPicker::fillGrid(hestova::db::Connection &connection, int descriptionWidth)
{
    SurveyList::fill(*m_grid, SurveyTable::list(connection), descriptionWidth);
}

void SurveyPicker::Form_Activate()
{
    limitSize(MinWidth, MinHeight, MaxWidth, MaxHeight);
}

void SurveyPicker::Form_Unload()
{
    OwnedByMainform::release();
    freeSizeLimits();
}
