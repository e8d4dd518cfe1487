// The library as the program meets it: loaded from an application folder, created by ProgID,
// reached only by member names (no header of the control here).
#include "TempAppFolder.h"
#include "TestHostWindow.h"

#include "common/ControlLoader.h"
#include "common/LateBound.h"
#include "common/Picture.h"
#include "common/PropertyPage.h"
#include "common/UserControl.h"

#include <QTest>
#include <gtest/gtest.h>

using namespace hestova::controls;

namespace {

struct LoadedBar {
    TempAppFolder folder;
    std::unique_ptr<ControlLoader> loader;
    TestHostWindow host;
    QWidget *bar = nullptr;

    LoadedBar()
    {
        folder.copyControls();
        loader = std::make_unique<ControlLoader>(folder.file(QStringLiteral("controls")));
        bar = loader->createControl(QStringLiteral("工程1.UCtitlebar"), &host);
    }
};

}  // namespace

TEST(BrantleLibrary, IsListedFromMetadataAndCreatedByProgId)
{
    LoadedBar loaded;
    EXPECT_TRUE(loaded.loader->progIds().contains(QStringLiteral("工程1.UCtitlebar")));
    EXPECT_TRUE(loaded.loader->propertyPageNames().contains(QStringLiteral("PropertyPageqe")));
    EXPECT_TRUE(loaded.loader->libraryOf(QStringLiteral("工程1.UCtitlebar")).endsWith(QStringLiteral("libBrantle.so")));
    ASSERT_NE(loaded.bar, nullptr);

    LateBound bar(loaded.bar);
    EXPECT_EQ(bar.get("Btnsize").toInt(), 16);
    EXPECT_EQ(bar.get("Caption").toString(), QStringLiteral("标题栏"));
    EXPECT_EQ(bar.get("BackColor").toUInt(), 0xFF8080u);
    EXPECT_EQ(bar.get("ForeColor").toUInt(), 0x80000012u);
    EXPECT_TRUE(Picture::isNone(bar.get("ImageTitleN")));
    EXPECT_TRUE(Picture::isEmpty(bar.get("ImageCloseD")));

    QWidget *page = loaded.loader->createPropertyPage(QStringLiteral("PropertyPageqe"), &loaded.host);
    ASSERT_NE(qobject_cast<PropertyPageInterface *>(page), nullptr);
}

TEST(BrantleLibrary, EveryDescribedPropertyCarriesItsTextAndThePageShowsIt)
{
    const QList<QPair<QByteArray, QString>> described = {
        {"BackColor", "返回/设置对象中文本和图形的背景色。"},
        {"ImageTitleN", "标题图标"},
        {"ImageTitleF", "鼠标移动到标题图标上时的图片"},
        {"ImageTitleD", "鼠标按下标题图标时的图片"},
        {"ImageMaxN", "最大化按扭图片"},
        {"ImageMaxF", "鼠标移动到最大化按扭时的图片"},
        {"ImageMaxD", "鼠标按下最大化按扭时的图片"},
        {"ImageRestoreN", "还原按扭图片"},
        {"ImageRestoreF", "鼠标移动到还原按扭时的图片"},
        {"ImageRestoreD", "鼠标按下还原按扭时的图片"},
        {"ImageMinN", "最小化按扭图片"},
        {"ImageMinF", "鼠标移动到最小化按扭时的图片"},
        {"ImageMinD", "鼠标按下最小化按扭时的图片"},
        {"ImageCloseN", "关闭按扭图片"},
        {"ImageCloseF", "鼠标移动到关闭按扭时的图片"},
        {"ImageCloseD", "鼠标按下关闭按扭时的图片"},
        {"Btnsize", "标题栏图标的大小"},
        {"bMin", "是否存在最小化按扭"},
        {"bMax", "是否存在最大化按扭"},
        {"Caption", "标题栏的文字"},
        {"BGpic", "标题栏的背景图片"},
        {"Font", "返回一个 Font 对象。"},
        {"ForeColor", "返回/设置对象中文本和图形的前景色。"},
        {"frm", ""},
        {"bClose", "是否存在关闭按扭"},
    };
    LoadedBar loaded;
    LateBound bar(loaded.bar);
    for (const auto &[member, text] : described)
        EXPECT_EQ(bar.description(member), text) << member.constData();

    std::unique_ptr<QWidget> page(loaded.loader->createPropertyPage(QStringLiteral("PropertyPageqe")));
    const QList<QPair<QString, QByteArray>> fields = {
        {"txtBtnsize", "Btnsize"}, {"txtCaption", "Caption"}, {"chkbMin", "bMin"},
        {"chkbMax", "bMax"}, {"chkbClose", "bClose"},
    };
    for (const auto &[field, member] : fields) {
        const QWidget *widget = page->findChild<QWidget *>(field);
        ASSERT_NE(widget, nullptr) << field.toStdString();
        EXPECT_EQ(widget->toolTip(), bar.description(member)) << field.toStdString();
    }
}

