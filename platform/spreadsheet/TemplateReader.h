#pragma once

#include "spreadsheet/Sheet.h"

#include <QString>

namespace hestova::spreadsheet {

// Reads a ".vts" sheet template (UTF-8 text; data/report/FORMAT.md describes it).
// A missing, unreadable or malformed file raises AppError naming the file (and the line for a format error).
class TemplateReader {
public:
    static Sheet readFile(const QString &path);
    static Sheet readText(const QByteArray &utf8, const QString &fileName);
};

}  // namespace hestova::spreadsheet
