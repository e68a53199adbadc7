// The six short effects. Each is built so it says what happened without
// looking: a chime for a good product, a buzz for a bad one, clicks for
// handling parts, a ratchet for a tool at work and a thud for a wrong try.

#include "sounds.h"
#include "synth.h"

#include <cmath>
#include <numbers>

namespace assetgen::sounds {

using namespace synth;

namespace {

Envelope bell(double ring) { return Envelope{0.002, ring, 0.0, 0.01}; }

// A bell-like tone: a sine with a quieter fifth-and-octave shimmer above it.
void chime(Mix& mix, double start, double midi, double gain, double ring) {
  const double hz = midi_to_hz(midi);
  note(mix, {.start = start, .length = ring, .hz = hz, .gain = gain, .wave = Wave::Sine, .env = bell(ring)});
  note(mix, {.start = start, .length = ring * 0.5, .hz = hz * 2.0, .gain = gain * 0.35, .wave = Wave::Sine, .env = bell(ring * 0.5)});
  note(mix, {.start = start, .length = ring * 0.25, .hz = hz * 3.01, .gain = gain * 0.15, .wave = Wave::Sine, .env = bell(ring * 0.25)});
}

// A short filtered noise burst with a tiny pitched knock in it.
void click(Mix& mix, double start, double pitch_hz, double brightness, std::uint32_t seed) {
  Noise noise(seed);
  const int count = static_cast<int>(0.035 * kSampleRate);
  const auto first = static_cast<std::int64_t>(start * kSampleRate);
  double low = 0;
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    low += (noise.next() - low) * brightness;
    const double knock = std::sin(2 * std::numbers::pi * pitch_hz * t) * std::exp(-t * 90);
    mix.add(first + i, (low * 0.6 + knock * 0.8) * std::exp(-t * 140) * std::min(1.0, t * 4000));
  }
}

}  // namespace

Sound approve() {
  Mix mix(static_cast<std::size_t>(0.9 * kSampleRate), false);
  chime(mix, 0.00, 84, 0.5, 0.5);   // C6
  chime(mix, 0.08, 88, 0.5, 0.5);   // E6
  chime(mix, 0.16, 91, 0.55, 0.7);  // G6
  return finish(mix, 0.7);
}

Sound reject() {
  Mix mix(static_cast<std::size_t>(0.65 * kSampleRate), false);
  const Envelope env{0.01, 0.05, 0.8, 0.05};
  note(mix, {.start = 0.0, .length = 0.22, .hz = 98, .gain = 0.5, .wave = Wave::Saw, .env = env, .lowpass = 900});
  note(mix, {.start = 0.0, .length = 0.22, .hz = 103.5, .gain = 0.4, .wave = Wave::Square, .env = env, .lowpass = 700});
  note(mix, {.start = 0.3, .length = 0.26, .hz = 87, .gain = 0.5, .wave = Wave::Saw, .env = env, .lowpass = 900});
  note(mix, {.start = 0.3, .length = 0.26, .hz = 92, .gain = 0.4, .wave = Wave::Square, .env = env, .lowpass = 700});
  return finish(mix, 0.65);
}

Sound pick() {
  Mix mix(static_cast<std::size_t>(0.08 * kSampleRate), false);
  click(mix, 0.0, 1400, 0.5, 11);
  return finish(mix, 0.55);
}

Sound putback() {
  Mix mix(static_cast<std::size_t>(0.12 * kSampleRate), false);
  click(mix, 0.0, 700, 0.25, 23);
  click(mix, 0.045, 520, 0.2, 29);
  return finish(mix, 0.5);
}

Sound ratchet() {
  Mix mix(static_cast<std::size_t>(0.42 * kSampleRate), false);
  for (int i = 0; i < 9; ++i) click(mix, 0.035 * i, 1800 + 60 * i, 0.7, 100 + static_cast<std::uint32_t>(i));
  return finish(mix, 0.6);
}

Sound thud() {
  Mix mix(static_cast<std::size_t>(0.35 * kSampleRate), false);
  kick(mix, 0.0, 0.9);
  click(mix, 0.0, 180, 0.08, 77);
  return finish(mix, 0.7);
}

}  // namespace assetgen::sounds
