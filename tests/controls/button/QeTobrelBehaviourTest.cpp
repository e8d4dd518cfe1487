// The button as a host sees it: created by ProgID from the plugin and driven by member names only.
#include "ButtonTestSupport.h"

#include "common/Picture.h"
#include "common/PropertyBag.h"

#include <QApplication>
#include <QCursor>
#include <QIcon>
#include <QTest>

using namespace hestova;
using namespace buttontest;

TEST_F(PluginButtonTest, PropertiesHaveTheirInitialValuesAfterInitProperties)
{
    QWidget fresh;
    QWidget *other = loader->createControl(QStringLiteral("Tobrel.qeTobrel"), &fresh);
    qobject_cast<controls::PersistentControl *>(other)->InitProperties();
    controls::LateBound b(other);
    EXPECT_TRUE(controls::Picture::isEmpty(b.get("Image")));
    for (const auto &[name, value] : {std::pair<const char *, QVariant>{"Persent", 30}, {"Style", 0},
                                      {"ColorPnormal", 0xC0C0C0u}, {"bordercolor", 0u}, {"BorderStyleOut", 0},
                                      {"BorderStyleMove", 2}, {"BorderStyleDown", 3}, {"Enabled", true},
                                      {"Keys", QString()}, {"TipText", QStringLiteral("0")}, {"Font", fresh.font()}})
        EXPECT_EQ(b.get(name), value) << name;
}

TEST_F(PluginButtonTest, SettingImageSetsImageSizeToThePicturesWidth)
{
    QStringList announced;
    bound->connectEvent("PropertyChanged", &counter,
                        [&](const QVariantList &args) { announced << args.value(0).toString(); });
    bound->set("Image", buttontest::solidBitmap(24, 40, Qt::blue));
    EXPECT_EQ(bound->get("ImageSize").toInt(), 24);
    EXPECT_EQ(announced, QStringList{QStringLiteral("Image")});

    QPixmap iconPixmap(20, 20);
    iconPixmap.fill(Qt::blue);
    bound->set("Image", controls::Picture::icon(QIcon(iconPixmap)));
    EXPECT_EQ(bound->get("ImageSize").toInt(), 20);
}

TEST_F(PluginButtonTest, SettingImageToNoneKeepsImageSizeAndRaisesNothing)
{
    bound->set("Image", buttontest::solidBitmap(16, 16, Qt::blue));
    ASSERT_EQ(bound->get("ImageSize").toInt(), 16);
    EXPECT_NO_THROW(bound->set("Image", controls::Picture::none()));
    EXPECT_TRUE(controls::Picture::isNone(bound->get("Image")));
    EXPECT_EQ(bound->get("ImageSize").toInt(), 16);
    EXPECT_EQ(shown(button).pixelColor(15, 12), plain(Red));  // repainted without the picture
}

TEST_F(PluginButtonTest, EachChangeIsAnnouncedUnderItsStoredName)
{
    QStringList announced;
    bound->connectEvent("PropertyChanged", &counter,
                        [&](const QVariantList &args) { announced << args.value(0).toString(); });
    bound->set("bordercolor", 0x123456u);
    bound->set("Caption", QStringLiteral("确定"));
    bound->set("TipText", QStringLiteral("提示"));
    bound->set("Keys", QStringLiteral("a"));
    EXPECT_EQ(announced, (QStringList{QStringLiteral("BorderColor"), QStringLiteral("Caption"), QString(),
                                      QStringLiteral("Keys")}));
}

