// World positions, the camera transform, velocities, the countdown and the grid.
#include <gtest/gtest.h>

#include "engine/sprites/sprite_engine.h"
#include "engine/sprites/world_sprites.h"

#include <cstdint>

namespace {

struct WorldFixture : ::testing::Test {
    TDSpriteEngine2D engine;
    TWorldSpritesWorld world{&engine, 800, 600, 800, 600};
};

TEST_F(WorldFixture, NewSpritesJoinTheWorldsEngineAtTheOrigin) {
    TBaseWorldSprite sprite(world);
    EXPECT_EQ(sprite.Engine(), &engine);
    EXPECT_EQ(sprite.Z(), 0);
    EXPECT_EQ(world.Camera().World(), &world);
    EXPECT_EQ(world.ViewWidth(), 800);
    EXPECT_EQ(world.WorldHeight(), 600);
}

TEST_F(WorldFixture, CameraTransformTakesEffectAtTheNextUpdate) {
    TBaseWorldSprite sprite(world);
    world.Camera().X = 30;
    world.Camera().Y = -20;
    sprite.SetWorldX(100);
    sprite.SetWorldY(100);
    EXPECT_DOUBLE_EQ(sprite.X, 0.0);
    EXPECT_DOUBLE_EQ(sprite.Y, 0.0);
    sprite.Update(10);
    EXPECT_DOUBLE_EQ(sprite.X, 70.0);
    EXPECT_DOUBLE_EQ(sprite.Y, 120.0);
}

TEST_F(WorldFixture, MovesIntegrateVelocityAndRememberTheOldPosition) {
    TBaseWorldSprite sprite(world);
    sprite.SetWorldX(50);
    sprite.VelocityX = 100;
    sprite.MoveX(16);
    EXPECT_DOUBLE_EQ(sprite.WorldX(), 51.6);
    EXPECT_DOUBLE_EQ(sprite.OldWorldX(), 50.0);

    sprite.SetVelocityY(-250);
    sprite.MoveY(40);
    EXPECT_DOUBLE_EQ(sprite.WorldY(), -10.0);
    EXPECT_DOUBLE_EQ(sprite.OldWorldY(), 0.0);
}

TEST_F(WorldFixture, CountdownStopsAtZero) {
    TBaseWorldSprite sprite(world);
    sprite.Countdown = 50;
    sprite.Update(30);
    EXPECT_EQ(sprite.Countdown, 20);
    sprite.Update(30);
    EXPECT_EQ(sprite.Countdown, 0);
    sprite.Update(30);
    EXPECT_EQ(sprite.Countdown, 0);

    sprite.Countdown = -7;  // not running: left alone
    sprite.Update(30);
    EXPECT_EQ(sprite.Countdown, -7);
    sprite.Countdown = 5;
    sprite.Update(INT32_MIN);  // a clock gone wild must not overflow it
    EXPECT_EQ(sprite.Countdown, INT32_MAX);
}

TEST_F(WorldFixture, BackgroundsStartBehindEverySpriteOfZeroOrMore) {
    TBaseWorldSprite front(world);
    TBackgroundWorldSprite back(world);
    EXPECT_EQ(back.Z(), -1);
    EXPECT_EQ(engine.DrawList().front(), &back);
}

TEST_F(WorldFixture, WithoutAnImageOnScreenMeansStrictlyInsideTheView) {
    TBaseWorldSprite sprite(world);
    EXPECT_EQ(sprite.AnchorX(), 0);
    EXPECT_EQ(sprite.AnchorY(), 0);
    sprite.X = 0;
    EXPECT_FALSE(sprite.IsOnScreenX());
    sprite.X = 0.5;
    EXPECT_TRUE(sprite.IsOnScreenX());
    sprite.X = 799.9;
    EXPECT_TRUE(sprite.IsOnScreenX());
    sprite.X = 800;
    EXPECT_FALSE(sprite.IsOnScreenX());
}

TEST(SpriteWorldGrid, TablesAreRebuiltWithTheirIndices) {
    TSpriteWorldGrid grid;
    EXPECT_EQ(grid.Cols(), 1);
    EXPECT_EQ(grid.Rows(), 1);
    EXPECT_EQ(grid.CellWidth(), 10);
    EXPECT_EQ(grid.CellHeight(), 10);

    int marker = 0;
    grid.Tile(0, 0)->Data = &marker;
    grid.SetSize(3, 2);
    ASSERT_EQ(grid.Tiles().size(), 3u);
    for (const auto& column : grid.Tiles()) EXPECT_EQ(column.size(), 2u);
    EXPECT_EQ(grid.Tiles()[2][1]->Col, 2);
    EXPECT_EQ(grid.Tiles()[2][1]->Row, 1);
    EXPECT_EQ(grid.Tile(0, 0)->Data, nullptr);
    EXPECT_EQ(grid.Tile(3, 0), nullptr);
    EXPECT_EQ(grid.Tile(0, 2), nullptr);

    grid.SetSize(-1, 5);
    EXPECT_EQ(grid.Cols(), 0);
    grid.SetCellSize(32, 16);
    EXPECT_EQ(grid.CellWidth(), 32);
}

}  // namespace
