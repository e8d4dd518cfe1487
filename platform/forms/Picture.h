#pragma once

#include <QString>
#include "core/AppError.h"
#include <QVariant>

namespace hestova::forms {

using hestova::ErrorNumber::InvalidPicture;

// Loads a picture from the application folder ("\skin\close.bmp"): a QPixmap for a bitmap, a QIcon for an
// ".ico" file. An empty path gives the empty picture (a null QPixmap). A missing file throws AppError 53,
// an unreadable one AppError 481.
QVariant LoadPicture(const QString &windowsStylePath);

}  // namespace hestova::forms
