// The engine's binding to the display screen: registration, the surface it
// paints on, and letting go when the screen goes first.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "engine/sprites/sprite_fixture.h"

namespace {

bool Registered(TDDrawScreen& screen, TDSpriteEngine2D& engine) {
    auto& engines = screen.SpriteEngines();
    return std::count(engines.begin(), engines.end(), &engine) == 1;
}

// Counts how often the engine asks it to paint.
class CountingSprite : public TDSprite2D {
public:
    using TDSprite2D::TDSprite2D;
    void Draw() override { ++Draws; }
    int Draws = 0;
};

TEST(EngineScreen, BindingRegistersOnceAndRebindingMoves) {
    SpriteDisplay d;
    EXPECT_TRUE(Registered(d.screen, d.engine));
    d.engine.SetDrawScreen(&d.screen);
    EXPECT_TRUE(Registered(d.screen, d.engine));

    SpriteDisplay other;
    d.engine.SetDrawScreen(&other.screen);
    EXPECT_FALSE(Registered(d.screen, d.engine));
    EXPECT_TRUE(Registered(other.screen, d.engine));
    d.engine.SetDrawScreen(nullptr);
    EXPECT_TRUE(other.screen.SpriteEngines().size() == 1u);  // only its own engine
}

TEST(EngineScreen, PaintsOnlyOnAnInitialisedScreen) {
    SpriteDisplay d;
    EXPECT_EQ(d.engine.Surface(), nullptr);
    EXPECT_EQ(d.engine.ScreenRect(), (TRect{0, 0, 0, 0}));
    CountingSprite sprite(&d.engine);
    d.engine.Draw();

    d.screen.Initialize();
    EXPECT_EQ(d.engine.Surface(), d.screen.BackBuffer());
    EXPECT_EQ(d.engine.ScreenRect(), (TRect{0, 0, 800, 600}));
    // Without an image a sprite has no size and is never painted.
    d.engine.Draw();
    EXPECT_EQ(sprite.Draws, 0);

    TDSpriteEngine2D unbound;
    EXPECT_EQ(unbound.Surface(), nullptr);
}

TEST(EngineScreen, ScreenGoingFirstReleasesEveryEngine) {
    TDSpriteEngine2D first, second;
    auto display = std::make_unique<HeadlessScreen>();
    first.SetDrawScreen(&display->screen);
    second.SetDrawScreen(&display->screen);
    display->screen.Initialize();
    ASSERT_NE(first.Surface(), nullptr);

    display.reset();
    EXPECT_EQ(first.DrawScreen(), nullptr);
    EXPECT_EQ(second.DrawScreen(), nullptr);
    first.Draw();  // nothing to paint on, nothing raised
    EXPECT_EQ(first.Surface(), nullptr);
}

}  // namespace
