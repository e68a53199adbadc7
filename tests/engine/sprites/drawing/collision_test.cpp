// CollidesWith in its three modes, and the sprites that never collide.
#include <gtest/gtest.h>

#include "engine/sprites/game_sprite.h"
#include "engine/sprites/image_fixture.h"

namespace {

struct Collision : ::testing::TestWithParam<int> {
    SpriteImages d{GetParam()};
    // 32 x 32; the right half of each pattern is key-coloured.
    TImageCollectionItem* half = d.Strip("half", 32, 32, {kRed, kGreen}, 16);
    TImageCollectionItem* worker = d.Strip("worker", 80, 80, {kRed});
    TImageCollectionItem* ball = d.Strip("ball", 40, 40, {kBlue});
    TCustomGameSprite a{&d.engine}, b{&d.engine};

    void SetUp() override {
        d.screen.Initialize();
        a.Image = b.Image = half;
        a.Animations().Enabled = b.Animations().Enabled = false;
    }
    void Place(TCustomGameSprite& s, double x, double y) {
        s.X = x;
        s.Y = y;
    }
};
INSTANTIATE_TEST_SUITE_P(Generations, Collision, ::testing::Values(1, 7));

TEST_P(Collision, ImageRectanglesMustShareAPixel) {
    Place(b, 31, 0);
    EXPECT_TRUE(a.CollidesWith(&b));
    Place(b, 32, 0);
    EXPECT_FALSE(a.CollidesWith(&b));
    a.CollisionMode = 7;  // unknown modes compare rectangles too
    Place(b, 10, 31);
    EXPECT_TRUE(a.CollidesWith(&b));
    EXPECT_FALSE(a.CollidesWith(&a));
    EXPECT_FALSE(a.CollidesWith(nullptr));
}

TEST_P(Collision, HiddenOffScreenOrPatternlessSpritesNeverCollide) {
    Place(a, 100, 100);
    Place(b, 110, 110);
    for (uint8_t mode : {0, 1, 2}) {
        a.CollisionMode = mode;
        a.CollisionRect = b.CollisionRect = {1, 1, 30, 30};
        ASSERT_TRUE(a.CollidesWith(&b)) << int(mode);
        b.Visible = false;
        EXPECT_FALSE(a.CollidesWith(&b)) << int(mode);
        b.Visible = true;
        a.Visible = false;
        EXPECT_FALSE(a.CollidesWith(&b)) << int(mode);
        a.Visible = true;

        // Both wholly off screen, still overlapping each other.
        Place(a, -40, 100);
        Place(b, -35, 105);
        EXPECT_FALSE(a.CollidesWith(&b)) << int(mode);
        EXPECT_FALSE(b.CollidesWith(&a)) << int(mode);
        Place(a, 100, 100);
        Place(b, 110, 110);

        b.SetPatternIndex(1);
        b.Image = worker;  // pattern 1 does not exist in a one-pattern image...
        EXPECT_FALSE(a.CollidesWith(&b)) << int(mode);
        b.Image = nullptr;
        EXPECT_FALSE(a.CollidesWith(&b)) << int(mode);
        b.Image = half;
        b.SetPatternIndex(0);
    }
}

TEST_P(Collision, NothingCollidesBeforeTheScreenIsUp) {
    SpriteImages cold{GetParam()};
    TImageCollectionItem* image = cold.Strip("solid", 32, 32, {kRed});
    TCustomGameSprite p(&cold.engine), q(&cold.engine);
    p.Image = q.Image = image;
    EXPECT_FALSE(p.CollidesWith(&q));
}

TEST_P(Collision, PixelModeNeedsOpaquePixelsOnBothWhereTheSurfacesCanTell) {
    a.CollisionMode = TCustomGameSprite::cmImagePixels;
    // b's opaque left half lies on a's key-coloured right half only.
    Place(b, 16, 0);
    const bool pixelTests = GetParam() == 7;
    EXPECT_EQ(a.CollidesWith(&b), !pixelTests);
    // Only the asking sprite's mode counts.
    EXPECT_TRUE(b.CollidesWith(&a));
    Place(b, 15, 0);
    EXPECT_TRUE(a.CollidesWith(&b));
}

TEST_P(Collision, CollisionRectanglesMustLieInsideTheirPatterns) {
    a.Image = worker;
    b.Image = ball;
    a.CollisionMode = TCustomGameSprite::cmCollisionRects;
    a.CollisionRect = {10, 10, 69, 69};
    b.CollisionRect = {2, 2, 38, 38};
    Place(a, 100, 100);
    Place(b, 100 + 69 - 2 - 1, 150);  // the ball's rectangle starts at a's last column
    EXPECT_TRUE(a.CollidesWith(&b));
    Place(b, 100 + 69 - 2, 150);  // right edges are exclusive
    EXPECT_FALSE(a.CollidesWith(&b));

    Place(b, 120, 120);
    a.CollisionRect = {10, 10, 80, 69};  // reaches the pattern's right edge
    EXPECT_FALSE(a.CollidesWith(&b));
    a.CollisionRect = {10, 10, 79, 69};
    EXPECT_TRUE(a.CollidesWith(&b));
    b.CollisionRect = {0, 0, 40, 40};  // the whole pattern fails as well
    EXPECT_FALSE(a.CollidesWith(&b));
    b.CollisionRect = {};
    EXPECT_FALSE(a.CollidesWith(&b));
}

}  // namespace
