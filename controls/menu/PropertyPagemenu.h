#pragma once

#include "common/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace hestova::quillon {

// The menu control's design-time page: ColSytleSel, BorderSytleSel, SetFont, ItemHeight and BitmapWidth of
// the first selected control.
class PropertyPagemenu : public controls::PropertyPage {
    Q_OBJECT
public:
    explicit PropertyPagemenu(QWidget *parent = nullptr);

    QComboBox *txtColSytleSel = nullptr;
    QComboBox *txtBorderSytleSel = nullptr;
    QCheckBox *chkSetFont = nullptr;
    QLineEdit *txtItemHeight = nullptr;
    QLineEdit *txtBitmapWidth = nullptr;
    QLabel *lblColSytleSel = nullptr;
    QLabel *lblBorderSytleSel = nullptr;
    QLabel *lblItemHeight = nullptr;
    QLabel *lblBitmapWidth = nullptr;

protected:
    void SelectionChanged() override;
    // Checks every field first; on a bad value names the field and writes nothing.
    bool ApplyChanges() override;

private:
    QComboBox *addList(const QString &name, const QString &caption, QLabel *&label);
    QLineEdit *addText(const QString &name, const QString &caption, QLabel *&label);
    bool listIndexOf(const QComboBox *list, const QLabel *label, int &index);
    bool shortOf(const QLineEdit *field, const QLabel *label, short &value);
    void showIndex(QComboBox *list, const QLabel *label, int index);
    void refuse(const QLabel *label, const QString &what);
};

}  // namespace hestova::quillon
