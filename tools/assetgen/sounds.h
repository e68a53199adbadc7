#pragma once
// The game's effects and music loops.

#include "sound.h"

namespace assetgen::sounds {

// effects.cpp
Sound approve();  // a bright rising chime
Sound reject();   // a low buzz
Sound pick();     // a soft click
Sound putback();  // a softer, lower click
Sound ratchet();  // a tool doing its work
Sound thud();     // a dull knock

// music.cpp: five seamless loops
Sound music1();
Sound music2();
Sound music3();
Sound music4();
Sound music5();

}  // namespace assetgen::sounds
