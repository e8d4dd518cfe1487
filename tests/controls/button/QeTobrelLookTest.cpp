// Pixel checks of each look the button draws: area colours, border styles, the picture's shadow and lift,
// the embossed disabled picture.
#include "ButtonTestSupport.h"

#include "button/QeTobrel.h"
#include "common/Picture.h"
#include "common/PropertyBag.h"

#include <QIcon>
#include <QPainter>
#include <QPixmap>

using namespace hestova;
using namespace hestova::tobrel;
using namespace buttontest;

namespace {

constexpr OleColor Blue = 0xFF0000, Orange = 0x0080FF, Purple = 0x800080;

// A square picture on a background, with a dark blue square on it.
QPixmap squareOn(int side, const QColor &background, const QRect &square)
{
    QPixmap pixmap(side, side);
    pixmap.fill(background);
    QPainter(&pixmap).fillRect(square, QColor(0, 0, 200));
    return pixmap;
}

QColor tableColor(int index)
{
    return toQColor(systemColor(index));
}

// A 100 x 25 button, picture area left (30 pixels), each area in its own colour per look.
class LookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        host = std::make_unique<QWidget>();
        host->resize(200, 100);
        button = new QeTobrel(host.get());
        button->ReadProperties(controls::PropertyBag());
        button->setGeometry(10, 10, 100, 25);
        for (const auto &[set, colour] : {std::pair{&QeTobrel::setColorPnormal, Red}, {&QeTobrel::setColorTnormal, Green},
                                          {&QeTobrel::setColorPmove, Yellow}, {&QeTobrel::setColorTmove, Cyan},
                                          {&QeTobrel::setColorPdown, Magenta}, {&QeTobrel::setColorTdown, Grey},
                                          {&QeTobrel::setBordercolor, Blue}, {&QeTobrel::setShadowColor, Purple}})
            (button->*set)(colour);
        button->setBorderStyleOut(0);
        button->setBorderStyleMove(0);
        button->setBorderStyleDown(0);
        host->show();
    }

    QImage look(int status, int border)
    {
        button->drawbotton(status, border);
        return button->surface().convertToFormat(QImage::Format_RGB32);
    }

    std::unique_ptr<QWidget> host;
    QeTobrel *button = nullptr;
};

}  // namespace

TEST_F(LookTest, EachLookFillsPictureAndTextAreasWithItsColours)
{
    struct Case {
        int status;
        OleColor picture, text;
    };
    for (const Case &c : {Case{0, Red, Green}, Case{1, Yellow, Cyan}, Case{2, Magenta, Grey}, Case{3, Red, Green}}) {
        const QImage image = look(c.status, 0);
        SCOPED_TRACE(c.status);
        EXPECT_EQ(image.pixelColor(0, 0), plain(c.picture));
        EXPECT_EQ(image.pixelColor(29, 24), plain(c.picture));
        EXPECT_EQ(image.pixelColor(30, 0), plain(c.text));
        EXPECT_EQ(image.pixelColor(99, 24), plain(c.text));
    }
}

TEST_F(LookTest, LookOutsideTheFourIsAllBlack)
{
    button->setCaption(QStringLiteral("WWWW"));
    const QImage image = look(7, 0);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_EQ(image.pixelColor(x, y), QColor(Qt::black)) << x << "," << y;
}

TEST_F(LookTest, FlatFrameIsOnePixelAroundTheWholeButton)
{
    const QImage image = look(0, 1);
    for (const QPoint p : {QPoint(0, 0), QPoint(50, 0), QPoint(99, 0), QPoint(0, 12), QPoint(99, 12), QPoint(0, 24),
                           QPoint(99, 24)})
        EXPECT_EQ(image.pixelColor(p), plain(Blue)) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixelColor(1, 1), plain(Red));
    EXPECT_EQ(image.pixelColor(98, 23), plain(Green));
}