TEST_F(PluginButtonTest, HoverPressAndLeaveFollowTheStateMachine)
{
    EXPECT_EQ(textArea(), plain(Green));
    move(button, QPoint(50, 10));
    EXPECT_EQ(textArea(), plain(Cyan));
    EXPECT_EQ(pictureArea(), plain(Yellow));

    press(button, QPoint(50, 10));
    EXPECT_EQ(textArea(), plain(Grey));
    EXPECT_EQ(pictureArea(), plain(Magenta));
    release(button, QPoint(50, 10));
    EXPECT_EQ(textArea(), plain(Cyan));
    EXPECT_EQ(clicks, 1);

    move(button, QPoint(100, 25));  // the column right of and the row below the button count as inside
    EXPECT_EQ(textArea(), plain(Cyan));
    move(button, QPoint(101, 10));
    EXPECT_EQ(textArea(), plain(Green));

    // Pressed and dragged off, the mouse up away from it is not its own; dragged back, it is.
    move(button, QPoint(50, 10));
    press(button, QPoint(50, 10));
    move(button, QPoint(150, 10));
    release(button, QPoint(150, 10));
    EXPECT_EQ(textArea(), plain(Green));
    EXPECT_EQ(clicks, 1);
    press(button, QPoint(50, 10));
    move(button, QPoint(150, 10));
    move(button, QPoint(50, 10));
    release(button, QPoint(50, 10));
    EXPECT_EQ(clicks, 2);

    // The leave decides, as no move follows it: a pointer that went on to the row below, which is the host's,
    // leaves it normal; one still over it (a menu or box took the mouse) leaves it lit, also in a disabled window.
    QEvent leave(QEvent::Leave);
    pointAt(QPoint(50, 25));
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(textArea(), plain(Green));
    move(button, QPoint(50, 10));
    pointAt(QPoint(50, 10));
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(textArea(), plain(Cyan));
    host->setEnabled(false);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(textArea(), plain(Cyan));
    pointAt(QPoint(150, 10));
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(textArea(), plain(Green));

    // A menu or box that the Click opens takes the mouse, with a leave while the pointer is still on the button, a box
    // the activation too: the button stays lit; a window left active by the Click leaves it normal.
    host->setEnabled(true);
    pointAt(QPoint(50, 10));
    press(button, QPoint(50, 10));
    QColor lookWhileMenuOpen;
    QWidget box;
    QWidget *activeAfterClick = nullptr;
    auto menu = bound->connectEvent("Click", &counter, [&](const QVariantList &) {
        QCoreApplication::sendEvent(button, &leave);
        QApplication::setActiveWindow(&box);
        lookWhileMenuOpen = textArea();
        QApplication::setActiveWindow(activeAfterClick);
    });
    release(button, QPoint(50, 10));
    EXPECT_EQ(lookWhileMenuOpen, plain(Cyan));
    EXPECT_EQ(textArea(), plain(Cyan));
    activeAfterClick = &box;
    press(button, QPoint(50, 10));
    release(button, QPoint(50, 10));
    QObject::disconnect(menu);
    EXPECT_EQ(textArea(), plain(Green));
    QApplication::setActiveWindow(host);

    // Closed with the pointer on the window's body, it leaves the button normal at once, not lit until the next
    // move.
    press(button, QPoint(50, 10));
    menu = bound->connectEvent("Click", &counter, [&](const QVariantList &) {
        QCoreApplication::sendEvent(button, &leave);
        QCursor::setPos(button->mapToGlobal(QPoint(20, 40)));
    });
    release(button, QPoint(50, 10));
    QObject::disconnect(menu);
    EXPECT_EQ(textArea(), plain(Green));

    // A menu item chosen away from the button opens a window that disables the button's: no move or leave comes
    // to the button after that. So also when the press came with no move over the button; the platform's moves
    // are delivered at the end.
    move(button, QPoint(150, 10));
    QCursor::setPos(button->mapToGlobal(QPoint(50, 10)));
    press(button, QPoint(50, 10));
    bound->connectEvent("Click", &counter, [&](const QVariantList &) {
        QCoreApplication::sendEvent(button, &leave);
        QCursor::setPos(button->mapToGlobal(QPoint(20, 40)));
        host->setEnabled(false);
    });
    release(button, QPoint(50, 10));
    EXPECT_EQ(textArea(), plain(Green));
    EXPECT_EQ(clicks, 6);
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);  // it never held the mouse: a click aimed at a window over it goes there
    QCoreApplication::processEvents();
}

TEST_F(PluginButtonTest, OnlyALeftClickRaisesClickButEveryButtonShowsThePressedLook)
{
    for (Qt::MouseButton b : {Qt::RightButton, Qt::MiddleButton}) {
        press(button, QPoint(50, 10), b);
        EXPECT_EQ(textArea(), plain(Grey));
        release(button, QPoint(50, 10), b);
        EXPECT_EQ(textArea(), plain(Cyan));
    }
    EXPECT_EQ(clicks, 0);

    press(button, QPoint(50, 10));
    release(button, QPoint(150, 10));  // released away from the button
    EXPECT_EQ(clicks, 0);
    press(button, QPoint(50, 10));
    release(button, QPoint(50, 10));
    EXPECT_EQ(clicks, 1);
}

TEST_F(PluginButtonTest, ADoubleClickRaisesOneClick)
{
    press(button, QPoint(50, 10));
    release(button, QPoint(50, 10));
    sendMouse(button, QEvent::MouseButtonDblClick, QPoint(50, 10), Qt::LeftButton);
    EXPECT_EQ(textArea(), plain(Cyan));
    release(button, QPoint(50, 10));
    EXPECT_EQ(clicks, 1);
}

TEST_F(PluginButtonTest, ARepaintingChangeWhileHoveringDrawsTheNormalLookAndKeepsHovering)
{
    move(button, QPoint(50, 10));
    bound->set("Caption", QStringLiteral("x"));
    EXPECT_EQ(pictureArea(), plain(Red));
    move(button, QPoint(51, 10));  // still hovering: nothing is drawn
    EXPECT_EQ(pictureArea(), plain(Red));
    move(button, QPoint(150, 10));
    move(button, QPoint(50, 10));
    EXPECT_EQ(pictureArea(), plain(Yellow));
}

