#pragma once
// Whether a level makes a sound shift: every product known to the factory,
// a line that moves, thresholds a shift can reach, and a title card whose
// text the game's fonts can draw on the screen. Each refusal names the line
// it lies on when the level came from a source text.
#include <string_view>

#include "diagnostics.h"
#include "game_font.h"
#include "level_source.h"

// Where the title card draws: "Level " + number + three blanks + name in the
// title font, and the description under it in the message font, both from
// x = 100 on the 800-pixel-wide screen.
inline constexpr int kTitleCardLeft = 100;
inline constexpr int kScreenWidth = 800;

// Piles stand from x = 240, each its footprint plus 2 right of the last;
// the worker's reach ends at 775, so a pile must begin by 760 to be picked.
inline constexpr int kFirstPileX = 240;
inline constexpr int kLastReachablePileX = 760;

// Parts stack upward from a pile's top at y = 255; the stack must stay
// below the score bar.
inline constexpr int kHighestStack = 195;

// A part picture's height; 0 for a name that is no part.
int PartHeight(std::string_view part);

// A pile's footprint: 40, or 80 for a part picture wider than 40 pixels, or
// the tool picture's width and 4 for a tool.
int PileFootprint(std::string_view partOrTool);

// `fileName` is the file the level was read from: a name such as level03.txt
// or Level3.lev must match the level's number, since the game finds the
// next level by number.
TDiagnostics CheckLevel(const TLevelSource& level, std::string_view fileName, const TTitleCardFonts& fonts);
