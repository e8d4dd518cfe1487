#include "button/ButtonLayout.h"

#include <gtest/gtest.h>
#include <limits>

using namespace hestova::tobrel;

namespace {

constexpr int max = std::numeric_limits<int>::max();
constexpr int min = std::numeric_limits<int>::min();

LayoutInput input(double width, double height, int style, int persent)
{
    LayoutInput in;
    in.clientWidth = width;
    in.clientHeight = height;
    in.style = style;
    in.persent = persent;
    return in;
}

LayoutInput withSquarePicture(LayoutInput in, PictureKind kind, int side, int imageSize)
{
    in.picture = kind;
    in.pictureWidth = in.pictureHeight = side;
    in.imageSize = imageSize;
    return in;
}

}  // namespace

TEST(ButtonLayout, SplitsLeftRightAndCentresTheBitmapSquare)
{
    ButtonLayout layout;
    calcLayout(layout, withSquarePicture(input(100, 25, 0, 30), PictureKind::Bitmap, 32, 16));
    EXPECT_EQ(layout.wholeRect, (PixelRect{0, 0, 100, 25}));
    EXPECT_EQ(layout.pictureRect, (PixelRect{0, 0, 30, 25}));
    EXPECT_EQ(layout.textRect, (PixelRect{30, 0, 100, 25}));
    EXPECT_EQ(layout.imageRect, (PixelRect{7, 4, 23, 20}));  // 4.5 rounds to even
    EXPECT_EQ(layout.picWidth, 32);
}

TEST(ButtonLayout, StyleOneSplitsTopBottomRoundingHalvesToEven)
{
    ButtonLayout layout;
    calcLayout(layout, input(80, 50, 1, 65));
    EXPECT_EQ(layout.pictureRect, (PixelRect{0, 0, 80, 32}));
    EXPECT_EQ(layout.textRect, (PixelRect{0, 32, 80, 50}));
}

TEST(ButtonLayout, AnyOtherStyleLaysOutLikeStyleZero)
{
    ButtonLayout zero, two, minus;
    calcLayout(zero, input(100, 25, 0, 30));
    calcLayout(two, input(100, 25, 2, 30));
    calcLayout(minus, input(100, 25, -1, 30));
    EXPECT_EQ(two.pictureRect, zero.pictureRect);
    EXPECT_EQ(minus.textRect, zero.textRect);
}

TEST(ButtonLayout, IconKeepsItsOwnSizeAndIgnoresImageSize)
{
    ButtonLayout layout;
    calcLayout(layout, withSquarePicture(input(100, 25, 0, 30), PictureKind::Icon, 20, 64));
    EXPECT_EQ(layout.imageRect, (PixelRect{5, 2, 25, 22}));  // 2.5 rounds to 2
}

TEST(ButtonLayout, NoPictureOrEmptyPictureKeepsThePreviousPicturePlace)
{
    ButtonLayout layout;
    calcLayout(layout, withSquarePicture(input(100, 25, 0, 30), PictureKind::Bitmap, 16, 16));
    const PixelRect placed = layout.imageRect;

    LayoutInput in = input(200, 50, 0, 50);
    calcLayout(layout, in);  // no picture object
    EXPECT_EQ(layout.imageRect, placed);
    EXPECT_EQ(layout.picWidth, 16);
    EXPECT_EQ(layout.pictureRect, (PixelRect{0, 0, 100, 50}));

    in.picture = PictureKind::Empty;
    calcLayout(layout, in);
    EXPECT_EQ(layout.imageRect, placed);
    EXPECT_EQ(layout.picWidth, 0);
}

TEST(ButtonLayout, PersentIsNotClampedButSaturatesAtThe32BitLimits)
{
    ButtonLayout layout;
    calcLayout(layout, input(100, 25, 0, 150));
    EXPECT_EQ(layout.pictureRect.right, 150);
    EXPECT_EQ(layout.textRect, (PixelRect{150, 0, 100, 25}));

    calcLayout(layout, input(1000, 1000, 0, max));
    EXPECT_EQ(layout.pictureRect.right, max);
    calcLayout(layout, input(1000, 1000, 1, min));
    EXPECT_EQ(layout.pictureRect.bottom, min);
    EXPECT_EQ(layout.textRect.top, min);
}

TEST(ButtonLayout, ImageSizeAtTheLimitsSaturatesInsteadOfOverflowing)
{
    ButtonLayout layout;
    LayoutInput in = withSquarePicture(input(100, 25, 0, 30), PictureKind::Bitmap, 16, min);
    calcLayout(layout, in);
    EXPECT_EQ(layout.imageRect.left, 1073741839);  // (30 + 2^31) / 2, rounded
    EXPECT_EQ(layout.imageRect.right, saturate32(qint64(1073741839) + min));

    in.imageSize = max;
    in.persent = max;  // picture area as wide as it gets
    calcLayout(layout, in);
    EXPECT_EQ(layout.imageRect.left, 0);
    EXPECT_EQ(layout.imageRect.right, max);
}
