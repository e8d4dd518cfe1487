#include "MenuTestSupport.h"

#include "menu/CQuillon.h"
#include "menu/MenuEngines.h"
#include "menu/PropertyPagemenu.h"
#include "menu/UCQuillon.h"

#include "TempAppFolder.h"
#include "common/ControlLoader.h"
#include "common/LateBound.h"
#include "common/MessageBoxHook.h"
#include "common/PropertyBag.h"
#include "common/PropertyPage.h"
#include "core/AppError.h"

#include <QCheckBox>
#include <QLabel>
#include <QComboBox>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace hestova;
using namespace hestova::quillon;
using namespace menutest;

namespace {

const QStringList PersistedOrder = {"BitmapWidth", "ItemHeight", "ColorLeft", "ColorLeftSel", "ColorRight",
                                    "ColorRightSel", "ColorFore", "ColorForeSel", "BorderColor", "BorderSytleSel",
                                    "ColSytleSel", "ColorShadow", "Colorjb", "SetFont", "SelIcon"};

// Records every box a page shows instead of showing it.
class RecordedBoxes {
public:
    RecordedBoxes()
    {
        controls::setMessageBoxFunction([this](QWidget *, const QString &prompt, int buttons, const QString &title) {
            texts.append(prompt);
            styles.append(buttons);
            titles.append(title);
            return controls::MsgBoxStyle::AnswerOk;
        });
    }
    ~RecordedBoxes() { controls::setMessageBoxFunction({}); }

    QStringList texts;
    QList<int> styles;
    QStringList titles;
};

}  // namespace

TEST(UCQuillonLibrary, CreatedByProgIdAndDrivenByMemberNames)
{
    TempAppFolder folder;
    folder.copyControls();
    controls::ControlLoader loader(folder.file(QStringLiteral("controls")));
    EXPECT_TRUE(loader.progIds().contains(QStringLiteral("Quillon.UCQuillon")));
    EXPECT_TRUE(loader.propertyPageNames().contains(QStringLiteral("PropertyPagemenu")));

    HostWindow host;
    auto images = surveyImageList();
    QWidget *widget = loader.createControl(QStringLiteral("Quillon.UCQuillon"), host.window.get());
    ASSERT_NE(widget, nullptr);
    controls::LateBound control(widget);
    QStringList announced;
    control.connectEvent("PropertyChanged", widget,
                         [&](const QVariantList &arguments) { announced.append(arguments.value(0).toString()); });
    control.set("ColorLeft", 0xB36666u);
    control.set("ColSytleSel", 3);
    control.set("Colorjb", 0xE0E0E0u);
    EXPECT_EQ(announced, (QStringList{"ColorLeft", "ColSytleSel", "Colorjb"}));
    EXPECT_EQ(control.get("BitmapWidth").toInt(), 16);
    EXPECT_EQ(control.get("ItemHeight").toInt(), 24);

    const QVariant result = control.invoke("Convert", {controls::objectArgument(host.window.get()),
                                                       controls::objectArgument(images.get()), true});
    EXPECT_EQ(result.toInt(), -1);
    const QImage shot = openAndGrab(host.menu, host.yjmyd);
    const QRect row = host.menu->actionGeometry(host.plain);
    EXPECT_EQ(pixel(shot, row.left() + 1, row.top() + 1), bgr(0xB36666));
    const QRect selected = host.menu->actionGeometry(host.yjmyd);
    EXPECT_EQ(pixel(shot, selected.left() + 100, selected.top() + selected.height() / 2), bgr(0xE0E0E0));
    host.menu->hide();

    EXPECT_FALSE(control.invoke("UnloadMenu").isValid());
    const QImage plain = openAndGrab(host.menu);
    EXPECT_NE(pixel(plain, row.left() + 1, row.top() + 1), bgr(0xB36666));
    host.menu->hide();
    try {
        control.invoke("UnloadMenu");
        FAIL() << "UnloadMenu without an engine succeeded";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), 91);
    }
    QWidget *page = loader.createPropertyPage(QStringLiteral("PropertyPagemenu"));
    ASSERT_NE(page, nullptr);
    EXPECT_NE(qobject_cast<controls::PropertyPageInterface *>(page), nullptr);
    delete page;
}

