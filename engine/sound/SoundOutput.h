#ifndef SOUNDOUTPUT_H
#define SOUNDOUTPUT_H

// The sound output layer: channels that play sound handles and serve a queue
// of commands, a mixer over all channels, and the audio device underneath.
// KAudio reaches the platform only through here; the device side sits on
// SDL2 (see SoundDevice.cpp), everything else is plain C++.
//
// Model. A channel holds at most one sound at a time and a queue of
// commands served in order; a queued command waits until the sound ahead of
// it has ended. A play on an idle channel starts at once; a play behind a
// sound or other commands is queued and starts where they end.
// Immediate commands act at once, ahead of the queue.
//
// Threads. Everything here is guarded by one recursive lock that the mixer
// holds while it mixes; channel routines are called by the mixer with the
// lock held, in the output's own thread (the device thread, or the caller
// of render() in pull mode). A routine may play and queue on its channel.
// Callers that keep state shared with their routines take the same lock
// with OutputLock, so a routine never runs halfway through their operation.

#include <cstddef>
#include <cstdint>

namespace snd {

// Output format of the mixer: 44100 frames per second, stereo, 16-bit.
const int kOutputRate = 44100;
// Frames per device buffer: 10 ms, which the dummy driver paces exactly.
const int kDeviceFrames = 441;

struct Channel;
struct SoundHandle;

enum CommandCode : uint16_t {
  cmdQuiet = 3,           // the current sound stops
  cmdFlush = 4,           // commands waiting ahead of this one are dropped
  cmdReInit = 5,          // the channel resets (sound, queue position, hold)
  cmdPause = 11,          // the channel holds
  cmdResume = 12,         // the channel continues
  cmdCallBack = 13,       // the channel's routine is called
  cmdVolume = 46,         // param2 = right x 65536 + left, 256 = unity
  cmdRateMultiplier = 86  // param2 = speed, 16 fraction bits
};

// param2 is wide enough for an object pointer, which the callback command
// carries back to its routine.
struct Command {
  uint16_t cmd;
  int16_t param1;
  intptr_t param2;
};

typedef void (*ChannelRoutine)(Channel *channel, const Command *command);

// ---- channels -------------------------------------------------------------

// A new stereo channel (nearest-sample rate conversion) whose callback
// commands call routine. Null on failure.
Channel *newChannel(ChannelRoutine routine);
// Silences the channel at once and releases it; its queue is dropped and
// its routine is never called again once this returns.
void disposeChannel(Channel *channel);
// Starts handle's sound on the channel, or queues it behind the channel's
// work; returns at once.
void play(Channel *channel, SoundHandle *handle);
// Queues a command behind the channel's work (the queue never fills).
void doCommand(Channel *channel, const Command &command);
// Acts at once, ahead of the queue.
void doImmediate(Channel *channel, const Command &command);

// ---- sound handles --------------------------------------------------------

// A block of bytes: a sound header at its start, PCM after it.
SoundHandle *newHandle(size_t bytes);
// Releases the block; any channel playing or about to play it lets go first.
void disposeHandle(SoundHandle *handle);
uint8_t *handleBytes(SoundHandle *handle);
size_t handleSize(SoundHandle *handle);

// Writes the header for uncompressed interleaved PCM at the handle's start:
// 1 or 2 channels, 8-bit unsigned or 16-bit signed big-endian samples, the
// rate in Hz, and the PCM byte count that follows the header. The header
// length (at most 100) goes to *headerLength. Returns 0, or -1 when the
// values cannot be played or do not fit the handle.
int setupHeader(SoundHandle *handle, int channels, uint32_t rate, int bits, uint32_t bytes,
                int *headerLength);

// a / b with 16 fraction bits, saturated; division by 0 saturates too.
int32_t fixDiv(int32_t a, int32_t b);

// ---- the lock -------------------------------------------------------------

class OutputLock {
public:
  OutputLock();
  ~OutputLock();
  OutputLock(const OutputLock &) = delete;
  OutputLock &operator=(const OutputLock &) = delete;
};

// ---- mixing ---------------------------------------------------------------

// Pull mode: no device is opened (an open one is closed) and the caller
// drives the mixer with render(). Tests and tools use it. Turning it off
// opens the device. Call without holding the output lock.
void setPullMode(bool pull);
bool pullMode();
// Mixes the next frames of all channels into out (interleaved stereo,
// host-order 16-bit), serving queues and calling routines on the way.
void render(int16_t *out, int frames);

// Sees every buffer the device path mixes, in the device thread, with the
// lock held. Null removes it.
typedef void (*OutputObserver)(const int16_t *frames, int count, void *user);
void setOutputObserver(OutputObserver observer, void *user);

// Opens the device unless pull mode is on or it is open already; KAudio
// does so as each sound object is made. Closes it: shutdown. Both must be
// called without holding the output lock (SDL holds its device lock while
// the mixer takes ours). The device also closes by itself at exit.
void openDevice();
void shutdown();
// The driver the device opened on ("dummy" where there is no sound card),
// or null while none is open.
const char *deviceDriver();

} // namespace snd

#endif
