#pragma once

#include "host/SkinnedForm.h"

#include <QStringList>

namespace hestova {
class MSHFlexGrid;
namespace db {
class Connection;
}
}  // namespace hestova

// What both survey pickers share: the survey list in MSHFlexGrid1, the skin, the size limits, and the main window
// disabled (and owning the picker) from the load until the unload. Plain controls of the definition
// ("MSHFlexGrid", "Frame", "Label", "TextBox") are created here; a control whose "properties" name a "Container"
// is placed inside that frame.
class SurveyPicker : public hestova::host::SkinnedForm {
    Q_OBJECT

public:
    hestova::MSHFlexGrid &MSHFlexGrid1() const { return *m_grid; }

    // Size limits of a picker, in pixels.
    static constexpr int MinWidth = 315;
    static constexpr int MinHeight = 200;
    static constexpr int MaxWidth = 315;
    static constexpr int MaxHeight = 350;

protected:
    explicit SurveyPicker(const QString &definitionName);

    // The load of a picker: main window disabled, skin, the listed controls moved below the title bar, and the
    // survey list read into the grid.
    void loadPicker(const QStringList &movedControls);
    // Reads the survey list on an open connection into the grid, column 2 `descriptionWidth` twips wide.
    void fillGrid(hestova::db::Connection &connection, int descriptionWidth);

    void Form_Activate() override;
    void Form_Unload() override;

private:
    void createPlainControls();

    hestova::MSHFlexGrid *m_grid = nullptr;
};
