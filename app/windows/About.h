#pragma once

#include "host/SkinnedForm.h"

class QFrame;
class QLabel;

// The About box: what the software is for, its maker with a contact line and a link to the maker's web page.
// The main window is disabled while it is loaded, and owns it meanwhile.
class About : public hestova::host::SkinnedForm {
    Q_OBJECT

public:
    static constexpr quint32 LinkColour = 0xFF0000;       // blue
    static constexpr quint32 LinkHoverColour = 0x0000FF;  // red

    About();

    static QString makerAddress();

    QFrame &Picture1() const { return *m_picture1; }
    QLabel &Label3() const { return *m_label3; }
    quint32 linkColour() const { return m_linkColour; }  // Label3's text colour

    void command2_Click();
    void Label3_Click();
    void Label3_MouseMove();
    void Picture1_MouseMove();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    void Form_Resize() override {}  // the About box has no resize handler
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setLinkColour(quint32 colour);

    QFrame *m_picture1;
    QLabel *m_label3 = nullptr;
    quint32 m_linkColour = LinkColour;
};