TEST(BrantleLibrary, SettersAnnounceEachChangeByName)
{
    LoadedBar loaded;
    LateBound bar(loaded.bar);
    QStringList announced;
    bar.connectEvent("PropertyChanged", &loaded.host,
                     [&](const QVariantList &arguments) { announced << arguments.at(0).toString(); });
    bar.set("Btnsize", 15);
    bar.set("BackColor", 0x8080FF);
    bar.set("bMin", false);
    bar.set("Caption", QStringLiteral("病人满意度调查"));
    QPixmap close(15, 15);
    close.fill(Qt::red);
    bar.set("ImageCloseN", Picture::bitmap(close));
    EXPECT_EQ(announced, QStringList({"Btnsize", "BackColor", "bMin", "Caption", "ImageCloseN"}));
    EXPECT_EQ(bar.get("Caption").toString(), QStringLiteral("病人满意度调查"));
    EXPECT_EQ(Picture::pixelSize(bar.get("ImageCloseN")), QSize(15, 15));
    bar.set("ImageCloseN", Picture::none());
    EXPECT_TRUE(Picture::isNone(bar.get("ImageCloseN")));
    EXPECT_EQ(announced.size(), 6);
}

TEST(BrantleLibrary, RaisesMouseEventsInOrder)
{
    LoadedBar loaded;
    loaded.host.attachBar(loaded.bar);
    loaded.host.show();
    LateBound bar(loaded.bar);
    QStringList events;
    for (const char *name : {"MouseDown", "Mouseup", "Click"}) {
        bar.connectEvent(name, &loaded.host, [&events, name](const QVariantList &arguments) {
            QString line = QString::fromLatin1(name);
            if (!arguments.isEmpty())
                line += QStringLiteral("(%1,%2)").arg(arguments.at(0).toInt()).arg(arguments.at(2).toFloat());
            events << line;
        });
    }
    // On the bar's own surface, between the title and the buttons: x = 100 px = 1500 twips.
    const QPoint surface(100, 5);
    QTest::mousePress(loaded.bar, Qt::LeftButton, {}, surface);
    QTest::mouseRelease(loaded.bar, Qt::LeftButton, {}, surface);
    EXPECT_EQ(events, QStringList({"MouseDown(1,1500)", "Mouseup(1,1500)", "Click"}));

    events.clear();
    QTest::mousePress(loaded.bar, Qt::RightButton, {}, surface);
    QTest::mouseRelease(loaded.bar, Qt::RightButton, {}, surface);
    EXPECT_EQ(events, QStringList({"MouseDown(2,1500)", "Mouseup(2,1500)"}));

    // Presses on an image area raise none of the bar's events.
    events.clear();
    QWidget *icon = loaded.bar->childAt(10, 9);
    ASSERT_NE(icon, nullptr);
    QTest::mouseClick(icon, Qt::LeftButton);
    EXPECT_TRUE(events.isEmpty());
}

TEST(BrantleLibrary, PropertyBagRoundTripSkipsDefaults)
{
    LoadedBar loaded;
    auto *persistent = qobject_cast<PersistentControl *>(loaded.bar);
    ASSERT_NE(persistent, nullptr);
    persistent->InitProperties();
    PropertyBag fresh;
    persistent->WriteProperties(fresh);
    // A new control writes only its fourteen empty pictures: every other value equals its default.
    EXPECT_EQ(fresh.count(), 14);
    EXPECT_FALSE(fresh.contains(QStringLiteral("Btnsize")));
    EXPECT_FALSE(fresh.contains(QStringLiteral("bMin")));
    EXPECT_FALSE(fresh.contains(QStringLiteral("Caption")));
    EXPECT_FALSE(fresh.contains(QStringLiteral("ImageTitleN")));

    LateBound bar(loaded.bar);
    QPixmap tile(8, 19);
    tile.fill(Qt::blue);
    bar.set("Btnsize", 15);
    bar.set("bMax", false);
    bar.set("Caption", QStringLiteral("关于"));
    bar.set("BGpic", Picture::bitmap(tile));
    bar.set("BackColor", 0x8080FF);
    PropertyBag bag;
    persistent->WriteProperties(bag);
    const QStringList order = bag.names();
    EXPECT_LT(order.indexOf("BackColor"), order.indexOf("ImageTitleF"));
    EXPECT_LT(order.indexOf("ImageCloseD"), order.indexOf("Btnsize"));
    EXPECT_LT(order.indexOf("Btnsize"), order.indexOf("bMax"));
    EXPECT_LT(order.indexOf("Caption"), order.indexOf("BGpic"));
    EXPECT_FALSE(bag.contains(QStringLiteral("bMin")));

    QWidget *copy = loaded.loader->createControl(QStringLiteral("工程1.UCtitlebar"), &loaded.host);
    qobject_cast<PersistentControl *>(copy)->ReadProperties(bag);
    LateBound read(copy);
    EXPECT_EQ(read.get("Btnsize").toInt(), 15);
    EXPECT_FALSE(read.get("bMax").toBool());
    EXPECT_TRUE(read.get("bMin").toBool());
    EXPECT_TRUE(read.get("bClose").toBool());
    EXPECT_EQ(read.get("Caption").toString(), QStringLiteral("关于"));
    EXPECT_EQ(read.get("BackColor").toUInt(), 0x8080FFu);
    EXPECT_EQ(Picture::pixelSize(read.get("BGpic")), QSize(8, 19));
    EXPECT_TRUE(Picture::isNone(read.get("ImageTitleN")));
    EXPECT_TRUE(Picture::isEmpty(read.get("ImageMinF")));

    // An empty bag reads as a new control, except pictures, which read as none.
    QWidget *blank = loaded.loader->createControl(QStringLiteral("工程1.UCtitlebar"), &loaded.host);
    qobject_cast<PersistentControl *>(blank)->ReadProperties(PropertyBag());
    LateBound readBlank(blank);
    EXPECT_EQ(readBlank.get("Btnsize").toInt(), 16);
    EXPECT_TRUE(readBlank.get("bMax").toBool());
    EXPECT_TRUE(Picture::isNone(readBlank.get("ImageMinF")));
}
