// World sprites on the back buffer: the camera's effect and the layers.
#include <gtest/gtest.h>

#include "engine/sprites/image_fixture.h"
#include "engine/sprites/world_sprites.h"

namespace {

struct WorldDraw : ::testing::Test {
    SpriteImages d;
    TImageCollectionItem* red = d.Strip("red", 40, 40, {kRed});
    TImageCollectionItem* blue = d.Strip("blue", 40, 40, {kBlue});
    TWorldSpritesWorld world{&d.engine, 800, 600, 800, 600};

    void SetUp() override { d.screen.Initialize(); }
    void Frame() {
        d.screen.Clear();
        d.engine.Draw();
    }
};

TEST_F(WorldDraw, CameraMovesTheSpriteOnlyAfterItsUpdate) {
    TBaseWorldSprite sprite(world);
    sprite.Image = red;
    world.Camera().X = 30;
    world.Camera().Y = -20;
    sprite.SetWorldX(100);
    sprite.SetWorldY(100);
    Frame();
    EXPECT_EQ(d.pixel(0, 0), k565Red);  // still where the last update put it
    EXPECT_EQ(d.pixel(70, 120), 0u);

    sprite.Update(10);
    Frame();
    EXPECT_EQ(d.pixel(0, 0), 0u);
    EXPECT_EQ(d.pixel(70, 120), k565Red);
    EXPECT_EQ(d.pixel(109, 159), k565Red);
    EXPECT_EQ(d.pixel(110, 160), 0u);
}

TEST_F(WorldDraw, BackgroundsLieBehindSpritesOfZeroAndAbove) {
    TBaseWorldSprite front(world);
    TBackgroundWorldSprite back(world);
    front.Image = red;
    back.Image = blue;
    back.SetWorldX(20);
    back.Update(0);
    front.Update(0);
    Frame();
    EXPECT_EQ(d.pixel(20, 0), k565Red);
    EXPECT_EQ(d.pixel(40, 0), k565Blue);
    EXPECT_EQ(front.AnchorX(), 20);
    EXPECT_EQ(front.AnchorY(), 40);
}

TEST_F(WorldDraw, OnScreenXFollowsThePatternWidth) {
    TBaseWorldSprite sprite(world);
    sprite.Image = d.Strip("wide", 75, 10, {kRed});
    EXPECT_EQ(sprite.AnchorX(), 37);
    sprite.X = -75;
    EXPECT_FALSE(sprite.IsOnScreenX());
    sprite.X = -74.5;
    EXPECT_TRUE(sprite.IsOnScreenX());
    sprite.X = 800;
    EXPECT_FALSE(sprite.IsOnScreenX());
}

}  // namespace
