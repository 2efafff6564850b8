#ifndef SOUNDFIXTURES_H
#define SOUNDFIXTURES_H

// Helpers for the sound tests: WAVE files built byte by byte, temporary
// files, and the mixer driven in pull mode.

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "KAudio.h"
#include "sound/SoundOutput.h"
#include "support/Files.h"

namespace soundtest {

inline void putLe16(std::vector<uint8_t> &b, uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
inline void putLe32(std::vector<uint8_t> &b, uint32_t v) {
  putLe16(b, v & 0xFFFF);
  putLe16(b, v >> 16);
}
inline void putTag(std::vector<uint8_t> &b, const char *tag) { b.insert(b.end(), tag, tag + 4); }

struct WaveSpec {
  int channels = 1;
  int bits = 16;
  uint32_t rate = 44100;
  // Declared data length; -1 means the length of `data`.
  int64_t declaredLength = -1;
};

// A RIFF WAVE file: "fmt " then "data", with `data` as the file stores it
// (16-bit little-endian, 8-bit unsigned).
inline std::vector<uint8_t> makeWave(const WaveSpec &spec, const std::vector<uint8_t> &data) {
  std::vector<uint8_t> b;
  putTag(b, "RIFF");
  putLe32(b, (uint32_t)(36 + data.size()));
  putTag(b, "WAVE");
  putTag(b, "fmt ");
  putLe32(b, 16);
  putLe16(b, 1);
  putLe16(b, (uint32_t)spec.channels);
  putLe32(b, spec.rate);
  putLe32(b, spec.rate * spec.channels * spec.bits / 8);
  putLe16(b, (uint32_t)(spec.channels * spec.bits / 8));
  putLe16(b, (uint32_t)spec.bits);
  putTag(b, "data");
  putLe32(b, spec.declaredLength < 0 ? (uint32_t)data.size() : (uint32_t)spec.declaredLength);
  b.insert(b.end(), data.begin(), data.end());
  return b;
}

// 16-bit samples as a WAVE file stores them.
inline std::vector<uint8_t> pcm16(const std::vector<int16_t> &samples) {
  std::vector<uint8_t> b;
  for (int16_t s : samples) putLe16(b, (uint16_t)s);
  return b;
}

// `frames` frames of one value, 16-bit mono.
inline std::vector<uint8_t> dc16(int frames, int16_t value) {
  return pcm16(std::vector<int16_t>(frames, value));
}

// frame k holds step * k, 16-bit mono.
inline std::vector<uint8_t> ramp16(int frames, int step) {
  std::vector<int16_t> s(frames);
  for (int k = 0; k < frames; k++) s[k] = (int16_t)(step * k);
  return pcm16(s);
}

inline std::string tempPath(const std::string &name) {
  static int counter = 0;
  return testing::TempDir() + "quarvel_sound_" + std::to_string(counter++) + "_" + name;
}

inline std::string writeFile(const std::string &name, const std::vector<uint8_t> &bytes) {
  std::string path = tempPath(name);
  writeFileAt(path, bytes);
  return path;
}

inline std::string dataFile(const char *name) { return std::string(QUARVEL_SOURCE_DIR) + "/data/" + name; }

// Mixed output: interleaved left, right.
struct Pcm {
  std::vector<int16_t> s;
  int frames() const { return (int)s.size() / 2; }
  int left(int f) const { return s[2 * f]; }
  int right(int f) const { return s[2 * f + 1]; }
  // Frames where either side is not silent.
  int soundingFrames() const {
    int n = 0;
    for (int f = 0; f < frames(); f++) n += (left(f) != 0 || right(f) != 0);
    return n;
  }
};

inline Pcm render(int frames) {
  Pcm p;
  p.s.resize(2 * (size_t)frames);
  snd::render(p.s.data(), frames);
  return p;
}

// What one copy of sample value s sounds like at a per-side level (256 =
// unity), as the mixer scales it.
inline int atLevel(int s, int level) { return (s * level) >> 8; }

// Every test starts with the mixer in pull mode and nothing left sounding.
class PullMode : public testing::Test {
protected:
  void SetUp() override {
    snd::setPullMode(true);
    KAudio::setGlobalVolume(100, 100);
  }
  void TearDown() override { KAudio::setGlobalVolume(100, 100); }

  // A loaded sample object from a WAVE image.
  std::unique_ptr<KAudio> load(const std::vector<uint8_t> &wave, long volume = 100, bool loop = false,
                               short channels = 1) {
    std::unique_ptr<KAudio> a(new KAudio);
    std::string path = writeFile("s.wav", wave);
    EXPECT_TRUE(a->loadSample(path.c_str(), volume, loop, channels));
    remove(path.c_str());
    return a;
  }
};

} // namespace soundtest

#endif
