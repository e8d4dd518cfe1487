#pragma once

#include <QPixmap>

namespace hestova::reports {

// The pictures of a report window's buttons and of its sheet menu, drawn rather than shipped.
enum class ReportPicture {
    Print,        // Command1, 32 x 32
    PrintSetup,   // Command2, 32 x 32
    Preview,      // command3, 32 x 32
    Close,        // command4, 16 x 16
    PrintAll,     // command5, 32 x 32
    ChooseSheet,  // memurept, 16 x 16
    SheetItem,    // an item of the sheet menu (ImageList1), 16 x 16
};

// Side of the square picture in pixels.
int pictureSize(ReportPicture picture);

QPixmap drawReportPicture(ReportPicture picture);

}  // namespace hestova::reports
