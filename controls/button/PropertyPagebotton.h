#pragma once

#include "common/PropertyPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace hestova::tobrel {

// The button's design-time page: Keys, TipText, Enabled, the three border styles, Caption, ImageSize,
// Style and Persent of the first selected button.
class PropertyPagebotton : public controls::PropertyPage {
    Q_OBJECT
public:
    explicit PropertyPagebotton(QWidget *parent = nullptr);

    QLineEdit *txtKeys = nullptr;
    QLineEdit *txtTipText = nullptr;
    QCheckBox *chkEnabled = nullptr;
    QComboBox *txtBorderStyleDown = nullptr;
    QComboBox *txtBorderStyleMove = nullptr;
    QComboBox *txtBorderStyleOut = nullptr;
    QLineEdit *txtCaption = nullptr;
    QLineEdit *txtImageSize = nullptr;
    QComboBox *txtStyle = nullptr;
    QLineEdit *txtPersent = nullptr;

    QLabel *lblKeys = nullptr;
    QLabel *lblToolTipText = nullptr;
    QLabel *lblBorderStyleDown = nullptr;
    QLabel *lblBorderStyleMove = nullptr;
    QLabel *lblBorderStyleOut = nullptr;
    QLabel *lblCaption = nullptr;
    QLabel *lblImageSize = nullptr;
    QLabel *lblStyle = nullptr;
    QLabel *lblPersent = nullptr;

    // The property value of a combo: the position of the item its text names, -1 when none.
    static int listPosition(const QComboBox *combo);

protected:
    void SelectionChanged() override;
    // Checks the number fields first; on a non-number names the field and writes nothing.
    bool ApplyChanges() override;

private:
    QComboBox *addCombo(const QString &caption, QLabel *&label, const QStringList &items);
    QLineEdit *addText(const QString &caption, QLabel *&label);
    bool numberOf(const QLineEdit *field, const QLabel *label, int &value);
};

}  // namespace hestova::tobrel
