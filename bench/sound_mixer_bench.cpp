// Sound figures: what mixing costs, and how soon a play is heard.
//  1. Ten looping voices mixed in pull mode over 60 s of sound, as a
//     multiple of real time (higher is cheaper).
//  2. Latency from playSample to the first audible frame on the device path
//     (the dummy driver where there is no sound card), in milliseconds.

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "KAudio.h"
#include "sound/SoundOutput.h"

using Clock = std::chrono::steady_clock;

namespace {

// A one-second 16-bit stereo WAVE at `rate`, not silent anywhere.
std::string writeTone(const char *name, uint32_t rate) {
  std::vector<uint8_t> b;
  auto put = [&](uint32_t v, int n) {
    for (int i = 0; i < n; i++) b.push_back((v >> (8 * i)) & 0xFF);
  };
  uint32_t frames = rate;
  b.insert(b.end(), {'R', 'I', 'F', 'F'});
  put(36 + frames * 4, 4);
  b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
  put(16, 4), put(1, 2), put(2, 2), put(rate, 4), put(rate * 4, 4), put(4, 2), put(16, 2);
  b.insert(b.end(), {'d', 'a', 't', 'a'});
  put(frames * 4, 4);
  for (uint32_t k = 0; k < frames; k++) {
    put((uint16_t)(int16_t)(1000 + (k * 37) % 2000), 2);
    put((uint16_t)(int16_t)(-1000 - (k * 53) % 2000), 2);
  }
  std::string path = std::string("/tmp/quarvel_bench_") + name;
  FILE *f = fopen(path.c_str(), "wb");
  if (f) {
    fwrite(b.data(), 1, b.size(), f);
    fclose(f);
  }
  return path;
}

void mixerCost() {
  snd::setPullMode(true);
  std::string path = writeTone("voices.wav", 44100);
  KAudio voices;
  if (!voices.loadSample(path.c_str(), 80, true, 10)) {
    printf("mixer: cannot load %s\n", path.c_str());
    return;
  }
  // Half the voices at another rate, so rate conversion is in the figure.
  for (int i = 0; i < 10; i++) {
    if (i % 2) voices.setFrequency(33075);
    voices.playSample();
  }
  const int seconds = 60;
  std::vector<int16_t> buffer(2 * snd::kDeviceFrames);
  Clock::time_point start = Clock::now();
  for (int n = 0; n < seconds * snd::kOutputRate / snd::kDeviceFrames; n++)
    snd::render(buffer.data(), snd::kDeviceFrames);
  double elapsed = std::chrono::duration<double>(Clock::now() - start).count();
  printf("mixer: 10 looping voices, %d s of sound mixed in %.1f ms: %.0f x real time\n", seconds,
         elapsed * 1000, seconds / elapsed);
  remove(path.c_str());
}

std::atomic<int64_t> gHeardAt(0); // steady clock, ns; 0 until heard

void observe(const int16_t *frames, int count, void *) {
  if (gHeardAt.load() != 0) return;
  for (int i = 0; i < count; i++) {
    if (frames[2 * i] != 0 || frames[2 * i + 1] != 0) {
      // The buffer starts playing as it is handed over; frame i follows.
      int64_t now = Clock::now().time_since_epoch().count();
      gHeardAt = now + (int64_t)i * 1000000000 / snd::kOutputRate;
      return;
    }
  }
}

void deviceLatency() {
  snd::setPullMode(false);
  std::string path = writeTone("latency.wav", 44100);
  KAudio sound;
  if (!sound.loadSample(path.c_str(), 80, false, 1)) return;
  snd::setOutputObserver(observe, nullptr);
  std::vector<double> ms;
  for (int i = 0; i < 40; i++) {
    std::this_thread::sleep_for(std::chrono::milliseconds(20 + (i * 7) % 13));
    gHeardAt = 0;
    int64_t played = Clock::now().time_since_epoch().count();
    sound.playSample();
    while (gHeardAt.load() == 0) std::this_thread::sleep_for(std::chrono::microseconds(100));
    ms.push_back((gHeardAt.load() - played) / 1e6);
    sound.stopSample();
  }
  snd::setOutputObserver(nullptr, nullptr);
  std::sort(ms.begin(), ms.end());
  printf("device latency (%s driver, %d-frame buffers): playSample to first audible frame "
         "median %.1f ms, min %.1f ms, max %.1f ms over %zu plays\n",
         snd::deviceDriver() ? snd::deviceDriver() : "no", snd::kDeviceFrames, ms[ms.size() / 2], ms.front(),
         ms.back(), ms.size());
  remove(path.c_str());
}

} // namespace

int main() {
  mixerCost();
  deviceLatency();
  return 0;
}
