// Timed animations: validation of their tables and how they advance.
#include <gtest/gtest.h>

#include "engine/sprites/game_sprite.h"
#include "engine/sprites/sprite_animation.h"

#include <vector>

namespace {

// Four frames of 100 ms showing patterns 10..13.
TSpriteAnimation& AddCounting(TSpriteAnimations& animations, const char* name, int32_t frames, bool looped) {
    animations.PatternCount = 20;
    TSpriteAnimation& animation = *animations.Items(animations.Add(name, frames, looped, 100));
    for (int32_t i = 0; i < frames; ++i) animation.SetFrame(i, 10 + i);
    return animation;
}

TEST(SpriteAnimation, BadCountsAndSpeedsFallBackToSafeValues) {
    TSpriteAnimations animations;
    TSpriteAnimation& bad = *animations.Items(animations.Add("bad", 21, true, 0));
    EXPECT_EQ(bad.FrameCount(), 0);
    EXPECT_EQ(bad.Speed(), 100);
    TSpriteAnimation& edge = *animations.Items(animations.Add("edge", 20, true, 10000));
    EXPECT_EQ(edge.FrameCount(), 20);
    EXPECT_EQ(edge.Speed(), 10000);
    edge.SetSpeed(10001);
    EXPECT_EQ(edge.Speed(), 100);
    EXPECT_EQ(animations.Items(animations.Add("negative", -1, false, -5))->FrameCount(), 0);
}

TEST(SpriteAnimation, SetFrameChecksCapacityAndPatternCount) {
    TSpriteAnimations animations;
    TSpriteAnimation& walk = *animations.Items(animations.Add("walk", 4, true, 100));
    walk.SetFrame(3, 5);
    EXPECT_EQ(walk.Frames()[3], 0);
    animations.PatternCount = 5;
    walk.SetFrame(3, 5);
    EXPECT_EQ(walk.Frames()[3], 0);
    animations.PatternCount = 6;
    walk.SetFrame(3, 5);
    EXPECT_EQ(walk.Frames()[3], 5);

    walk.SetFrame(19, 4);  // beyond FrameCount but within the table
    EXPECT_EQ(walk.Frames()[19], 4);
    walk.SetFrame(20, 4);
    walk.SetFrame(-1, 4);
    walk.SetFrame(2, -1);
    EXPECT_EQ(walk.Frames()[2], 0);
}

TEST(SpriteAnimation, LoopedWrapDropsTheOvershoot) {
    TSpriteAnimations animations;
    TSpriteAnimation& loop = AddCounting(animations, "loop", 4, true);
    int32_t shown[8];
    for (int& pattern : shown) {
        pattern = animations.CurrentPattern();
        animations.Animate(50);
    }
    EXPECT_EQ(std::vector<int32_t>(shown, shown + 8), (std::vector<int32_t>{10, 10, 11, 11, 12, 12, 13, 13}));
    EXPECT_EQ(animations.CurrentPattern(), 10);  // wrapped after 400 ms

    animations.Animate(390);
    EXPECT_DOUBLE_EQ(loop.Position(), 3.9);
    animations.Animate(250);  // lands on the first frame, not on 2.4
    EXPECT_DOUBLE_EQ(loop.Position(), 0.0);
    animations.Animate(100000);  // never skips past the end more than once
    EXPECT_DOUBLE_EQ(loop.Position(), 0.0);
}

TEST(SpriteAnimation, UnloopedHoldsItsLastFrame) {
    TSpriteAnimations animations;
    AddCounting(animations, "once", 3, false);
    animations.Animate(250);
    EXPECT_EQ(animations.CurrentPattern(), 12);
    animations.Animate(100000);
    EXPECT_EQ(animations.CurrentPattern(), 12);

    TSpriteAnimations empty;
    AddCounting(empty, "none", 0, false);
    empty.Animate(10);
    EXPECT_DOUBLE_EQ(empty.Items(0)->Position(), 0.0);
    EXPECT_EQ(empty.CurrentPattern(), 0);
}

TEST(SpriteAnimation, ZeroAndNegativeElapsedAdvanceOneMillisecond) {
    TSpriteAnimations animations;
    TSpriteAnimation& loop = AddCounting(animations, "loop", 4, true);
    animations.Animate(0);
    EXPECT_DOUBLE_EQ(loop.Position(), 0.01);
    animations.Animate(-5);
    EXPECT_DOUBLE_EQ(loop.Position(), 0.02);
    // Driven directly, a step backwards still never leaves the table.
    loop.Advance(-1000);
    EXPECT_DOUBLE_EQ(loop.Position(), 0.0);
}

TEST(SpriteAnimations, CurrentSelectionRestartsOnlyANewChoice) {
    TSpriteAnimations animations;
    TSpriteAnimation& walk = AddCounting(animations, "Walk", 4, true);
    TSpriteAnimation& jump = AddCounting(animations, "Jump", 4, true);
    EXPECT_EQ(animations.Current(), 0);
    animations.Animate(250);
    animations.SetCurrent(0);
    EXPECT_DOUBLE_EQ(walk.Position(), 2.5);

    animations.SetCurrent(1);
    animations.Animate(100);
    animations.SetCurrent(0);  // the old one resumes from the start
    EXPECT_DOUBLE_EQ(walk.Position(), 0.0);
    EXPECT_DOUBLE_EQ(jump.Position(), 1.0);  // the other keeps its place
    animations.SetCurrent(2);
    animations.SetCurrent(-1);
    EXPECT_EQ(animations.Current(), 0);

    animations.Enabled = false;
    animations.Animate(100);
    EXPECT_DOUBLE_EQ(walk.Position(), 0.0);
}

TEST(SpriteAnimations, LookupIgnoresCaseAndFindsTheFirstOfDuplicates) {
    TSpriteAnimations animations;
    animations.Add("RunLeft", 3, true, 1000);
    animations.Add("runleft", 2, true, 1000);
    EXPECT_EQ(animations.Find("RUNLEFT"), animations.Items(0));
    EXPECT_EQ(animations.IndexOf("runLeft"), 0);
    EXPECT_EQ(animations.IndexOf("Run"), -1);
    EXPECT_EQ(animations.Find("RunLeftX"), nullptr);
    EXPECT_EQ(animations.Items(2), nullptr);
    EXPECT_EQ(TSpriteAnimations().CurrentPattern(), 0);
}

TEST(GameSprite, PatternComesFromAnimationsOnlyWhileEnabled) {
    TCustomGameSprite sprite(nullptr);
    AddCounting(sprite.Animations(), "walk", 4, true);
    sprite.SetPatternIndex(3);
    sprite.Update(100);
    EXPECT_EQ(sprite.CurrentPattern(), 11);
    sprite.Animations().Enabled = false;
    EXPECT_EQ(sprite.CurrentPattern(), 3);
    sprite.Update(100);  // frozen while disabled
    sprite.Animations().Enabled = true;
    EXPECT_EQ(sprite.CurrentPattern(), 11);
}

}  // namespace
