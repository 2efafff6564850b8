#ifndef SOUNDOUTPUTSTATE_H
#define SOUNDOUTPUTSTATE_H

// What the channel side, the mixer and the device side of the sound output
// share. Private to engine/sound.

#include <cstdint>
#include <deque>
#include <mutex>
#include <vector>

#include "SoundOutput.h"

namespace snd {

struct SoundHandle {
  std::vector<uint8_t> bytes;
};

// The sound a channel plays now: where its PCM is and how far it has got.
struct Voice {
  SoundHandle *handle = nullptr;
  const uint8_t *pcm = nullptr;
  uint32_t frames = 0;
  int channels = 1;
  int bits = 16;
  uint32_t rate = kOutputRate;
  uint64_t position = 0; // in frames, 16 fraction bits
  bool active = false;
};

struct QueueEntry {
  Command command;
  SoundHandle *handle; // the sound of a play
  bool isPlay;
};

struct Channel {
  ChannelRoutine routine = nullptr;
  std::deque<QueueEntry> queue;
  Voice voice;
  int left = 256, right = 256;   // 256 = unity
  int32_t rateMultiplier = 65536; // 16 fraction bits
  bool paused = false;
  bool dead = false; // disposed while the mixer walks the channels
};

struct OutputState {
  std::recursive_mutex lock;
  std::vector<Channel *> channels;
  bool mixing = false;   // the mixer is walking `channels`
  bool pull = false;
  OutputObserver observer = nullptr;
  void *observerUser = nullptr;
};

// Never destroyed: the device thread may still mix while the program exits.
OutputState &state();

// Starts the sound of a play on the channel (header read and checked here).
void startVoice(Channel *channel, SoundHandle *handle);
// Mixes every channel into out. Called with the lock held.
void mixChannels(int16_t *out, int frames);
// Releases channels disposed during a mixer pass. Lock held.
void reapChannels();

} // namespace snd

#endif
