#include "sequencer.h"

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

namespace assetgen {

namespace {

using namespace synth;

constexpr std::array<int, 7> kMajor{0, 2, 4, 5, 7, 9, 11};

// Semitones above the tonic of a scale degree (1-based, may run past 7).
int degree_to_semitone(int degree) {
  const int d = degree - 1;
  const int octave = d >= 0 ? d / 7 : (d - 6) / 7;
  const int within = d - octave * 7;
  return octave * 12 + kMajor[static_cast<std::size_t>(within)];
}

struct MelodyNote {
  int step;    // in eighths
  int length;  // in eighths
  int semitone;
};

std::vector<std::string_view> tokens(std::string_view text) {
  std::vector<std::string_view> out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == '|')) ++i;
    std::size_t j = i;
    while (j < text.size() && text[j] != ' ' && text[j] != '|') ++j;
    if (j > i) out.push_back(text.substr(i, j - i));
    i = j;
  }
  return out;
}

std::vector<MelodyNote> parse_melody(std::string_view text, int& eighths) {
  std::vector<MelodyNote> notes;
  const auto toks = tokens(text);
  eighths = static_cast<int>(toks.size());
  bool holding = false;
  for (int step = 0; step < eighths; ++step) {
    const std::string_view t = toks[static_cast<std::size_t>(step)];
    if (t == "-") {
      if (holding) ++notes.back().length;
      continue;
    }
    if (t == ".") {
      holding = false;
      continue;
    }
    if (t[0] < '1' || t[0] > '7') throw std::invalid_argument("bad melody token " + std::string(t));
    int semis = degree_to_semitone(t[0] - '0');
    for (char c : t.substr(1)) semis += c == '\'' ? 12 : c == ',' ? -12 : 0;
    notes.push_back({step, 1, semis});
    holding = true;
  }
  return notes;
}

}  // namespace

Sound perform(const Score& s) {
  const double beat = 60.0 / s.bpm;
  const double bar = 4 * beat;
  const double eighth = beat / 2;
  const double sixteenth = beat / 4;
  const auto frames = static_cast<std::size_t>(std::llround(s.bars * bar * kSampleRate));
  Mix mix(frames, true);
  Noise noise(s.seed);

  // Lead melody.
  int melody_eighths = 0;
  const auto melody = parse_melody(s.melody, melody_eighths);
  if (melody_eighths != 64) throw std::invalid_argument("a melody is eight bars of eighths");
  const Envelope lead_env{0.012, 0.12, 0.55, 0.09};
  for (int pass = 0; pass < s.bars / 8; ++pass) {
    for (const MelodyNote& n : melody) {
      const double start = pass * 8 * bar + n.step * eighth;
      note(mix, {.start = start, .length = n.length * eighth * 0.9, .hz = midi_to_hz(s.tonic + n.semitone),
                 .gain = s.lead_gain, .wave = s.lead, .env = lead_env, .vibrato = 0.12, .lowpass = 2600});
      // A soft octave-down double gives the line body without more volume.
      note(mix, {.start = start, .length = n.length * eighth * 0.9, .hz = midi_to_hz(s.tonic + n.semitone - 12),
                 .gain = s.lead_gain * 0.25, .wave = Wave::Sine, .env = lead_env});
    }
  }

  const Envelope pluck{0.003, 0.16, 0.0, 0.02};
  const Envelope bass_env{0.006, 0.1, 0.7, 0.05};
  constexpr std::array<int, 4> kArpOrder{0, 1, 2, 1};
  for (int b = 0; b < s.bars; ++b) {
    const double bar_start = b * bar;
    const int root_degree = s.chords[static_cast<std::size_t>(b % 8)];
    const std::array<int, 3> chord{degree_to_semitone(root_degree), degree_to_semitone(root_degree + 2),
                                   degree_to_semitone(root_degree + 4)};

    // Arpeggio: chord tones in sixteenths, plucked, an octave below the melody.
    for (int i = 0; i < 16; ++i) {
      const int tone = chord[static_cast<std::size_t>(kArpOrder[static_cast<std::size_t>(i % 4)])] + (i >= 8 && i % 4 == 2 ? 12 : 0);
      note(mix, {.start = bar_start + i * sixteenth, .length = sixteenth, .hz = midi_to_hz(s.tonic - 12 + tone),
                 .gain = 0.07, .wave = Wave::Organ, .env = pluck});
    }

    // The second time round a soft pad joins, so the loop develops before
    // it comes back to its bare start.
    if (b >= 8) {
      const Envelope pad{0.15, 0.3, 0.8, 0.25};
      for (int tone : chord)
        note(mix, {.start = bar_start, .length = bar - 0.2, .hz = midi_to_hz(s.tonic - 12 + tone), .gain = 0.035,
                   .wave = Wave::Triangle, .env = pad, .vibrato = 0.05, .lowpass = 1500});
    }

    // Bass.
    const int bass_root = s.tonic - 24 + chord[0] % 12;
    for (std::size_t i = 0; i < s.bass.size() && i < 8; ++i) {
      const char c = s.bass[i];
      if (c != 'R' && c != 'F' && c != 'O') continue;
      std::size_t len = 1;
      while (i + len < s.bass.size() && s.bass[i + len] == '-') ++len;
      const int offset = c == 'F' ? 7 : c == 'O' ? 12 : 0;
      note(mix, {.start = bar_start + static_cast<double>(i) * eighth, .length = static_cast<double>(len) * eighth * 0.85,
                 .hz = midi_to_hz(bass_root + offset), .gain = 0.32, .wave = Wave::Triangle, .env = bass_env, .lowpass = 900});
    }

    // Drums; the last bar of every eight gets a snare fill into the top of the loop.
    const bool fill = b % 8 == 7;
    for (std::size_t i = 0; i < 16; ++i) {
      const double t = bar_start + static_cast<double>(i) * sixteenth;
      if (i < s.kick.size() && s.kick[i] == 'x') kick(mix, t, 0.55);
      const bool snare_hit = (i < s.snare.size() && s.snare[i] == 'x') || (fill && i >= 12);
      if (snare_hit) snare(mix, t, fill && i >= 12 ? 0.18 + 0.03 * static_cast<double>(i - 12) : 0.26, noise);
      if (i < s.hats.size() && (s.hats[i] == 'x' || s.hats[i] == 'o')) hat(mix, t, 0.08, noise, s.hats[i] == 'o');
      if (i < s.clank.size() && s.clank[i] == 'x') clank(mix, t, 0.05);
    }
  }
  // Leaves headroom for the effects that play over the music.
  return finish(mix, 0.6);
}

}  // namespace assetgen
