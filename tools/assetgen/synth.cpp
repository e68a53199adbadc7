#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace assetgen::synth {

namespace {

constexpr double kTau = 2 * std::numbers::pi;
constexpr int kTableSize = 2048;
constexpr int kWaveCount = 5;

using Table = std::array<double, kTableSize + 1>;

// Band-limited single cycles built from a few harmonics, so even the bright
// waves stay round and free of aliasing whistles.
std::array<Table, kWaveCount> build_tables() {
  std::array<Table, kWaveCount> t{};
  for (int i = 0; i <= kTableSize; ++i) {
    const double p = kTau * i / kTableSize;
    double tri = 0, sq = 0, saw = 0;
    for (int h = 1; h <= 15; ++h) {
      const double rolloff = 1.0 / (1.0 + 0.02 * h * h);
      if (h % 2 == 1) {
        tri += ((h / 2) % 2 == 0 ? 1.0 : -1.0) * std::sin(h * p) / (h * h);
        sq += std::sin(h * p) / h * rolloff;
      }
      saw += std::sin(h * p) / h * rolloff;
    }
    t[0][i] = std::sin(p);
    t[1][i] = tri * 8 / (std::numbers::pi * std::numbers::pi);
    t[2][i] = sq * 0.9;
    t[3][i] = saw * 0.6;
    t[4][i] = 0.6 * std::sin(p) + 0.3 * std::sin(2 * p) + 0.15 * std::sin(4 * p);
  }
  return t;
}

const std::array<Table, kWaveCount>& tables() {
  static const std::array<Table, kWaveCount> t = build_tables();
  return t;
}

double envelope(const Envelope& e, double t, double held) {
  if (t < 0) return 0;
  auto level_at = [&e](double u) {
    if (u < e.attack) return u / e.attack;
    const double d = u - e.attack;
    if (d < e.decay) return 1.0 - (1.0 - e.sustain) * (d / e.decay);
    return e.sustain;
  };
  if (t < held) return level_at(t);
  const double r = t - held;
  if (r >= e.release) return 0;
  return level_at(held) * (1.0 - r / e.release);
}

std::int64_t to_index(double seconds) { return static_cast<std::int64_t>(std::llround(seconds * kSampleRate)); }

}  // namespace

double Noise::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return static_cast<double>(state_) / 2147483648.0 - 1.0;
}

void Mix::add(std::int64_t index, double value) {
  const auto n = static_cast<std::int64_t>(samples_.size());
  if (looping_) {
    index %= n;
    if (index < 0) index += n;
  } else if (index < 0 || index >= n) {
    return;
  }
  samples_[static_cast<std::size_t>(index)] += value;
}

double midi_to_hz(double midi) { return 440.0 * std::pow(2.0, (midi - 69.0) / 12.0); }

double wave_at(Wave w, double phase) {
  const Table& t = tables()[static_cast<std::size_t>(w)];
  const double pos = (phase - std::floor(phase)) * kTableSize;
  const int i = static_cast<int>(pos);
  const double f = pos - i;
  return t[static_cast<std::size_t>(i)] * (1 - f) + t[static_cast<std::size_t>(i) + 1] * f;
}

void note(Mix& mix, const NoteEvent& s) {
  const std::int64_t first = to_index(s.start);
  const std::int64_t count = to_index(s.length + s.env.release);
  const double dt = 1.0 / kSampleRate;
  const double lp = s.lowpass > 0 ? 1.0 - std::exp(-kTau * s.lowpass * dt) : 1.0;
  double phase = 0, filtered = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) * dt;
    double hz = s.hz;
    if (s.glide_from > 0 && t < s.env.attack * 4) hz = s.glide_from + (s.hz - s.glide_from) * (t / (s.env.attack * 4));
    if (s.vibrato > 0) hz *= std::pow(2.0, s.vibrato * std::sin(kTau * 5.5 * t) * std::min(1.0, t * 4) / 12.0);
    phase += hz * dt;
    const double raw = wave_at(s.wave, phase);
    filtered += (raw - filtered) * lp;
    mix.add(first + i, filtered * s.gain * envelope(s.env, t, s.length));
  }
}

void kick(Mix& mix, double start, double gain) {
  const std::int64_t first = to_index(start);
  const std::int64_t count = to_index(0.28);
  double phase = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double hz = 48 + 110 * std::exp(-t * 30);
    phase += hz / kSampleRate;
    const double amp = std::exp(-t * 11) * std::min(1.0, t * 800);
    mix.add(first + i, std::sin(kTau * phase) * amp * gain);
  }
}

void snare(Mix& mix, double start, double gain, Noise& noise) {
  const std::int64_t first = to_index(start);
  const std::int64_t count = to_index(0.2);
  double phase = 0, band = 0, prev = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    phase += 190.0 / kSampleRate;
    const double n = noise.next();
    band += (n - band) * 0.35;  // keep the hiss soft
    const double hp = band - prev;
    prev = band;
    const double amp = std::min(1.0, t * 1000);
    mix.add(first + i, (std::sin(kTau * phase) * 0.6 * std::exp(-t * 30) + hp * 1.0 * std::exp(-t * 26)) * amp * gain);
  }
}

void hat(Mix& mix, double start, double gain, Noise& noise, bool open) {
  const std::int64_t first = to_index(start);
  const double decay = open ? 14.0 : 55.0;
  const std::int64_t count = to_index(open ? 0.25 : 0.07);
  double prev = 0, soft = 0;
  for (std::int64_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    soft += (noise.next() - soft) * 0.6;  // take the glassy top off
    const double hp = soft - prev;        // and the body: hats live up high
    prev = soft;
    mix.add(first + i, hp * 0.5 * std::exp(-t * decay) * std::min(1.0, t * 2000) * gain);
  }
}

void clank(Mix& mix, double start, double gain) {
  // A few inharmonic partials, like a spanner tapping a steel rail.
  static constexpr std::array<double, 4> partials{1120.0, 1710.0, 2630.0, 3390.0};
  const std::int64_t first = to_index(start);
  const std::int64_t count = to_index(0.18);
  for (std::int64_t i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    double v = 0;
    for (std::size_t k = 0; k < partials.size(); ++k)
      v += std::sin(kTau * partials[k] * t) * std::exp(-t * (22.0 + 10.0 * static_cast<double>(k))) / static_cast<double>(k + 1);
    mix.add(first + i, v * gain * std::min(1.0, t * 3000));
  }
}

Sound finish(const Mix& mix, double peak) {
  double max = 0;
  for (double v : mix.samples()) max = std::max(max, std::abs(v));
  const double scale = max > 0 ? peak * 32767.0 / max : 0.0;
  Sound out;
  out.channels = 1;
  out.samples.reserve(mix.frames());
  for (double v : mix.samples())
    out.samples.push_back(static_cast<std::int16_t>(std::clamp(std::lround(v * scale), -32767L, 32767L)));
  return out;
}

}  // namespace assetgen::synth
