#pragma once

#include "common/PropertyPage.h"

#include <QString>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace hestova::titlebar {

// The library's page for five properties of the first selected title bar: Btnsize, Caption, bMin, bMax, bClose.
class PropertyPageqe : public controls::PropertyPage {
    Q_OBJECT
public:
    explicit PropertyPageqe(QWidget *parent = nullptr);

    QLineEdit *txtBtnsize() const { return m_txtBtnsize; }
    QLineEdit *txtCaption() const { return m_txtCaption; }
    QCheckBox *chkbMin() const { return m_chkbMin; }
    QCheckBox *chkbMax() const { return m_chkbMax; }
    QCheckBox *chkbClose() const { return m_chkbClose; }

    // Why the last apply wrote nothing; empty after a good apply.
    QString lastError() const { return m_lastError; }

protected:
    void SelectionChanged() override;
    bool ApplyChanges() override;

private:
    QLabel *m_lblBtnsize;
    QLineEdit *m_txtBtnsize;
    QLabel *m_lblCaption;
    QLineEdit *m_txtCaption;
    QCheckBox *m_chkbMin;
    QCheckBox *m_chkbMax;
    QCheckBox *m_chkbClose;
    QString m_lastError;
};

}  // namespace hestova::titlebar
