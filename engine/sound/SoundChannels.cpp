// Channels, their command queues, sound handles and their headers.

#include <algorithm>
#include <new>
#include <cstring>

#include "SoundOutputState.h"

namespace snd {

OutputState &state() {
  static OutputState *s = new OutputState;
  return *s;
}

OutputLock::OutputLock() { state().lock.lock(); }
OutputLock::~OutputLock() { state().lock.unlock(); }

// ---- sound headers ----------------------------------------------------------

namespace {

const char kMagic[4] = {'Q', 'S', 'N', 'D'};
// Rounded up from the 20 bytes it uses so the PCM after it stays aligned.
const int kHeaderLength = 24;

struct Header {
  char magic[4];
  uint16_t channels;
  uint16_t bits;
  uint32_t rate;
  uint32_t bytes;
  uint32_t headerLength;
};
static_assert(sizeof(Header) <= kHeaderLength, "header outgrew its room");

bool playable(int channels, int bits, uint32_t rate) {
  return (channels == 1 || channels == 2) && (bits == 8 || bits == 16) && rate > 0;
}

} // namespace

int setupHeader(SoundHandle *handle, int channels, uint32_t rate, int bits, uint32_t bytes,
                int *headerLength) {
  if (!handle || !playable(channels, bits, rate)) return -1;
  if (handle->bytes.size() < (size_t)kHeaderLength + bytes) return -1;
  Header h;
  memcpy(h.magic, kMagic, 4);
  h.channels = (uint16_t)channels;
  h.bits = (uint16_t)bits;
  h.rate = rate;
  h.bytes = bytes;
  h.headerLength = kHeaderLength;
  memcpy(handle->bytes.data(), &h, sizeof h);
  if (headerLength) *headerLength = kHeaderLength;
  return 0;
}

void startVoice(Channel *channel, SoundHandle *handle) {
  Voice &v = channel->voice;
  v = Voice();
  // A handle without a usable header plays as a sound of no length: the
  // commands behind it are still served.
  v.active = true;
  if (!handle || handle->bytes.size() < (size_t)kHeaderLength) return;
  Header h;
  memcpy(&h, handle->bytes.data(), sizeof h);
  if (memcmp(h.magic, kMagic, 4) != 0 || !playable(h.channels, h.bits, h.rate)) return;
  if (h.headerLength != (uint32_t)kHeaderLength) return;
  uint32_t room = (uint32_t)std::min<size_t>(handle->bytes.size() - kHeaderLength, UINT32_MAX);
  uint32_t bytes = std::min(h.bytes, room);
  v.handle = handle;
  v.pcm = handle->bytes.data() + kHeaderLength;
  v.channels = h.channels;
  v.bits = h.bits;
  v.rate = h.rate;
  v.frames = bytes / (uint32_t)(h.channels * h.bits / 8);
}

SoundHandle *newHandle(size_t bytes) {
  SoundHandle *h = new (std::nothrow) SoundHandle;
  if (!h) return nullptr;
  try {
    h->bytes.resize(bytes);
  } catch (...) {
    delete h;
    return nullptr;
  }
  return h;
}

void disposeHandle(SoundHandle *handle) {
  if (!handle) return;
  {
    OutputLock lock;
    for (Channel *c : state().channels) {
      if (c->voice.handle == handle) c->voice = Voice();
      for (QueueEntry &e : c->queue)
        if (e.handle == handle) e.handle = nullptr;
    }
  }
  delete handle;
}

uint8_t *handleBytes(SoundHandle *handle) { return handle ? handle->bytes.data() : nullptr; }
size_t handleSize(SoundHandle *handle) { return handle ? handle->bytes.size() : 0; }

int32_t fixDiv(int32_t a, int32_t b) {
  if (b == 0) return a < 0 ? INT32_MIN : INT32_MAX;
  int64_t q = ((int64_t)a * 65536) / b;
  if (q > INT32_MAX) return INT32_MAX;
  if (q < INT32_MIN) return INT32_MIN;
  return (int32_t)q;
}

// ---- channels ---------------------------------------------------------------

Channel *newChannel(ChannelRoutine routine) {
  OutputLock lock;
  Channel *c = new (std::nothrow) Channel;
  if (!c) return nullptr;
  c->routine = routine;
  state().channels.push_back(c);
  return c;
}

void reapChannels() {
  auto &list = state().channels;
  for (auto it = list.begin(); it != list.end();) {
    if ((*it)->dead) {
      delete *it;
      it = list.erase(it);
    } else {
      ++it;
    }
  }
}

void disposeChannel(Channel *channel) {
  if (!channel) return;
  OutputLock lock;
  auto &list = state().channels;
  if (std::find(list.begin(), list.end(), channel) == list.end()) return;
  channel->dead = true;
  channel->queue.clear();
  channel->voice = Voice();
  // A routine may dispose a channel while the mixer walks the list; the
  // mixer releases it when its pass is over.
  if (!state().mixing) reapChannels();
}

void play(Channel *channel, SoundHandle *handle) {
  if (!channel) return;
  OutputLock lock;
  if (channel->dead) return;
  // An idle channel starts the sound at once; a busy one plays it where
  // what is ahead of it ends.
  if (!channel->voice.active && channel->queue.empty() && !channel->paused)
    startVoice(channel, handle);
  else
    channel->queue.push_back(QueueEntry{Command{0, 0, 0}, handle, true});
}

void doCommand(Channel *channel, const Command &command) {
  if (!channel) return;
  OutputLock lock;
  if (channel->dead) return;
  channel->queue.push_back(QueueEntry{command, nullptr, false});
}

void doImmediate(Channel *channel, const Command &command) {
  if (!channel) return;
  OutputLock lock;
  if (channel->dead) return;
  switch (command.cmd) {
  case cmdQuiet:
    channel->voice = Voice();
    break;
  case cmdFlush:
    channel->queue.clear();
    break;
  case cmdReInit:
    channel->voice = Voice();
    channel->queue.clear();
    channel->paused = false;
    break;
  case cmdPause:
    channel->paused = true;
    break;
  case cmdResume:
    channel->paused = false;
    break;
  case cmdVolume:
    channel->left = (int)(command.param2 & 0xFFFF);
    channel->right = (int)((command.param2 >> 16) & 0xFFFF);
    break;
  case cmdRateMultiplier:
    channel->rateMultiplier = command.param2 > 0 ? (int32_t)std::min<intptr_t>(command.param2, INT32_MAX) : 1;
    break;
  case cmdCallBack:
    // Only the mixer's thread calls routines; an immediate callback waits
    // at the head of the queue for it.
    channel->queue.push_front(QueueEntry{command, nullptr, false});
    break;
  default:
    break;
  }
}

} // namespace snd
