// The effects themselves: small tone generators with envelopes.

#include <cmath>

#include "SoundGen.h"

namespace soundgen {

namespace {

const double kPi = 3.14159265358979323846;

// A band-limited-ish square: its first odd harmonics, softer than a true
// square and free of aliasing at these pitches.
double softSquare(double phase) {
  return std::sin(phase) + std::sin(3 * phase) / 3 + std::sin(5 * phase) / 5 * 0.6;
}

double triangle(double phase) {
  double t = std::fmod(phase / (2 * kPi), 1.0);
  return t < 0.5 ? 4 * t - 1 : 3 - 4 * t;
}

// Linear attack, exponential decay.
double envelope(double t, double attack, double decay) {
  double a = t < attack ? t / attack : 1.0;
  return a * std::exp(-(t > attack ? t - attack : 0) / decay);
}

size_t frames(double seconds) { return (size_t)(seconds * kRate); }

// A note of one waveform added into out at `start` seconds.
void addNote(std::vector<float> &out, double start, double length, double hz, double gain,
             double (*wave)(double), double decay, double vibrato = 0) {
  size_t from = frames(start), n = frames(length);
  double phase = 0;
  for (size_t i = 0; i < n && from + i < out.size(); i++) {
    double t = (double)i / kRate;
    double f = hz * (1 + vibrato * std::sin(2 * kPi * 5.5 * t) * (t > 0.15 ? 1 : t / 0.15));
    phase += 2 * kPi * f / kRate;
    // The last 8 ms fade out so that notes end without a click.
    double tail = (double)(n - i) / frames(0.008);
    out[from + i] += (float)(gain * wave(phase) * envelope(t, 0.004, decay) * (tail < 1 ? tail : 1));
  }
}

// A bright two-step chirp.
std::vector<float> synthBreak() {
  std::vector<float> out(frames(0.16));
  addNote(out, 0.0, 0.05, 1318.5, 0.35, softSquare, 0.05);
  addNote(out, 0.04, 0.12, 1975.5, 0.35, softSquare, 0.04);
  addNote(out, 0.04, 0.12, 3951.0, 0.08, [](double p) { return std::sin(p); }, 0.03);
  return out;
}

// A soft, low bounce: a sine that drops in pitch as it fades.
std::vector<float> synthWall() {
  std::vector<float> out(frames(0.09));
  double phase = 0;
  for (size_t i = 0; i < out.size(); i++) {
    double t = (double)i / kRate;
    double hz = 300 + 240 * std::exp(-t / 0.02);
    phase += 2 * kPi * hz / kRate;
    double tail = (double)(out.size() - i) / frames(0.008);
    out[i] = (float)(0.55 * (std::sin(phase) + 0.15 * std::sin(2 * phase)) * envelope(t, 0.002, 0.025) *
                     (tail < 1 ? tail : 1));
  }
  return out;
}

// A quick falling arpeggio for a new line of bricks: C6 G5 E5 C5.
std::vector<float> synthDown() {
  std::vector<float> out(frames(0.40));
  const double notes[] = {1046.5, 784.0, 659.3, 523.3};
  for (int k = 0; k < 4; k++)
    addNote(out, 0.075 * k, k == 3 ? 0.175 : 0.085, notes[k], 0.45, triangle, k == 3 ? 0.07 : 0.05);
  return out;
}

// A short falling phrase, G4 E4 C4 and a long low G3 with vibrato.
std::vector<float> synthGameOver() {
  std::vector<float> out(frames(1.50));
  const double notes[] = {392.0, 329.6, 261.6};
  for (int k = 0; k < 3; k++) addNote(out, 0.22 * k, 0.24, notes[k], 0.28, softSquare, 0.18);
  addNote(out, 0.66, 0.84, 196.0, 0.32, softSquare, 0.35, 0.012);
  addNote(out, 0.66, 0.84, 98.0, 0.18, [](double p) { return std::sin(p); }, 0.4);
  return out;
}

} // namespace

const std::vector<Effect> &effects() {
  static const std::vector<Effect> list = {
      {"break.ogg", synthBreak},
      {"wall.ogg", synthWall},
      {"down.ogg", synthDown},
      {"gameover.ogg", synthGameOver},
  };
  return list;
}

std::vector<uint8_t> makeEffect(size_t index) {
  // Fixed serial numbers: one per file, the same on every run.
  return encodeOgg(effects()[index].synth(), 0x51564C00 + (int)index);
}

} // namespace soundgen
