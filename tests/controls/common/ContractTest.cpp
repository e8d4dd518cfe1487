#include "IniFiles.h"
#include "TempAppFolder.h"
#include "common/ControlLoader.h"
#include "common/EdgeDrawing.h"
#include "common/LateBound.h"
#include "common/Picture.h"
#include "common/PropertyBag.h"
#include "core/AppError.h"
#include "screen/OleColor.h"
#include "screen/Twips.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

using namespace hestova;
using namespace hestova::controls;

namespace {

// An object with what a host reaches by name: properties, a method, an event.
class Lamp : public QObject {
    Q_OBJECT
    Q_PROPERTY(int Brightness READ brightness WRITE setBrightness)
    Q_PROPERTY(QString Label MEMBER m_label)
public:
    int brightness() const { return m_brightness; }
    void setBrightness(int value) { m_brightness = value; }
    Q_INVOKABLE int Dim(int by, QObject *owner)
    {
        m_brightness -= by;
        lastOwner = owner;
        return m_brightness;
    }
    Q_INVOKABLE void Flash() { emit Blinked(3, QStringLiteral("on")); }
    QObject *lastOwner = nullptr;
signals:
    void Blinked(short times, const QString &state);

private:
    int m_brightness = 10;
    QString m_label;
};

}  // namespace

TEST(PropertyBag, ReadsDefaultsAndSkipsWritingThem)
{
    PropertyBag bag;
    bag.write(QStringLiteral("Btnsize"), 16, 16);
    bag.write(QStringLiteral("bMin"), false, true);
    bag.write(QStringLiteral("Caption"), QStringLiteral("标题栏"), QStringLiteral("标题栏"));
    bag.write(QStringLiteral("BackColor"), 0x8080FF, 0xFF8080);
    bag.write(QStringLiteral("BGpic"), Picture::none(), Picture::none());
    bag.write(QStringLiteral("ImageMaxF"), Picture::empty(), Picture::none());
    EXPECT_EQ(bag.names(), QStringList({"bMin", "BackColor", "ImageMaxF"}));
    EXPECT_EQ(bag.read(QStringLiteral("Btnsize"), 16).toInt(), 16);
    EXPECT_FALSE(bag.read(QStringLiteral("bMin"), true).toBool());
    EXPECT_TRUE(Picture::isEmpty(bag.read(QStringLiteral("ImageMaxF"))));
    EXPECT_TRUE(Picture::isNone(bag.read(QStringLiteral("BGpic"))));

    // Rewriting keeps the place; writing the default removes the entry.
    bag.write(QStringLiteral("bMin"), QVariant(true), true);
    bag.write(QStringLiteral("BackColor"), 0x123456, 0xFF8080);
    EXPECT_EQ(bag.names(), QStringList({"BackColor", "ImageMaxF"}));
}

TEST(Picture, KindsAndSizes)
{
    QPixmap bitmap(20, 12);
    bitmap.fill(Qt::red);
    EXPECT_EQ(Picture::kind(Picture::none()), Picture::Kind::None);
    EXPECT_EQ(Picture::kind(Picture::empty()), Picture::Kind::Empty);
    EXPECT_EQ(Picture::kind(QVariant::fromValue(QIcon())), Picture::Kind::Empty);
    EXPECT_EQ(Picture::kind(Picture::bitmap(bitmap)), Picture::Kind::Bitmap);
    EXPECT_EQ(Picture::pixelSize(Picture::bitmap(bitmap)), QSize(20, 12));
    EXPECT_EQ(Picture::pixelSize(Picture::empty()), QSize(0, 0));

    QIcon icon;
    icon.addPixmap(bitmap.scaled(16, 16));
    EXPECT_EQ(Picture::kind(Picture::icon(icon)), Picture::Kind::Icon);
    EXPECT_EQ(Picture::pixelSize(Picture::icon(icon)), QSize(16, 16));

    QImage canvas(30, 30, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    Picture::drawStretched(painter, QRect(0, 0, 30, 30), Picture::bitmap(bitmap));
    Picture::drawStretched(painter, QRect(0, 0, 30, 30), Picture::empty());
    painter.end();
    EXPECT_EQ(canvas.pixel(29, 29), QColor(Qt::red).rgb());
}

TEST(OleColor, ConvertsBgrAndSystemColours)
{
    EXPECT_EQ(toQColor(0x8080FF), QColor(0xFF, 0x80, 0x80));
    EXPECT_EQ(toQColor(0xB08000), QColor(0x00, 0x80, 0xB0));
    EXPECT_EQ(fromQColor(QColor(0x00, 0x80, 0xB0)), 0xB08000u);
    EXPECT_TRUE(isSystemColor(0x80000012));
    EXPECT_EQ(toQColor(0x80000012), toQColor(systemColor(SystemColor::ButtonText)));
    EXPECT_EQ(toQColor(0x80000005), QColor(Qt::white));
    // Untranslated: the low 24 bits as a plain colour.
    EXPECT_EQ(toQColor(0x80000012, false), QColor(0x12, 0, 0));
    EXPECT_EQ(systemColor(99), 0u);
    EXPECT_EQ(systemMetric(SystemMetric::MenuCheckWidth), 13);
    EXPECT_EQ(systemMetric(9999), 0);
}

TEST(Twips, ConvertsAndRoundsHalfToEven)
{
    EXPECT_EQ(twipsFromPixels(15), 225);
    EXPECT_EQ(pixelsFromTwips(280), 19);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-0.5), 0);
}

