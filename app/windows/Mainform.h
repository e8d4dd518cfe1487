#pragma once

#include "host/SkinnedForm.h"

class QAction;
class QMenu;

namespace hestova {
class ImageList;
}

// The main window: three colour buttons pop up the survey, report and system menus, the fourth asks whether to
// leave. Survey and report items show a picker and set SurveyKind; the system menu shows the About box.
// Unloading it ends the program unless another window is still loaded.
class Mainform : public hestova::host::SkinnedForm {
    Q_OBJECT

public:
    Mainform();
    ~Mainform() override;

    hestova::ImageList &ImageList() const { return *m_imageList; }

    // Event handlers, public so that the windows they open and tests reach them as the operator would.
    void qeTobrel1_Click();
    void qeTobrel2_Click();
    void qeTobrel3_Click();
    void qeTobrel4_Click();
    void brmyd_Click();
    void yjmyd_Click();
    void xzmyd_Click();
    void brbb_Click();
    void yjbb_Click();
    void xzbb_Click();
    void 关于_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void createLabelsAndLines();
    void createImageList();
    void createMenus();
    void showEntryPicker(int kind);
    void showReportPicker(int kind);

    hestova::ImageList *m_imageList;
};
