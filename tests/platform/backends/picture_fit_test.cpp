// Where the 800 x 600 picture goes in windows and screens of several sizes.
#include "platform/backends/picture_fit.h"

#include <gtest/gtest.h>

using platform::fitPicture;
using platform::PictureFit;
using platform::Rect;
using platform::Scaling;

namespace {

PictureFit fit(int w, int h, Scaling scaling = Scaling::Integer) { return fitPicture(w, h, 800, 600, scaling); }

}  // namespace

TEST(PictureFit, IntegerScalingTakesTheLargestWholeFactorCentredOnBlack)
{
    EXPECT_EQ(fit(800, 600).area, (Rect{0, 0, 800, 600}));
    EXPECT_EQ(fit(800, 600).wholeFactor, 1);
    // A 2x check window: 1600 x 1200 with 50 pixels of black all round.
    EXPECT_EQ(fit(1700, 1300).area, (Rect{50, 50, 1650, 1250}));
    EXPECT_EQ(fit(1700, 1300).wholeFactor, 2);
    // 1080 lines hold 1.8 pictures: one whole one, in the middle.
    EXPECT_EQ(fit(1920, 1080).area, (Rect{560, 240, 1360, 840}));
    EXPECT_EQ(fit(1920, 1080).wholeFactor, 1);
    // The narrower side decides.
    EXPECT_EQ(fit(2560, 1440).area, (Rect{480, 120, 2080, 1320}));
    EXPECT_EQ(fit(3840, 2160).wholeFactor, 3);
    EXPECT_EQ(fit(3000, 1199).wholeFactor, 1);
}

TEST(PictureFit, WhereNoWholeFactorFitsThePictureShrinksKeepingItsShape)
{
    // Too narrow: the width decides, bars above and below.
    EXPECT_EQ(fit(640, 600).area, (Rect{0, 60, 640, 540}));
    EXPECT_EQ(fit(640, 600).wholeFactor, 0);
    // Too low: the height decides, bars left and right.
    EXPECT_EQ(fit(500, 300).area, (Rect{50, 0, 450, 300}));
    // Exactly half size still keeps the shape.
    EXPECT_EQ(fit(400, 300).area, (Rect{0, 0, 400, 300}));
    // Odd sizes round to the nearest pixel rather than squashing.
    EXPECT_EQ(fit(799, 599).area, (Rect{0, 0, 799, 599}));
    EXPECT_EQ(fit(201, 600).area.height(), 151);
}

TEST(PictureFit, SmoothScalingFillsAsMuchAsTheShapeAllows)
{
    EXPECT_EQ(fit(1920, 1080, Scaling::Smooth).area, (Rect{240, 0, 1680, 1080}));
    EXPECT_EQ(fit(1920, 1080, Scaling::Smooth).wholeFactor, 0);
    EXPECT_EQ(fit(1700, 1300, Scaling::Smooth).area, (Rect{0, 12, 1700, 1287}));
    // When the whole output happens to be a whole factor, it says so.
    EXPECT_EQ(fit(1600, 1200, Scaling::Smooth).wholeFactor, 2);
}

TEST(PictureFit, EmptyOutputsAndPicturesGiveNoArea)
{
    EXPECT_EQ(fit(0, 600).area, Rect{});
    EXPECT_EQ(fit(800, -1).area, Rect{});
    EXPECT_EQ(fitPicture(800, 600, 0, 600, Scaling::Integer).area, Rect{});
    // A huge output does not overflow on the way.
    EXPECT_EQ(fit(2000000000, 600, Scaling::Smooth).area.width(), 800);
}

TEST(PictureFit, TheSettingsWordsForTheScalings)
{
    using platform::parseScaling;
    EXPECT_EQ(parseScaling("integer"), Scaling::Integer);
    EXPECT_EQ(parseScaling(" Smooth\t"), Scaling::Smooth);
    EXPECT_EQ(parseScaling("SMOOTH"), Scaling::Smooth);
    EXPECT_EQ(parseScaling("smoo th"), Scaling::Integer);
    EXPECT_EQ(parseScaling(""), Scaling::Integer);
    EXPECT_EQ(parseScaling("bilinear", Scaling::Smooth), Scaling::Smooth);
}
