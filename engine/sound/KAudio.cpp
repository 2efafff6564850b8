// The sound object: construction, channels, volume and pan, pause, the
// playing flag and the completion routines.
//
// Every public operation holds the sound output's lock, and the output calls
// the routines with that lock held, so a routine never sees an operation
// halfway through (nor an object being destroyed), and a stop that returns
// has no routine of this object left running or pending.

#include "KAudio.h"

#include <dumb.h>

#include <cstring>

#include "SoundOutput.h"

int32_t KAudio::_instanceCount = 0;
KAudio::CallBackRoutine KAudio::_moduleCallBackRoutine = nullptr;
KAudio::CallBackRoutine KAudio::_streamCallBackRoutine = nullptr;
KAudio::CallBackRoutine KAudio::_sampleCallBackRoutine = nullptr;
int32_t KAudio::_sampleGlobalVolume = 100;
int32_t KAudio::_musicGlobalVolume = 100;
int32_t KAudio::_lastModuleVolume = -1;
int32_t KAudio::_lastStreamVolume = -1;

namespace {

snd::Command command(uint16_t code, intptr_t param2 = 0) { return snd::Command{code, 0, param2}; }

void initModuleLibrary() {
  dumb_register_stdfiles();
  dumb_it_max_to_mix = 64;
}

} // namespace

KAudio::KAudio()
    : _numChannels(1), _volume(80), _kind(kindSample), _channelIndex(0), _pan(0), _duh(nullptr),
      _sigRenderer(nullptr), _moduleLoop(false), _format(nullptr), _bufferData{nullptr, nullptr},
      _dataSize(0), _vorbisOpen(false), _channels{}, _soundHandle{nullptr, nullptr}, _playBuffer(1),
      _ended(false), _playing(false), _loop(false), _sampleRate(0), _memPos(0), _memSize(0),
      _memData(nullptr), _slotBusy{} {
  _errorText[0] = 0;
  _fileName[0] = 0;
  memset(&_formatRecord, 0, sizeof _formatRecord);
  memset(&_vorbisFile, 0, sizeof _vorbisFile);

  // Before the lock: the device must never be opened with it held.
  snd::openDevice();
  snd::OutputLock lock;
  if (_instanceCount != 0) {
    _instanceCount++;
    return;
  }
  initModuleLibrary();
  _instanceCount++;
  _moduleCallBackRoutine = moduleCallBack;
  _streamCallBackRoutine = streamCallBack;
  _sampleCallBackRoutine = sampleCallBack;
}

KAudio::~KAudio() {
  snd::OutputLock lock;
  _instanceCount--;
  _playing = false;
  _ended = true;
  stopSample();
  stopModule();
  stopStream();
  disposeChannels();
  for (int i = 0; i < 2; i++) {
    snd::disposeHandle(_soundHandle[i]);
    _soundHandle[i] = nullptr;
  }
  unload();
  // unload keeps a sample's image for its load to free; a load cut short
  // could leave one behind.
  freeMemoryImage();
  if (_instanceCount <= 0) {
    _moduleCallBackRoutine = nullptr;
    _streamCallBackRoutine = nullptr;
    _sampleCallBackRoutine = nullptr;
    dumb_exit();
  }
}

void KAudio::freeMemoryImage() {
  free(_memData);
  _memData = nullptr;
  _memPos = 0;
  _memSize = 0;
}

void KAudio::unload() {
  disposeChannels();
  if (_vorbisOpen) ov_clear(&_vorbisFile);
  if (_memData && _kind != kindSample) {
    free(_memData);
    _memData = nullptr;
    _bufferData[0] = _bufferData[1] = nullptr;
    _dataSize = 0;
  }
  _vorbisOpen = false;
  _memPos = 0;
  _memSize = 0;
}

// ---- channel slots ------------------------------------------------------------

snd::Channel *KAudio::newChannel(int kind, int slot) {
  CallBackRoutine routine = kind == kindModule   ? _moduleCallBackRoutine
                            : kind == kindStream ? _streamCallBackRoutine
                                                 : _sampleCallBackRoutine;
  _channels[slot] = snd::newChannel(routine);
  return _channels[slot];
}

void KAudio::disposeChannels() {
  for (int i = 0; i < maxChannels; i++) {
    if (_channels[i]) {
      snd::disposeChannel(_channels[i]);
      _channels[i] = nullptr;
    }
    _slotBusy[i] = false;
  }
}

void KAudio::stopSequence(snd::Channel *channel, bool queued) {
  snd::doImmediate(channel, command(snd::cmdQuiet));
  if (queued) {
    snd::doCommand(channel, command(snd::cmdFlush));
    snd::doCommand(channel, command(snd::cmdReInit));
  } else {
    snd::doImmediate(channel, command(snd::cmdFlush));
    snd::doImmediate(channel, command(snd::cmdReInit));
  }
}