TEST(UCQuillonLibrary, EveryDescribedPropertyCarriesItsTextAndThePageShowsIt)
{
    const QList<QPair<QByteArray, QString>> described = {
        {"SelIcon", "复选菜单的图标"},
        {"SetFont", "菜单文字是否应用窗体的字体"},
        {"Colorjb", ""},
        {"ColorShadow", "图标阴影颜色"},
        {"ColSytleSel", "选中时颜色填充样式"},
        {"BorderSytleSel", "选中时边框样式"},
        {"BorderColor", "选中时边框颜色"},
        {"ColorForeSel", "选中时字体颜色"},
        {"ColorFore", "字体颜色"},
        {"ColorRightSel", "文字部分选中时的背景颜色"},
        {"ColorRight", "文字部分的背景颜色"},
        {"ColorLeftSel", "图标部分选中时的背景颜色"},
        {"ColorLeft", "图标部分的背景颜色"},
        {"ItemHeight", "菜单项高度，大于BitmapWidth"},
        {"BitmapWidth", "图标大小"},
    };
    TempAppFolder folder;
    folder.copyControls();
    controls::ControlLoader loader(folder.file(QStringLiteral("controls")));
    std::unique_ptr<QWidget> widget(loader.createControl(QStringLiteral("Quillon.UCQuillon")));
    controls::LateBound control(widget.get());
    for (const auto &[member, text] : described)
        EXPECT_EQ(control.description(member), text) << member.constData();

    std::unique_ptr<QWidget> page(loader.createPropertyPage(QStringLiteral("PropertyPagemenu")));
    const QList<QPair<QString, QByteArray>> fields = {
        {"txtColSytleSel", "ColSytleSel"}, {"txtBorderSytleSel", "BorderSytleSel"}, {"chkSetFont", "SetFont"},
        {"txtItemHeight", "ItemHeight"},   {"txtBitmapWidth", "BitmapWidth"},
    };
    for (const auto &[field, member] : fields) {
        const QWidget *shown = page->findChild<QWidget *>(field);
        ASSERT_NE(shown, nullptr) << field.toStdString();
        EXPECT_EQ(shown->toolTip(), control.description(member)) << field.toStdString();
    }
}

TEST(UCQuillonControl, ConvertTakesANativeWindowIdToo)
{
    HostWindow host;
    UCQuillon control;
    const QVariant handle(qulonglong(host.window->winId()));
    EXPECT_EQ(control.Convert(handle, nullptr, false), -1);
    EXPECT_NE(MenuEngines::GetMenuEngine(host.window.get()), nullptr);
    try {
        control.Convert(QVariant(qulonglong(0)), nullptr, false);
        FAIL() << "a null window was converted";
    } catch (const AppError &error) {
        EXPECT_EQ(error.number(), 5);
    }
    control.UnloadMenu();
}

TEST(UCQuillonControl, NewControlStoresNothingAndReadsBackTheDefaults)
{
    UCQuillon control;
    control.InitProperties();
    controls::PropertyBag bag;
    control.WriteProperties(bag);
    EXPECT_TRUE(bag.isEmpty());

    UCQuillon read;
    read.setColorLeft(1);
    read.ReadProperties(bag);
    const MenuLook defaults;
    EXPECT_EQ(read.ColorLeft(), 0xFF8080u);
    EXPECT_EQ(read.ItemHeight(), 24);
    EXPECT_EQ(read.BitmapWidth(), 16);
    EXPECT_EQ(read.BorderSytleSel(), 1);
    EXPECT_EQ(read.ColorRightSel(), 0x8080FFu);
    EXPECT_EQ(read.ColorForeSel(), 0xC00000u);
    EXPECT_EQ(read.BorderColor(), 0x800000u);
    EXPECT_EQ(read.Colorjb(), 0xFFFFFFu);
    EXPECT_FALSE(read.SelIcon().isValid());  // no picture object in the bag
}

TEST(UCQuillonControl, ChangedValuesPersistInOrderAndRoundTrip)
{
    UCQuillon control;
    control.setSelIcon(QVariant::fromValue(QPixmap(16, 16)));
    control.setSetFont(true);
    control.setColorjb(0xE0E0E0);
    control.setColorShadow(1);
    control.setColSytleSel(3);
    control.setBorderSytleSel(5);
    control.setBorderColor(2);
    control.setColorForeSel(3);
    control.setColorFore(4);
    control.setColorRightSel(5);
    control.setColorRight(6);
    control.setColorLeftSel(7);
    control.setColorLeft(0xB36666);
    control.setItemHeight(30);
    control.setBitmapWidth(20);
    controls::PropertyBag bag;
    control.WriteProperties(bag);
    EXPECT_EQ(bag.names(), PersistedOrder);

    UCQuillon read;
    read.ReadProperties(bag);
    EXPECT_EQ(read.ColorLeft(), 0xB36666u);
    EXPECT_EQ(read.ColSytleSel(), 3);
    EXPECT_EQ(read.BorderSytleSel(), 5);
    EXPECT_EQ(read.ItemHeight(), 30);
    EXPECT_EQ(read.BitmapWidth(), 20);
    EXPECT_TRUE(read.SetFont());
    EXPECT_EQ(read.ColorLeftSel(), 7u);
    EXPECT_TRUE(read.SelIcon().canConvert<QPixmap>());
}

