// The five level tunes: light factory pop, one key and groove each, so the
// levels feel different while the game keeps one voice.

#include "sequencer.h"
#include "sounds.h"

namespace assetgen::sounds {

using synth::Wave;

Sound music1() {
  // "Morning shift": C major, a bouncy I-V-vi-IV.
  return perform(Score{
      .bpm = 120, .tonic = 72, .chords = {1, 5, 6, 4, 1, 5, 4, 5},
      .melody = "1' . 5 3 5 - 1' . | 7 . 5 2 5 - 7 . | 1' . 6 3 6 - 1' 2' | 3' - 2' 1' 6 - . . |"
                "5 . 5 6 5 3 1 3 | 2 - 5 - 7 - 2' . | 1' 6 4 6 1' - 7 6 | 5 - 7 - 2' - . .",
      .bass = "R.RFO.FR", .kick = "x.......x.......", .snare = "....x.......x...",
      .hats = "x.x.x.x.x.x.x.xo", .clank = "......x.......x.", .bars = 16,
      .lead = Wave::Square, .lead_gain = 0.16, .seed = 1001});
}

Sound music2() {
  // The menu tune: G major, relaxed.
  return perform(Score{
      .bpm = 108, .tonic = 67, .chords = {1, 4, 2, 5, 1, 4, 5, 1},
      .melody = "3 - - 2 1 - 5, - | 4 - 6 - 1' - 6 . | 2' - 1' 6 4 - 2 . | 5 - 7 - 2' - - . |"
                "3' - 2' 1' 5 - 3 . | 4 6 1' 6 4 - 2 . | 7, - 2 5 7 - 6 . | 1' - - - 5 - . .",
      .bass = "R--FR--F", .kick = "x.........x.....", .snare = "....x.......x...",
      .hats = "x...x...x...x..o", .clank = "..x.............", .bars = 16,
      .lead = Wave::Triangle, .lead_gain = 0.24, .seed = 2002});
}

Sound music3() {
  // F major, busier.
  return perform(Score{
      .bpm = 128, .tonic = 65, .chords = {1, 6, 4, 5, 1, 6, 2, 5},
      .melody = "1 3 5 3 1' - 5 . | 6 - 3 6 1' - 6 . | 4 - 6 4 1' - 6 4 | 5 - 7 5 2' - 7 . |"
                "3' - 1' - 5 - 1' . | 2' 1' 6 - 3 - 6 . | 4 - 6 - 2' - 1' 6 | 5 - - 7 2' - 5 .",
      .bass = "R.OR.FOF", .kick = "x...x...x...x...", .snare = "....x.......x..x",
      .hats = "xxx.xxx.xxx.xxx.", .clank = "...x.......x....", .bars = 16,
      .lead = Wave::Organ, .lead_gain = 0.3, .seed = 3003});
}

Sound music4() {
  // D major, a quick march.
  return perform(Score{
      .bpm = 136, .tonic = 62, .chords = {1, 4, 5, 4, 1, 4, 5, 5},
      .melody = "5 5 . 3 5 . 1' . | 6 6 . 4 6 . 1' . | 7 . 5 . 2' . 7 5 | 6 - 4 - 1' - . . |"
                "3' 2' 1' 5 3 5 1' . | 4' 3' 1' 6 4 6 1' . | 2' - 7 5 2 5 7 . | 5 - 7 - 2' - 5 .",
      .bass = "R.F.R.F.", .kick = "x.......x.x.....", .snare = "....x.......x...",
      .hats = "x.x.x.x.x.x.x.x.", .clank = "..............x.", .bars = 16,
      .lead = Wave::Square, .lead_gain = 0.15, .seed = 4004});
}

Sound music5() {
  // B flat major, playful.
  return perform(Score{
      .bpm = 124, .tonic = 70, .chords = {1, 6, 2, 5, 1, 6, 4, 5},
      .melody = "5 . 5 . 6 5 3 . | 6 . 6 . 1' 6 3 . | 4 . 4 . 6 4 2 . | 5 - 7 2' 5' - . . |"
                "1' - 5 3 1 3 5 . | 6 - 3 1 6, 1 3 . | 4 6 1' 4' 3' 1' 6 4 | 5 - 2 - 7, - . .",
      .bass = "R.RO.RFO", .kick = "x.....x...x.....", .snare = "....x.......x...",
      .hats = "x.xxx.xxx.xxx.xo", .clank = "......x.....x...", .bars = 16,
      .lead = Wave::Saw, .lead_gain = 0.17, .seed = 5005});
}

}  // namespace assetgen::sounds