TEST_F(LookTest, RaisedAndSunkenEdgesAroundTheWholeButton)
{
    const QColor highlight = tableColor(SystemColor::ButtonHighlight);
    const QColor darkShadow = tableColor(SystemColor::DarkShadow3D);
    QImage image = look(0, 2);
    EXPECT_EQ(image.pixelColor(0, 0), highlight);
    EXPECT_EQ(image.pixelColor(50, 0), highlight);
    EXPECT_EQ(image.pixelColor(0, 12), highlight);
    EXPECT_EQ(image.pixelColor(50, 24), darkShadow);
    EXPECT_EQ(image.pixelColor(99, 12), darkShadow);
    EXPECT_EQ(image.pixelColor(1, 1), plain(Red));

    image = look(0, 3);
    EXPECT_NE(image.pixelColor(50, 0), highlight);
    EXPECT_NE(image.pixelColor(50, 0), plain(Green));
    EXPECT_EQ(image.pixelColor(50, 24), highlight);
    EXPECT_EQ(image.pixelColor(99, 12), highlight);
    EXPECT_EQ(image.pixelColor(98, 23), plain(Green));
}

TEST_F(LookTest, CombinedStylesFrameTheTextAreaAndEdgeThePictureArea)
{
    const QColor highlight = tableColor(SystemColor::ButtonHighlight);
    const QColor darkShadow = tableColor(SystemColor::DarkShadow3D);
    QImage image = look(0, 4);
    EXPECT_EQ(image.pixelColor(30, 0), plain(Blue));
    EXPECT_EQ(image.pixelColor(30, 12), plain(Blue));
    EXPECT_EQ(image.pixelColor(99, 24), plain(Blue));
    EXPECT_EQ(image.pixelColor(0, 0), highlight);
    EXPECT_EQ(image.pixelColor(29, 12), darkShadow);
    EXPECT_EQ(image.pixelColor(1, 1), plain(Red));

    image = look(0, 5);
    EXPECT_EQ(image.pixelColor(30, 0), plain(Blue));
    EXPECT_EQ(image.pixelColor(29, 12), highlight);
    EXPECT_NE(image.pixelColor(0, 0), highlight);
}

TEST_F(LookTest, BorderStyleOutsideTheSixDrawsNone)
{
    for (int style : {0, 6, -1}) {
        const QImage image = look(0, style);
        EXPECT_EQ(image.pixelColor(0, 0), plain(Red)) << style;
        EXPECT_EQ(image.pixelColor(99, 24), plain(Green)) << style;
    }
}

TEST_F(LookTest, CaptionIsDrawnInTheLooksCaptionColourInsideTheTextArea)
{
    button->setFont(QFont(QStringLiteral("DejaVu Sans"), 12));
    button->setCaption(QStringLiteral("HHHH"));
    button->setColorFnormal(0xFFFFFF);
    button->setColorFmove(Orange);
    auto count = [](const QImage &image, const QColor &colour, int fromX, int toX) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = fromX; x < toX; ++x)
                n += image.pixelColor(x, y) == colour;
        return n;
    };
    QImage image = look(0, 0);
    EXPECT_GT(count(image, QColor(Qt::white), 30, 100), 10);
    EXPECT_EQ(count(image, QColor(Qt::white), 0, 30), 0);
    image = look(1, 0);
    EXPECT_GT(count(image, plain(Orange), 30, 100), 10);
}

TEST_F(LookTest, BitmapIsStretchedToTheImageSizeSquare)
{
    button->setImage(buttontest::solidBitmap(32, 32, QColor(0, 0, 200)));
    button->setImageSize(16);
    const QImage image = look(0, 0);
    EXPECT_EQ(button->layoutState().imageRect, (PixelRect{7, 4, 23, 20}));
    EXPECT_EQ(image.pixelColor(7, 4), QColor(0, 0, 200));
    EXPECT_EQ(image.pixelColor(22, 19), QColor(0, 0, 200));
    EXPECT_EQ(image.pixelColor(6, 4), plain(Red));
    EXPECT_EQ(image.pixelColor(23, 19), plain(Red));
    EXPECT_EQ(image.pixelColor(7, 20), plain(Red));
}

TEST_F(LookTest, HoverDrawsTheShadowInPlaceAndThePictureOnePixelUpAndLeft)
{
    button->setImage(buttontest::solidBitmap(16, 16, QColor(0, 0, 200)));
    const QImage image = look(1, 0);
    EXPECT_EQ(image.pixelColor(6, 3), QColor(0, 0, 200));      // lifted picture's corner
    EXPECT_EQ(image.pixelColor(21, 18), QColor(0, 0, 200));
    EXPECT_EQ(image.pixelColor(22, 19), plain(Purple));        // shadow shows below and right
    EXPECT_EQ(image.pixelColor(7, 19), plain(Purple));
    EXPECT_EQ(image.pixelColor(22, 4), plain(Purple));
    EXPECT_EQ(image.pixelColor(22, 3), plain(Yellow));         // neither
    EXPECT_EQ(image.pixelColor(5, 3), plain(Yellow));
}

