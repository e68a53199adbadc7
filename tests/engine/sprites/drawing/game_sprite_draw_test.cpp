// Game sprites on the back buffer: order, culling at the edges, truncation,
// hidden sprites and the pattern chosen by animations.
#include <gtest/gtest.h>

#include "engine/sprites/game_sprite.h"
#include "engine/sprites/image_fixture.h"

#include <memory>

namespace {

// Counts the paints the engine asks for, then paints as usual.
class CountingSprite : public TCustomGameSprite {
public:
    using TCustomGameSprite::TCustomGameSprite;
    void Draw() override {
        ++Draws;
        TCustomGameSprite::Draw();
    }
    int Draws = 0;
};

struct GameSpriteDraw : ::testing::Test {
    SpriteImages d;
    TImageCollectionItem* red = d.Strip("red", 40, 40, {kRed});
    TImageCollectionItem* green = d.Strip("green", 40, 40, {kGreen});
    TImageCollectionItem* blue = d.Strip("blue", 40, 40, {kBlue});
    TImageCollectionItem* counting = d.Strip("counting", 10, 10, {kRed, kGreen, kBlue, kWhite});

    void SetUp() override { d.screen.Initialize(); }

    void Frame() {
        d.screen.Clear();
        d.engine.Draw();
    }
};

TEST_F(GameSpriteDraw, LaterZPaintsOver) {
    CountingSprite a(&d.engine), b(&d.engine), c(&d.engine);
    a.Image = red;
    b.Image = green;
    c.Image = blue;
    a.X = b.X = c.X = 100;
    a.Y = b.Y = c.Y = 100;
    a.SetZ(5);
    b.SetZ(-1);
    c.SetZ(3);
    Frame();
    EXPECT_EQ(d.pixel(120, 120), k565Red);
    a.SetZ(2);
    Frame();
    EXPECT_EQ(d.pixel(120, 120), k565Blue);
    c.Visible = false;  // hidden sprites are skipped even on screen
    Frame();
    EXPECT_EQ(d.pixel(120, 120), k565Red);
    EXPECT_EQ(c.Draws, 2);
}

TEST_F(GameSpriteDraw, NegativePositionsTruncateTowardZero) {
    CountingSprite s(&d.engine);
    s.Image = red;
    s.X = -10.7;  // left edge -10: columns -10..29 are the sprite's
    s.Y = 0;
    Frame();
    EXPECT_EQ(d.pixel(29, 0), k565Red);
    EXPECT_EQ(d.pixel(30, 0), 0u);
    EXPECT_EQ(d.pixel(0, 40), 0u);
}

TEST_F(GameSpriteDraw, CullsOnlySpritesWhollyOffScreen) {
    CountingSprite s(&d.engine);
    s.Image = red;
    struct Case { double x, y; int draws; };
    const Case cases[] = {{-40, 0, 0}, {-39.9, 0, 1}, {-39, 0, 1}, {799.9, 0, 1}, {800, 0, 0},
                          {0, -40, 0}, {0, -39, 1},   {0, 599, 1},   {0, 600, 0}};
    int expected = 0;
    for (const Case& c : cases) {
        s.X = c.x;
        s.Y = c.y;
        Frame();
        expected += c.draws;
        EXPECT_EQ(s.Draws, expected) << "at " << c.x << ", " << c.y;
    }
    // One column of overlap draws the sprite whole: the surface clips it.
    s.X = -39;
    s.Y = 10;
    Frame();
    EXPECT_EQ(d.pixel(0, 10), k565Red);
    EXPECT_EQ(d.pixel(0, 49), k565Red);
}

TEST_F(GameSpriteDraw, ShowsTheAnimationFrameOrThePatternIndex) {
    CountingSprite s(&d.engine);
    s.Image = counting;
    s.Animations().PatternCount = counting->PatternCount();
    TSpriteAnimation& walk = *s.Animations().Items(s.Animations().Add("walk", 2, true, 100));
    walk.SetFrame(0, 2);
    walk.SetFrame(1, 1);
    Frame();
    EXPECT_EQ(d.pixel(0, 0), k565Blue);
    s.Update(100);
    Frame();
    EXPECT_EQ(d.pixel(0, 0), k565Green);

    s.Animations().Enabled = false;
    s.SetPatternIndex(3);
    Frame();
    EXPECT_EQ(d.pixel(0, 0), k565White);
}

TEST_F(GameSpriteDraw, PatternIndexStaysWithinTheImage) {
    CountingSprite s(&d.engine);
    s.SetPatternIndex(100);  // no image yet: any non-negative index
    EXPECT_EQ(s.PatternIndex(), 100);
    s.SetPatternIndex(-2);
    EXPECT_EQ(s.PatternIndex(), 0);
    s.Image = counting;
    s.SetPatternIndex(3);
    EXPECT_EQ(s.PatternIndex(), 3);
    s.SetPatternIndex(4);  // one past the last wraps to the first
    EXPECT_EQ(s.PatternIndex(), 0);
}

}  // namespace

namespace {

// Removes another sprite, or adds one, from inside its own Draw.
class MeddlingSprite : public TCustomGameSprite {
public:
    using TCustomGameSprite::TCustomGameSprite;
    void Draw() override {
        TCustomGameSprite::Draw();
        if (Victim) Victim.reset();
        if (Spawn && !Spawned) {
            Spawned = std::make_unique<CountingSprite>(Engine());
            Spawned->Image = Image;
            Spawned->SetZ(Z() + 1);
        }
    }
    std::unique_ptr<CountingSprite> Victim;
    std::unique_ptr<CountingSprite> Spawned;
    bool Spawn = false;
};

TEST_F(GameSpriteDraw, SpritesRemovedWhileDrawingDoNotDerailTheFrame) {
    MeddlingSprite meddler(&d.engine);
    meddler.Image = red;
    meddler.Victim = std::make_unique<CountingSprite>(&d.engine);
    meddler.Victim->Image = green;
    meddler.Victim->SetZ(10);
    Frame();  // the list shrinks under the engine's feet
    EXPECT_EQ(meddler.Victim, nullptr);
    EXPECT_EQ(d.pixel(0, 0), k565Red);
}

TEST_F(GameSpriteDraw, SpritesAddedWhileDrawingJoinTheNextFrame) {
    CountingSprite before(&d.engine);
    before.SetZ(-1);
    MeddlingSprite meddler(&d.engine);
    meddler.Image = red;
    meddler.Spawn = true;
    Frame();
    ASSERT_NE(meddler.Spawned, nullptr);
    EXPECT_EQ(meddler.Spawned->Draws, 0);
    Frame();
    EXPECT_EQ(meddler.Spawned->Draws, 1);
}

}  // namespace
