// The audio device: SDL2, 44100 Hz stereo 16-bit, pulling from the mixer.
// Where no sound card opens, SDL's dummy driver takes over; it still asks
// for sound in real time, so sounds end when they would have been heard.

#include <SDL.h>

#include <atomic>
#include <cstdlib>
#include <mutex>

#include "SoundOutputState.h"

namespace snd {

namespace {

// Guards the device below. Never taken by the device thread, and never
// taken with the output lock held: SDL holds its own device lock around our
// callback, which takes the output lock, so SDL is called only from here.
std::mutex &deviceMutex() {
  static std::mutex *m = new std::mutex;
  return *m;
}
SDL_AudioDeviceID gDevice = 0;
// Each opened device gets a new number; a device being closed keeps
// calling back for a moment and must not take sound from the new one.
std::atomic<uintptr_t> gGeneration(0);
bool gAtExitSet = false;

void deviceCallback(void *user, Uint8 *stream, int len) {
  OutputState &s = state();
  OutputLock lock;
  int16_t *out = reinterpret_cast<int16_t *>(stream);
  int frames = len / 4;
  if (reinterpret_cast<uintptr_t>(user) != gGeneration || s.pull) {
    SDL_memset(stream, 0, len);
    return;
  }
  mixChannels(out, frames);
  if (s.observer) s.observer(out, frames, s.observerUser);
}

SDL_AudioDeviceID openOn(uintptr_t generation) {
  if (!SDL_WasInit(SDL_INIT_AUDIO) && SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return 0;
  SDL_AudioSpec want;
  SDL_zero(want);
  want.freq = kOutputRate;
  want.format = AUDIO_S16SYS;
  want.channels = 2;
  want.samples = kDeviceFrames;
  want.callback = deviceCallback;
  want.userdata = reinterpret_cast<void *>(generation);
  // No changes allowed: SDL converts to whatever the hardware wants.
  return SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
}

} // namespace

void openDevice() {
  std::lock_guard<std::mutex> guard(deviceMutex());
  if (pullMode() || gDevice != 0) return;
  uintptr_t generation = ++gGeneration;
  SDL_AudioDeviceID dev = openOn(generation);
  if (dev == 0) {
    // No sound card (or no sound server): the dummy driver.
    if (SDL_WasInit(SDL_INIT_AUDIO)) SDL_QuitSubSystem(SDL_INIT_AUDIO);
    SDL_SetHint(SDL_HINT_AUDIODRIVER, "dummy");
    dev = openOn(generation);
  }
  if (dev == 0) return;
  gDevice = dev;
  if (!gAtExitSet) {
    gAtExitSet = true;
    atexit(shutdown);
  }
  SDL_PauseAudioDevice(dev, 0);
}

void shutdown() {
  std::lock_guard<std::mutex> guard(deviceMutex());
  ++gGeneration;
  // Closing waits for the device thread, which may be waiting for the
  // output lock: the caller must not hold it.
  if (gDevice != 0) SDL_CloseAudioDevice(gDevice);
  gDevice = 0;
}

void setPullMode(bool pull) {
  {
    OutputLock lock;
    state().pull = pull;
  }
  if (pull)
    shutdown();
  else
    openDevice();
}

bool pullMode() {
  OutputLock lock;
  return state().pull;
}

void setOutputObserver(OutputObserver observer, void *user) {
  OutputLock lock;
  state().observer = observer;
  state().observerUser = user;
}

const char *deviceDriver() {
  std::lock_guard<std::mutex> guard(deviceMutex());
  return gDevice != 0 ? SDL_GetCurrentAudioDriver() : nullptr;
}

} // namespace snd