TEST_F(LookTest, ShadowFollowsThePicturesShapeNotItsWhiteBackground)
{
    button->setImage(controls::Picture::bitmap(squareOn(16, Qt::white, QRect(8, 8, 8, 8))));
    const QImage image = look(1, 0);
    // The picture at (6, 3) with its dark square at (14, 11)-(21, 18); the shadow's square at (15, 12)-(22, 19).
    EXPECT_EQ(image.pixelColor(22, 15), plain(Purple));
    EXPECT_EQ(image.pixelColor(18, 19), plain(Purple));
    EXPECT_EQ(image.pixelColor(22, 8), plain(Yellow));       // white casts no shadow
    EXPECT_EQ(image.pixelColor(10, 19), plain(Yellow));
    EXPECT_EQ(image.pixelColor(8, 5), QColor(Qt::white));    // the picture's own white is drawn
    EXPECT_EQ(image.pixelColor(14, 11), QColor(0, 0, 200));
}

TEST_F(LookTest, DisabledDrawsNormalColoursAndTheEmbossedPictureLifted)
{
    button->setImage(buttontest::solidBitmap(16, 16, QColor(0, 0, 200)));
    button->setButtonEnabled(false);
    const QImage image = button->surface();
    const QColor highlight = tableColor(SystemColor::ButtonHighlight);
    const QColor shadow = tableColor(SystemColor::ButtonShadow);
    EXPECT_EQ(image.pixelColor(6, 3), shadow);
    EXPECT_EQ(image.pixelColor(21, 18), shadow);
    EXPECT_EQ(image.pixelColor(22, 19), highlight);
    EXPECT_EQ(image.pixelColor(7, 19), highlight);
    EXPECT_EQ(image.pixelColor(5, 3), plain(Red));
    EXPECT_EQ(image.pixelColor(50, 12), plain(Green));
}

TEST_F(LookTest, IconIsDrawnAtItsOwnSizeCentred)
{
    button->setImage(controls::Picture::icon(QIcon(squareOn(20, Qt::white, QRect(0, 0, 20, 20)))));
    button->setImageSize(4);
    const QImage image = look(0, 0);
    EXPECT_EQ(button->layoutState().imageRect, (PixelRect{5, 2, 25, 22}));
    EXPECT_EQ(image.pixelColor(5, 2), QColor(0, 0, 200));
    EXPECT_EQ(image.pixelColor(24, 21), QColor(0, 0, 200));
    EXPECT_EQ(image.pixelColor(4, 2), plain(Red));
}

TEST_F(LookTest, EmptyPictureDrawsNothing)
{
    button->setImage(controls::Picture::empty());
    const QImage image = look(1, 0);
    EXPECT_EQ(image.pixelColor(15, 12), plain(Yellow));
}

TEST_F(LookTest, SystemColourValuesAreNotTranslated)
{
    button->setColorPnormal(0x80000005);  // the system window colour, read as plain 0x000005
    const QImage image = look(0, 0);
    EXPECT_EQ(image.pixelColor(10, 10), QColor(5, 0, 0));
}

TEST_F(LookTest, TransparentPartsOfAnIconCastNoShadowAndAreNotEmbossed)
{
    button->setImage(controls::Picture::icon(QIcon(squareOn(20, Qt::transparent, QRect(0, 0, 10, 10)))));  // at (5, 2)
    QImage image = look(1, 0);
    EXPECT_EQ(image.pixelColor(4, 1), QColor(0, 0, 200));     // lifted
    EXPECT_EQ(image.pixelColor(14, 11), plain(Purple));       // shadow of the opaque quarter
    EXPECT_EQ(image.pixelColor(20, 17), plain(Yellow));       // nothing where the icon is transparent

    button->setButtonEnabled(false);
    image = button->surface();
    EXPECT_EQ(image.pixelColor(4, 1), tableColor(SystemColor::ButtonShadow));
    EXPECT_EQ(image.pixelColor(14, 11), tableColor(SystemColor::ButtonHighlight));
    EXPECT_EQ(image.pixelColor(20, 17), plain(Red));
}
