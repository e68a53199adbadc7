#pragma once
// A small synthesiser: wavetable voices with envelopes, noise drums, and a
// mix buffer that can wrap around so a loop's tail rings into its start.

#include "sound.h"

#include <cstdint>
#include <vector>

namespace assetgen::synth {

enum class Wave { Sine, Triangle, Square, Saw, Organ };

struct Envelope {
  double attack = 0.005;   // seconds
  double decay = 0.1;      // seconds to fall to sustain
  double sustain = 0.7;    // level while held
  double release = 0.08;   // seconds after the note ends
};

// Deterministic white noise (xorshift32) for drums and clicks.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  double next();  // -1..1

 private:
  std::uint32_t state_;
};

// Mono float samples at kSampleRate. A looping mix folds anything written past
// its end back onto its start, which is what makes the loop seamless.
class Mix {
 public:
  Mix(std::size_t frames, bool looping) : samples_(frames, 0.0), looping_(looping) {}
  void add(std::int64_t index, double value);
  std::size_t frames() const { return samples_.size(); }
  const std::vector<double>& samples() const { return samples_; }

 private:
  std::vector<double> samples_;
  bool looping_;
};

double midi_to_hz(double midi);
double wave_at(Wave w, double phase);  // phase in cycles, band-limited table lookup

// A pitched note: wave, optional vibrato, envelope over `length` seconds plus release.
struct NoteEvent {
  double start = 0;   // seconds
  double length = 0;  // seconds held
  double hz = 440;
  double gain = 0.3;
  Wave wave = Wave::Sine;
  Envelope env;
  double vibrato = 0;       // depth in semitones
  double glide_from = 0;    // start pitch in Hz sliding to hz over the attack, 0 for none
  double lowpass = 0;       // one-pole cutoff in Hz, 0 for none
};
void note(Mix& mix, const NoteEvent& event);

// Drums.
void kick(Mix& mix, double start, double gain);
void snare(Mix& mix, double start, double gain, Noise& noise);
void hat(Mix& mix, double start, double gain, Noise& noise, bool open = false);
void clank(Mix& mix, double start, double gain);  // a small metallic tick

// Scales the mix to `peak` (0..1 of full scale) and converts to 16 bits.
Sound finish(const Mix& mix, double peak);

}  // namespace assetgen::synth
