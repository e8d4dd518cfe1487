#pragma once

#include "spreadsheet/CellStyle.h"

#include <QObject>
#include <array>
#include <bitset>

namespace hestova::spreadsheet {

// A cell format taken from the sheet (Spreadsheet::CurrentFormat), changed member by member and applied to
// the selection (Spreadsheet::ApplyFormat). Only the members set since it was taken are applied.
//
// Codes: AlignHorizontal 1 general, 2 left, 3 centre, 4 right; AlignVertical 1 top, 2 centre, 3 bottom;
// BorderStyle 0 none, 1 thin, 2 medium, 3 dashed, 4 dotted, 5 thick, 6 double; BorderColor 0x00BBGGRR.
// Border indexes: 0 left, 1 right, 2 top, 3 bottom edge of the selection, -2 the lines inside it.
class CellFormat : public QObject {
    Q_OBJECT
    Q_PROPERTY(double FontSize READ FontSize WRITE setFontSize)
    Q_PROPERTY(QString FontName READ FontName WRITE setFontName)
    Q_PROPERTY(int FontCharSet READ FontCharSet WRITE setFontCharSet)
    Q_PROPERTY(int AlignVertical READ AlignVertical WRITE setAlignVertical)
    Q_PROPERTY(int AlignHorizontal READ AlignHorizontal WRITE setAlignHorizontal)

public:
    static constexpr int InsideIndex = -2;

    explicit CellFormat(const CellStyle &style, QObject *parent = nullptr);

    double FontSize() const { return m_style.fontSize; }
    void setFontSize(double points);
    QString FontName() const { return m_style.fontName; }
    void setFontName(const QString &name);
    int FontCharSet() const { return m_style.fontCharSet; }
    void setFontCharSet(int charSet);
    int AlignVertical() const;
    void setAlignVertical(int code);
    int AlignHorizontal() const;
    void setAlignHorizontal(int code);

    // Indexed members; an index or code outside the lists above raises AppError.
    Q_INVOKABLE int BorderStyle(int index) const;
    Q_INVOKABLE void setBorderStyle(int index, int code);
    Q_INVOKABLE int BorderColor(int index) const;
    Q_INVOKABLE void setBorderColor(int index, int bgr);

    // Changes `target` by the members set on this format. `edges` says which of the selection's outline edges
    // the cell lies on (Edge order); inner edges take the inside border.
    void applyTo(CellStyle &target, const std::array<bool, 4> &outerEdges) const;

private:
    enum Member { Size, Name, CharSet, VAlignMember, HAlignMember, MemberCount };
    static constexpr int BorderSlots = 5;  // left, right, top, bottom, inside

    static int slotOf(int index);  // throws for an unknown border index

    CellStyle m_style;
    Border m_inside;
    std::bitset<MemberCount> m_set;
    std::bitset<BorderSlots> m_styleSet;
    std::bitset<BorderSlots> m_colorSet;
};

// QColor -> 0x00BBGGRR
int bgrFromColor(const QColor &color);

}  // namespace hestova::spreadsheet