bool KAudio::anySlotBusy() const {
  for (int i = 0; i < maxChannels; i++)
    if (_slotBusy[i]) return true;
  return false;
}

int KAudio::slotOf(const snd::Channel *channel) const {
  for (int i = 0; i < maxChannels; i++)
    if (_channels[i] == channel) return i;
  return -1;
}

// ---- volume and pan -------------------------------------------------------------

void KAudio::setVolume(long volume) {
  snd::OutputLock lock;
  if (volume >= 0)
    _volume = (int32_t)volume;
  else if (volume != -1)
    _volume = 0;

  float scaled = 2.55f * (float)_volume;
  if (scaled <= 0) scaled = 0;
  if (scaled >= 255) scaled = 255;
  if (!_channels[0] || !_playing) return;

  int32_t global = _kind == kindSample ? _sampleGlobalVolume : _musicGlobalVolume;
  float levelF = (float)global * scaled / 100.0f;
  int32_t level = levelF <= 0 ? 0 : levelF >= 255 ? 255 : (int32_t)levelF;
  int32_t left = level, right = level;
  if (_pan < 0) right = (int32_t)((float)(100 + _pan) * (float)level / 100.0f);
  if (_pan > 0) left = (int32_t)((float)(100 - _pan) * (float)level / 100.0f);

  snd::Command cmd = command(snd::cmdVolume, (intptr_t)right * 65536 + left);
  for (int i = 0; i < maxChannels; i++)
    if (_channels[i]) snd::doImmediate(_channels[i], cmd);
}

void KAudio::setPan(long pan) {
  snd::OutputLock lock;
  if (_channelIndex < 0 || _channelIndex >= maxChannels || !_channels[_channelIndex]) return;
  _pan = (int32_t)(pan < -100 ? -100 : pan > 100 ? 100 : pan);
  setVolume(_volume);
}

void KAudio::setGlobalVolume(long music, long sample) {
  snd::OutputLock lock;
  if (music > 100) music = 100;
  if (sample > 100) sample = 100;
  if (music >= 0) _musicGlobalVolume = (int32_t)music;
  if (sample >= 0) _sampleGlobalVolume = (int32_t)sample;
}

// ---- pause, resume, playing -----------------------------------------------------

void KAudio::pause() {
  snd::OutputLock lock;
  if (!_channels[0]) return;
  snd::doImmediate(_channels[0], command(snd::cmdPause));
  _playing = false;
}

void KAudio::resume() {
  snd::OutputLock lock;
  if (!_channels[0]) return;
  snd::doImmediate(_channels[0], command(snd::cmdResume));
  // A sample that ended while held is not playing again; the flag says
  // what is heard.
  _playing = _kind == kindSample ? anySlotBusy() : true;
}

bool KAudio::isPlaying() {
  snd::OutputLock lock;
  return _channels[0] ? _playing : false;
}

// ---- completion routines (called by the output with its lock held) ---------------

void KAudio::sampleCallBack(snd::Channel *channel, const snd::Command *cmd) {
  KAudio *a = reinterpret_cast<KAudio *>(cmd->param2);
  if (!a) return;
  if (a->_playing && a->_loop) {
    snd::play(channel, a->_soundHandle[0]);
    snd::doCommand(channel, *cmd);
    a->_playing = true;
    return;
  }
  int slot = a->slotOf(channel);
  if (slot >= 0) a->_slotBusy[slot] = false;
  // One flag for the object, true while any copy still sounds.
  if (a->_playing) a->_playing = a->anySlotBusy();
}

void KAudio::moduleCallBack(snd::Channel *channel, const snd::Command *cmd) {
  doubleBufferCallBack(channel, cmd, kindModule);
}

void KAudio::streamCallBack(snd::Channel *channel, const snd::Command *cmd) {
  doubleBufferCallBack(channel, cmd, kindStream);
}

// The double buffer cycle of modules and streams: play the buffer that was
// waiting, refill the one just heard.
void KAudio::doubleBufferCallBack(snd::Channel *channel, const snd::Command *cmd, int kind) {
  KAudio *a = reinterpret_cast<KAudio *>(cmd->param2);
  if (!a) return;
  if (kind == kindStream && !a->_playing) return;
  int heard = a->_playBuffer;
  a->_playBuffer = 1 - heard;
  snd::play(channel, a->_soundHandle[a->_playBuffer]);
  if (kind == kindModule)
    a->renderModuleBuffer(heard);
  else
    a->fillStreamBuffer(heard);
  if (!a->_ended) {
    snd::doCommand(channel, *cmd);
    a->_playing = true;
  } else {
    a->_playing = false;
  }
  int32_t &watcher = kind == kindModule ? _lastModuleVolume : _lastStreamVolume;
  if (_musicGlobalVolume != watcher) {
    watcher = _musicGlobalVolume;
    a->setVolume(-1);
  }
}