TEST_F(PluginButtonTest, ANonRepaintingChangeTakesEffectAtTheNextDrawingOfItsLook)
{
    bound->set("ColorTmove", Magenta);
    EXPECT_EQ(textArea(), plain(Green));
    move(button, QPoint(50, 10));
    EXPECT_EQ(textArea(), plain(Magenta));
}

TEST_F(PluginButtonTest, DrawbottonIsCallableByName)
{
    bound->invoke("drawbotton", {2, 1});
    EXPECT_EQ(textArea(), plain(Grey));
    EXPECT_EQ(shown(button).pixelColor(0, 0), plain(0));  // flat frame in bordercolor (black)
}

TEST_F(PluginButtonTest, AnAccessKeyRaisesClickWithoutDrawing)
{
    bound->set("Keys", QStringLiteral("q"));
    QTest::keyClick(host, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(textArea(), plain(Green));

    // Hovering, it stays lit through a box that the Click opens, and is normal when the box closed with the pointer
    // moved away.
    move(button, QPoint(50, 10));
    QWidget box;
    QPoint pointerAfterBox(50, 10);
    bound->connectEvent("Click", &counter, [&](const QVariantList &) {
        QApplication::setActiveWindow(&box);
        QCursor::setPos(button->mapToGlobal(pointerAfterBox));
        QApplication::setActiveWindow(host);
    });
    QTest::keyClick(host, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(textArea(), plain(Cyan));
    pointerAfterBox = QPoint(50, 60);
    QTest::keyClick(host, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(textArea(), plain(Green));

    bound->set("Enabled", false);
    QTest::keyClick(host, Qt::Key_Q, Qt::AltModifier);
    EXPECT_EQ(clicks, 3);
}

TEST_F(PluginButtonTest, DisabledButtonShowsTheDisabledLookAndReadsBackDisabled)
{
    bound->set("Image", buttontest::solidBitmap(16, 16, QColor(0, 0, 200)));
    move(button, QPoint(50, 10));
    bound->set("Enabled", false);
    EXPECT_FALSE(bound->get("Enabled").toBool());
    const QImage image = shown(button);
    EXPECT_EQ(image.pixelColor(60, 12), plain(Green));
    EXPECT_NE(image.pixelColor(6, 3), QColor(0, 0, 200));  // embossed, not plain

    // Left while disabled, it keeps that look.
    pointAt(QPoint(150, 10));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(button, &leave);
    EXPECT_EQ(shown(button), image);
}

TEST_F(PluginButtonTest, AClickHandlerMayDestroyTheButtonsWindow)
{
    bound->connectEvent("Click", &counter, [this](const QVariantList &) { delete host; });
    move(button, QPoint(50, 10));
    press(button, QPoint(50, 10));
    release(button, QPoint(50, 10));
    EXPECT_TRUE(host.isNull());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

TEST_F(PluginButtonTest, BagRoundTripWritesOnlyChangedValuesUnderTheirStoredNames)
{
    controls::PropertyBag bag;
    persistent()->WriteProperties(bag);
    EXPECT_EQ(bag.names(), (QStringList{"ColorPnormal", "ColorPmove", "ColorPdown", "ColorTnormal", "ColorTmove",
                                        "ColorTdown", "BorderStyleMove", "BorderStyleDown"}));
    EXPECT_EQ(bag.read("ColorPnormal", 0u).toUInt(), Red);
}

TEST_F(PluginButtonTest, ReadPropertiesRestoresWhatWritePropertiesStored)
{
    for (const auto &[name, value] : {std::pair<const char *, QVariant>{"Persent", 45}, {"Style", 1},
                                      {"bordercolor", 0x112233u}, {"Caption", QStringLiteral("满意度调查")},
                                      {"TipText", QStringLiteral("满意度调查")}, {"Keys", QStringLiteral("m")},
                                      {"Enabled", false}})
        bound->set(name, value);
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(12);
    bound->set("Font", font);
    bound->set("Image", buttontest::solidBitmap(32, 32, Qt::blue));
    bound->set("ImageSize", 16);
    controls::PropertyBag bag;
    persistent()->WriteProperties(bag);
    EXPECT_TRUE(bag.contains("BorderColor"));
    EXPECT_FALSE(bag.contains("bordercolor"));

    QWidget other;
    QWidget *copy = loader->createControl(QStringLiteral("Tobrel.qeTobrel"), &other);
    qobject_cast<controls::PersistentControl *>(copy)->ReadProperties(bag);
    controls::LateBound b(copy);
    for (const char *name : {"Persent", "Style", "ImageSize", "ColorPnormal", "ColorPmove", "ColorTdown",
                             "bordercolor", "Caption", "TipText", "Keys", "Enabled", "BorderStyleMove", "Font"})
        EXPECT_EQ(b.get(name), bound->get(name)) << name;
    EXPECT_EQ(controls::Picture::pixelSize(b.get("Image")), QSize(32, 32));
}
