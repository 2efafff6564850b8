// The mixer: serves each channel's queue as its sounds end and adds every
// channel's sound into one stereo buffer.

#include <algorithm>

#include "SoundOutputState.h"

namespace snd {

namespace {

// Commands a channel may serve in one pass without sounding a frame: a
// routine that keeps queueing sounds of no length must not hold the mixer.
const int kIdleCommandLimit = 64;
const int kChunkFrames = 1024;

int32_t sampleAt(const Voice &v, uint32_t frame, int side) {
  const uint8_t *p = v.pcm + (size_t)frame * v.channels * (v.bits / 8);
  if (v.channels == 2) p += side * (v.bits / 8);
  if (v.bits == 16) return (int16_t)(uint16_t)((p[0] << 8) | p[1]); // big-endian
  return ((int32_t)p[0] - 128) * 256;                             // 8-bit unsigned
}

// Adds the channel's sound into acc from frame `from`; returns the frame
// where it stopped (the sound ended, or the buffer is full).
int mixVoice(Channel *c, int64_t *acc, int from, int frames) {
  Voice &v = c->voice;
  uint64_t step = ((uint64_t)v.rate * (uint32_t)c->rateMultiplier) / kOutputRate;
  if (step == 0) step = 1;
  int i = from;
  for (; i < frames; i++) {
    uint64_t frame = v.position >> 16;
    if (frame >= v.frames) {
      v.active = false;
      break;
    }
    acc[2 * i] += (int64_t)sampleAt(v, (uint32_t)frame, 0) * c->left;
    acc[2 * i + 1] += (int64_t)sampleAt(v, (uint32_t)frame, 1) * c->right;
    v.position += step;
  }
  return i;
}

// One queued command, served in order.
void serve(Channel *c) {
  QueueEntry e = c->queue.front();
  c->queue.pop_front();
  if (e.isPlay) {
    startVoice(c, e.handle);
    return;
  }
  switch (e.command.cmd) {
  case cmdCallBack:
    if (c->routine) c->routine(c, &e.command);
    break;
  case cmdReInit:
    // Everything ahead of it has been served; what was queued after it
    // stays, so a play that follows a stop is never lost.
    c->paused = false;
    break;
  case cmdQuiet:
  case cmdFlush:
    break; // in order, nothing is left ahead of them
  default:
    doImmediate(c, e.command);
    break;
  }
}

void mixChannel(Channel *c, int64_t *acc, int frames) {
  int done = 0, idle = 0;
  while (done < frames && !c->dead && !c->paused) {
    if (c->voice.active) {
      int to = mixVoice(c, acc, done, frames);
      if (to > done) idle = 0;
      done = to;
      continue;
    }
    if (c->queue.empty() || ++idle > kIdleCommandLimit) break;
    serve(c);
  }
}

} // namespace

void mixChannels(int16_t *out, int frames) {
  OutputState &s = state();
  int64_t acc[2 * kChunkFrames];
  while (frames > 0) {
    int n = std::min(frames, kChunkFrames);
    std::fill(acc, acc + 2 * n, 0);
    s.mixing = true;
    // By index: a routine may add channels while we walk them.
    for (size_t k = 0; k < s.channels.size(); k++)
      mixChannel(s.channels[k], acc, n);
    s.mixing = false;
    reapChannels();
    for (int i = 0; i < 2 * n; i++)
      out[i] = (int16_t)std::clamp<int64_t>(acc[i] >> 8, INT16_MIN, INT16_MAX);
    out += 2 * n;
    frames -= n;
  }
}

void render(int16_t *out, int frames) {
  if (!out || frames <= 0) return;
  OutputLock lock;
  mixChannels(out, frames);
}

} // namespace snd
