#include "spreadsheet/CellRange.h"

#include <QRegularExpression>
#include <algorithm>

namespace hestova::spreadsheet {

CellRange CellRange::spanning(int row1, int col1, int row2, int col2)
{
    return {std::min(row1, row2), std::min(col1, col2), std::max(row1, row2), std::max(col1, col2)};
}

namespace CellReference {

QString columnName(int col)
{
    QString name;
    for (int n = col; n > 0; n = (n - 1) / 26)
        name.prepend(QChar(u'A' + (n - 1) % 26));
    return name;
}

QString cell(int row, int col)
{
    return columnName(col) + QString::number(row);
}

QString range(const CellRange &r)
{
    if (r.top == r.bottom && r.left == r.right)
        return cell(r.top, r.left);
    return cell(r.top, r.left) + QLatin1Char(':') + cell(r.bottom, r.right);
}

std::optional<CellRange> parseCell(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^\\$?([A-Za-z]{1,3})\\$?([0-9]{1,6})$"));
    const auto match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    int col = 0;
    for (QChar letter : match.captured(1).toUpper())
        col = col * 26 + (letter.unicode() - u'A' + 1);
    const int row = match.captured(2).toInt();
    if (row < 1 || row > MaxRows || col < 1 || col > MaxCols)
        return std::nullopt;
    return CellRange{row, col, row, col};
}

std::optional<CellRange> parseRange(const QString &text)
{
    const QStringList corners = text.split(QLatin1Char(':'));
    if (corners.size() == 1)
        return parseCell(corners[0]);
    if (corners.size() != 2)
        return std::nullopt;
    const auto first = parseCell(corners[0]);
    const auto second = parseCell(corners[1]);
    if (!first || !second)
        return std::nullopt;
    return CellRange::spanning(first->top, first->left, second->top, second->left);
}

}  // namespace CellReference

}  // namespace hestova::spreadsheet
