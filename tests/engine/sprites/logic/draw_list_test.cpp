// The draw list's order as sprites join, leave and change their Z.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "engine/sprites/sprite_engine.h"

namespace {

std::vector<int32_t> ZOrder(const TDSpriteEngine2D& engine) {
    std::vector<int32_t> order;
    for (const TDSprite2D* sprite : engine.DrawList()) order.push_back(sprite->Z());
    return order;
}

TEST(DrawList, KeepsAscendingZThroughJoiningAndChanges) {
    TDSpriteEngine2D engine;
    TDSprite2D a(&engine), b(&engine), c(&engine);
    a.SetZ(5);
    b.SetZ(-1);
    c.SetZ(3);
    EXPECT_EQ(ZOrder(engine), (std::vector<int32_t>{-1, 3, 5}));
    // Joining order is kept apart from drawing order.
    EXPECT_EQ(engine.Sprites(), (std::vector<TDSprite2D*>{&a, &b, &c}));

    a.SetZ(-30);
    c.SetZ(9000);
    EXPECT_EQ(engine.DrawList(), (std::vector<TDSprite2D*>{&a, &b, &c}));

    TDSprite2D d(&engine);  // joins at Z 0, between -1 and 9000
    EXPECT_EQ(engine.DrawList(), (std::vector<TDSprite2D*>{&a, &b, &d, &c}));
}

TEST(DrawList, ResortsOnlyWhenAnAutoSortingSpriteReallyChanges) {
    TDSpriteEngine2D engine;
    TDSprite2D manual(&engine), automatic(&engine);
    automatic.SetZ(10);
    manual.AutoSort = false;
    manual.SetZ(20);
    manual.SetZ(30);  // an out-of-order list is left alone...
    automatic.SetZ(10);  // ...and setting the same Z is no change either
    EXPECT_EQ(engine.DrawList(), (std::vector<TDSprite2D*>{&manual, &automatic}));

    automatic.SetZ(11);
    EXPECT_EQ(engine.DrawList(), (std::vector<TDSprite2D*>{&automatic, &manual}));

    manual.SetZ(0);
    engine.SortSprites();
    EXPECT_EQ(engine.DrawList(), (std::vector<TDSprite2D*>{&manual, &automatic}));
}

TEST(DrawList, DestroyedSpritesLeaveBothListsAndUnknownOnesAreIgnored) {
    TDSpriteEngine2D engine;
    TDSprite2D keep1(&engine);
    keep1.SetZ(1);
    {
        TDSprite2D gone(&engine);
        gone.SetZ(2);
        TDSprite2D keep2(&engine);
        keep2.SetZ(3);
    }
    EXPECT_EQ(engine.Sprites(), (std::vector<TDSprite2D*>{&keep1}));

    TDSprite2D stranger(nullptr);
    engine.RemoveSprite(&stranger);
    engine.RemoveSprite(nullptr);
    EXPECT_EQ(engine.DrawList(), (std::vector<TDSprite2D*>{&keep1}));
}

TEST(DrawList, SpritesOutlivingTheirEngineForgetIt) {
    auto engine = std::make_unique<TDSpriteEngine2D>();
    TDSprite2D survivor(engine.get());
    engine.reset();
    EXPECT_EQ(survivor.Engine(), nullptr);
    survivor.SetZ(4);  // must not reach the dead engine
    survivor.Render();
}

TEST(SpriteBounds, TruncateTowardZeroAtNegativePositions) {
    TDSprite2D sprite(nullptr);
    sprite.X = -10.7;
    sprite.Y = 5.9;
    EXPECT_EQ(sprite.BoundsRect().left, -10);
    EXPECT_EQ(sprite.BoundsRect().top, 5);
    sprite.X = 1e300;  // saturates instead of overflowing
    EXPECT_EQ(sprite.BoundsRect().left, INT32_MAX);
}

}  // namespace
