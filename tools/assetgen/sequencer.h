#pragma once
// Turns a short written score into a seamless music loop.
//
// Melodies are written one token per eighth note: a scale degree 1-7, with '
// for an octave up or , for an octave down; "-" holds the previous note and
// "." is a rest. Bass lines are one character per eighth note: R root, F
// fifth, O octave, "-" hold, "." rest. Drum lanes are one character per
// sixteenth of a bar, "x" for a hit (in the hat lane "o" is an open hat).

#include "sound.h"
#include "synth.h"

#include <array>
#include <string_view>

namespace assetgen {

struct Score {
  double bpm;
  int tonic;                  // MIDI note of the key's tonic in the melody octave
  std::array<int, 8> chords;  // chord root as scale degree, one per bar, repeated
  std::string_view melody;    // eight bars, repeated to fill the piece
  std::string_view bass;      // one bar, repeated
  std::string_view kick, snare, hats, clank;  // one bar each
  int bars;                   // length of the loop
  synth::Wave lead;
  double lead_gain;
  std::uint32_t seed;
};

Sound perform(const Score& score);

}  // namespace assetgen