TEST(UCQuillonControl, ValuesChangedAfterConvertWaitForTheNextConvert)
{
    HostWindow host;
    UCQuillon control;
    control.Convert(QVariant::fromValue<QObject *>(host.window.get()), nullptr, false);
    control.setColorLeft(0x0000FF);
    EXPECT_EQ(MenuEngines::GetMenuEngine(host.window.get())->look().ColorLeft, 0xFF8080u);
    control.Convert(QVariant::fromValue<QObject *>(host.window.get()), nullptr, false);
    EXPECT_EQ(MenuEngines::GetMenuEngine(host.window.get())->look().ColorLeft, 0x0000FFu);
    control.UnloadMenu();
}

TEST(UCQuillonControl, OwnWindowIsSmallHiddenAndNamed)
{
    QWidget parent;
    auto *control = new UCQuillon(&parent);
    control->resize(300, 300);
    EXPECT_EQ(control->size(), QSize(61, 21));  // 915 x 315 twips
    parent.show();
    EXPECT_FALSE(control->isVisible());
    const QImage image = control->grab().toImage();
    EXPECT_TRUE(contains(image, QRect(QPoint(0, 0), image.size() - QSize(1, 1)), control->palette().windowText().color()));
}

TEST(PropertyPagemenuTest, ReadsTheFirstControlAndAppliesToIt)
{
    UCQuillon first, second;
    first.setColSytleSel(3);
    first.setBorderSytleSel(5);
    first.setSetFont(true);
    first.setItemHeight(28);
    PropertyPagemenu page;
    EXPECT_EQ(page.txtBorderSytleSel->count(), 6);
    EXPECT_EQ(page.txtColSytleSel->itemText(4), QStringLiteral("4 - 左右到中间渐变填充"));
    page.setSelectedControls({&first, &second});
    EXPECT_EQ(page.txtColSytleSel->currentIndex(), 3);
    EXPECT_EQ(page.txtBorderSytleSel->currentIndex(), 5);
    EXPECT_TRUE(page.chkSetFont->isChecked());
    EXPECT_EQ(page.txtItemHeight->text(), QStringLiteral("28"));
    EXPECT_EQ(page.txtBitmapWidth->text(), QStringLiteral("16"));

    page.txtColSytleSel->setCurrentIndex(1);
    page.txtBorderSytleSel->setCurrentIndex(2);
    page.chkSetFont->setChecked(false);
    page.txtItemHeight->setText(QStringLiteral("26"));
    page.txtBitmapWidth->setText(QStringLiteral("18"));
    EXPECT_TRUE(page.isChanged());
    EXPECT_TRUE(page.applyChanges());
    EXPECT_EQ(first.ColSytleSel(), 1);
    EXPECT_EQ(first.BorderSytleSel(), 2);
    EXPECT_FALSE(first.SetFont());
    EXPECT_EQ(first.ItemHeight(), 26);
    EXPECT_EQ(first.BitmapWidth(), 18);
    EXPECT_EQ(second.ItemHeight(), 24);  // only the first selected control is written
}

TEST(PropertyPagemenuTest, ABadFieldIsNamedAndNothingIsWritten)
{
    RecordedBoxes boxes;
    UCQuillon control;
    PropertyPagemenu page;
    page.setSelectedControls({&control});
    page.chkSetFont->setChecked(true);
    page.txtColSytleSel->setCurrentIndex(4);
    page.txtItemHeight->setText(QStringLiteral("30"));
    page.txtBitmapWidth->setText(QStringLiteral("70000"));
    EXPECT_FALSE(page.applyChanges());
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].startsWith(page.lblBitmapWidth->text()));
    EXPECT_EQ(boxes.titles[0], QStringLiteral("提示"));
    EXPECT_FALSE(control.SetFont());
    EXPECT_EQ(control.ColSytleSel(), 0);
    EXPECT_EQ(control.ItemHeight(), 24);

    page.txtBitmapWidth->setText(QStringLiteral("16"));
    page.txtItemHeight->setText(QStringLiteral("abc"));
    EXPECT_FALSE(page.applyChanges());
    EXPECT_TRUE(boxes.texts.last().startsWith(page.lblItemHeight->text()));
    EXPECT_FALSE(control.SetFont());
}

TEST(PropertyPagemenuTest, AStyleOutsideTheListIsReported)
{
    RecordedBoxes boxes;
    UCQuillon control;
    control.setColSytleSel(7);
    PropertyPagemenu page;
    page.setSelectedControls({&control});
    ASSERT_EQ(boxes.texts.size(), 1);
    EXPECT_TRUE(boxes.texts[0].startsWith(page.lblColSytleSel->text()));
    EXPECT_EQ(page.txtColSytleSel->currentIndex(), -1);
    EXPECT_EQ(page.txtBorderSytleSel->currentIndex(), 1);
}