TEST(EdgeDrawing, FramesAndEdgesLieOnTheBorder)
{
    QImage canvas(10, 8, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        frameRect(painter, edgeRect(1, 1, 9, 7), Qt::blue);
    }
    EXPECT_EQ(canvas.pixel(1, 1), QColor(Qt::blue).rgb());
    EXPECT_EQ(canvas.pixel(8, 6), QColor(Qt::blue).rgb());
    EXPECT_EQ(canvas.pixel(9, 7), QColor(Qt::white).rgb());
    EXPECT_EQ(canvas.pixel(2, 2), QColor(Qt::white).rgb());

    canvas.fill(Qt::white);
    {
        QPainter painter(&canvas);
        drawEdge(painter, edgeRect(0, 0, 10, 8), Edge::SunkenOuter, EdgeSide::All);
        drawEdge(painter, edgeRect(0, 3, 10, 8), Edge::Etched, EdgeSide::Top);
    }
    const QRgb shadow = toQColor(systemColor(SystemColor::ButtonShadow)).rgb();
    const QRgb light = toQColor(systemColor(SystemColor::ButtonHighlight)).rgb();
    EXPECT_EQ(canvas.pixel(0, 0), shadow);
    EXPECT_EQ(canvas.pixel(9, 7), light);
    EXPECT_EQ(canvas.pixel(5, 3), shadow);
    EXPECT_EQ(canvas.pixel(5, 4), light);
}

TEST(LateBound, ReachesPropertiesMethodsAndEventsByName)
{
    Lamp lamp;
    LateBound lateBound(&lamp);
    lateBound.set("Brightness", QStringLiteral("7"));
    EXPECT_EQ(lateBound.get("Brightness").toInt(), 7);
    lateBound.set("Label", QStringLiteral("走廊"));
    EXPECT_EQ(lateBound.get("Label").toString(), QStringLiteral("走廊"));

    QObject owner;
    EXPECT_EQ(lateBound.invoke("Dim", {2, objectArgument(&owner)}).toInt(), 5);
    EXPECT_EQ(lamp.lastOwner, &owner);
    EXPECT_GE(lateBound.methodId("Dim"), 0);
    EXPECT_EQ(lateBound.methodId("Dim"), lamp.metaObject()->indexOfMethod("Dim(int,QObject*)"));

    QVariantList received;
    int calls = 0;
    QObject context;
    lateBound.connectEvent("Blinked", &context, [&](const QVariantList &arguments) {
        received = arguments;
        ++calls;
    });
    lateBound.invoke("Flash");
    ASSERT_EQ(calls, 1);
    EXPECT_EQ(received.at(0).toInt(), 3);
    EXPECT_EQ(received.at(1).toString(), QStringLiteral("on"));

    EXPECT_THROW(lateBound.get("Nothing"), hestova::AppError);
    EXPECT_THROW(lateBound.invoke("Dim", {1}), hestova::AppError);
    try {
        lateBound.invoke("Missing");
        FAIL();
    } catch (const hestova::AppError &error) {
        EXPECT_EQ(error.number(), 438);
    }
}

TEST(ControlLoader, ListsFromMetadataAndCreatesByProgId)
{
    TempAppFolder folder;
    QDir(folder.path()).mkpath(QStringLiteral("controls"));
    ASSERT_TRUE(QFile::copy(QStringLiteral(PROBE_PLUGIN_FILE), folder.file(QStringLiteral("controls/libProbe.so"))));
    IniFiles::write(folder.file(QStringLiteral("controls/libjunk.so")), "not a library");

    ControlLoader loader(folder.file(QStringLiteral("controls")));
    EXPECT_EQ(loader.progIds(), QStringList({"Probe.Gauge"}));
    EXPECT_EQ(loader.propertyPageNames(), QStringList({"GaugePage"}));
    EXPECT_TRUE(loader.libraryOf(QStringLiteral("Probe.Gauge")).endsWith(QStringLiteral("libProbe.so")));

    QStringList prompts;
    loader.setMessageBox([&](QWidget *, const QString &prompt, int buttons, const QString &title) {
        prompts << QStringLiteral("%1|%2|%3").arg(prompt).arg(buttons).arg(title);
        return 1;
    });

    QWidget host;
    QWidget *gauge = loader.createControl(QStringLiteral("Probe.Gauge"), &host);
    ASSERT_NE(gauge, nullptr);
    EXPECT_EQ(gauge->parentWidget(), &host);
    LateBound lateBound(gauge);
    QStringList changes;
    lateBound.connectEvent("PropertyChanged", &host,
                           [&](const QVariantList &arguments) { changes << arguments.at(0).toString(); });
    lateBound.set("Level", 4);
    EXPECT_EQ(lateBound.get("Level").toInt(), 4);
    EXPECT_EQ(changes, QStringList({"Level"}));
    EXPECT_EQ(lateBound.invoke("Warn", {QStringLiteral("坏了")}).toInt(), 1);
    EXPECT_EQ(prompts, QStringList({"坏了|16|错误"}));

    EXPECT_NE(loader.createPropertyPage(QStringLiteral("GaugePage"), &host), nullptr);
    try {
        loader.createControl(QStringLiteral("Nobody.Home"));
        FAIL();
    } catch (const hestova::AppError &error) {
        EXPECT_EQ(error.number(), 429);
    }
}

#include "ContractTest.moc"
