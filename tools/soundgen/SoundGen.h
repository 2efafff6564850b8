#ifndef SOUNDGEN_H
#define SOUNDGEN_H

// The game's four sound effects: synthesised here and encoded as Ogg Vorbis
// with fixed settings and a fixed stream serial number, so that the same
// program gives the same bytes every time.

#include <cstdint>
#include <string>
#include <vector>

namespace soundgen {

const int kRate = 44100;

struct Effect {
  const char *fileName; // under data/
  std::vector<float> (*synth)();
};

// break.ogg, wall.ogg, down.ogg, gameover.ogg.
const std::vector<Effect> &effects();

// Mono PCM in -1..1 at kRate, encoded; empty on failure.
std::vector<uint8_t> encodeOgg(const std::vector<float> &pcm, int serial);

// The file as the generator writes it: effects()[index] synthesised and
// encoded with its own serial number.
std::vector<uint8_t> makeEffect(size_t index);

} // namespace soundgen

#endif
