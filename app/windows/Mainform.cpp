#include "windows/Mainform.h"

#include "windows/About.h"
#include "pickers/ChoiceNew.h"
#include "pickers/ChoiceRept.h"
#include "Mmain.h"
#include "host/LineControl.h"

#include "common/LateBound.h"
#include "forms/Forms.h"
#include "forms/MessageBox.h"
#include "imagelist/ImageList.h"

#include <QLabel>
#include <QMenu>
#include <QPixmap>

using hestova::forms::Forms;

namespace {

constexpr qint32 ImageMaskColour = 0xC0C0C0;

// The image list's pictures and their tags: the captions of the items that show them.
struct MenuPicture {
    const char *file;
    const char *tag;
};
constexpr MenuPicture MenuPictures[] = {
    {":/pictures/menu_brmyd.bmp", "病人满意度调查"},
    {":/pictures/menu_yjmyd.bmp", "医技满意度调查"},
    {":/pictures/menu_xzmyd.bmp", "行政满意度调查"},
    {":/pictures/menu_brbb.bmp", "病人满意度报表"},
    {":/pictures/menu_yjbb.bmp", "医技满意度报表"},
    {":/pictures/menu_xzbb.bmp", "行政满意度报表"},
    {":/pictures/menu_prepare.bmp", "生成报表数据"},
};

}  // namespace

Mainform::Mainform() : SkinnedForm(QStringLiteral("Mainform")), m_imageList(new hestova::ImageList(this))
{
    m_imageList->setObjectName(QStringLiteral("ImageList"));
    createLabelsAndLines();
    createImageList();
    createMenus();
    onClick(QStringLiteral("qeTobrel1"), [this] { qeTobrel1_Click(); });
    onClick(QStringLiteral("qeTobrel2"), [this] { qeTobrel2_Click(); });
    onClick(QStringLiteral("qeTobrel3"), [this] { qeTobrel3_Click(); });
    onClick(QStringLiteral("qeTobrel4"), [this] { qeTobrel4_Click(); });
}

Mainform::~Mainform() = default;

void Mainform::createLabelsAndLines()
{
    for (const hestova::forms::ControlDefinition &control : definition().controls) {
        if (control.kind == QLatin1String("Label")) {
            auto *label = new QLabel(client());
            label->setWordWrap(false);
            applyDesign(label, control.name);
        } else if (control.kind == QLatin1String("Line")) {
            new hestova::host::LineControl(control, client());
        }
    }
}

void Mainform::createImageList()
{
    m_imageList->setImageWidth(16);
    m_imageList->setImageHeight(16);
    m_imageList->setMaskColor(ImageMaskColour);
    hestova::ListImages *images = m_imageList->listImages();
    for (const MenuPicture &picture : MenuPictures) {
        QObject *added = images->Add(QVariant(), QString(), QPixmap(QString::fromUtf8(picture.file)));
        added->setProperty("Tag", QString::fromUtf8(picture.tag));
    }
}

void Mainform::createMenus()
{
    struct Item {
        const char *menu;
        const char *name;
        const char *caption;
        const char *shortcut;
        void (Mainform::*handler)();  // null: the item has no action
    };
    static constexpr Item items[] = {
        {"myddc", "brmyd", "病人满意度调查", "Ctrl+A", &Mainform::brmyd_Click},
        {"myddc", "yjmyd", "医技满意度调查", "Ctrl+B", &Mainform::yjmyd_Click},
        {"myddc", "xzmyd", "行政满意度调查", "Ctrl+D", &Mainform::xzmyd_Click},
        {"bb", "brbb", "病人满意度报表", "Ctrl+R", &Mainform::brbb_Click},
        {"bb", "yjbb", "医技满意度报表", "Ctrl+S", &Mainform::yjbb_Click},
        {"bb", "xzbb", "行政满意度报表", "Ctrl+T", &Mainform::xzbb_Click},
        {"help", "关于", "关于", "Ctrl+G", &Mainform::关于_Click},
        {"help", "bz", "帮助", "F1", nullptr},
    };
    createMenu(QStringLiteral("myddc"), QStringLiteral("满意度调查"));
    createMenu(QStringLiteral("bb"), QStringLiteral("调查报表"));
    createMenu(QStringLiteral("help"), QStringLiteral("帮助"));
    for (const Item &item : items) {
        std::function<void()> handler;
        if (item.handler)
            handler = [this, method = item.handler] { (this->*method)(); };
        addMenuItem(menu(QString::fromUtf8(item.menu)), QString::fromUtf8(item.name), QString::fromUtf8(item.caption),
                    QKeySequence(QString::fromUtf8(item.shortcut)), handler);
    }
}

void Mainform::Form_Load()
{
    skinWindow(hestova::host::MainIcon, {QStringLiteral("qeTobrel1"), QStringLiteral("qeTobrel2"),
                                         QStringLiteral("qeTobrel3"), QStringLiteral("qeTobrel4")});
    control(QStringLiteral("UCQuillon1"))
        .invoke("Convert", {hestova::controls::objectArgument(this), hestova::controls::objectArgument(m_imageList),
                            true});
}

void Mainform::Form_Unload()
{
    freeSizeLimits();
}

void Mainform::qeTobrel1_Click()
{
    popupUnder(menu(QStringLiteral("myddc")), QStringLiteral("qeTobrel1"));
}

void Mainform::qeTobrel2_Click()
{
    popupUnder(menu(QStringLiteral("bb")), QStringLiteral("qeTobrel2"));
}

void Mainform::qeTobrel3_Click()
{
    popupUnder(menu(QStringLiteral("help")), QStringLiteral("qeTobrel3"));
}

void Mainform::qeTobrel4_Click()
{
    using namespace hestova::forms;
    if (MsgBox(QStringLiteral("你是否真的退出本系统?"), vbYesNo, QStringLiteral("请确定")) == vbYes)
        Unload();
}

void Mainform::showEntryPicker(int kind)
{
    Forms::get<ChoiceNew>().Show();
    Mmain::SurveyKind = kind;
}

void Mainform::showReportPicker(int kind)
{
    Forms::get<ChoiceRept>().Show();
    Mmain::SurveyKind = kind;
}

void Mainform::brmyd_Click() { showEntryPicker(1); }
void Mainform::yjmyd_Click() { showEntryPicker(2); }
void Mainform::xzmyd_Click() { showEntryPicker(3); }
void Mainform::brbb_Click() { showReportPicker(1); }
void Mainform::yjbb_Click() { showReportPicker(2); }
void Mainform::xzbb_Click() { showReportPicker(3); }

void Mainform::关于_Click()
{
    Forms::get<About>().Show();
}
