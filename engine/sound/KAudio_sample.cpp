// Samples: loading RIFF WAVE and Ogg Vorbis files whole into a sound handle,
// and playing them on up to ten channels in rotation.

#include "KAudio.h"

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "SoundOutput.h"

namespace {

// Larger decoded samples are refused: a tiny hostile file can claim hours.
const uint64_t kMaxSampleBytes = 1u << 30;

snd::Command command(uint16_t code, intptr_t param2 = 0) { return snd::Command{code, 0, param2}; }

uint16_t le16(const uint8_t *p) { return (uint16_t)(p[0] | (p[1] << 8)); }
uint32_t le32(const uint8_t *p) {
  return (uint32_t)p[0] | ((uint32_t)p[1] << 8) | ((uint32_t)p[2] << 16) | ((uint32_t)p[3] << 24);
}

// What the output can play; anything else fails the load.
bool playableFormat(int channels, int bits, int32_t rate) {
  return (channels == 1 || channels == 2) && (bits == 8 || bits == 16) && rate > 0;
}

} // namespace

// ---- loading --------------------------------------------------------------------

bool KAudio::loadSample(const char *path, long volume, bool loop, short channels) {
  snd::OutputLock lock;
  _numChannels = channels < 1 ? 1 : channels >= maxChannels ? (short)maxChannels : channels;
  _channelIndex = 0;
  snprintf(_fileName, sizeof _fileName, "%s", path ? path : "");
  _kind = kindSample;
  unload();
  disposeChannels();
  snd::disposeHandle(_soundHandle[0]);
  _soundHandle[0] = nullptr;
  _loop = loop;
  _volume = (int32_t)volume;
  // Nothing of the old sound plays any more.
  _playing = false;
  if (!path) return false;

  if (strstr(path, ".ogg")) return loadOggSample(path);

  long size = readFileToMemory(path);
  if (size == 0) return false;
  bool ok = parseWave(_memData, (uint32_t)size) > 0 &&
            playableFormat(_format->channels, _format->bitsPerSample, _format->samplesPerSec);
  uint8_t *data = nullptr;
  if (ok) {
    data = makeSoundHandle(_format->channels, (uint32_t)_format->samplesPerSec, _format->bitsPerSample,
                           _dataSize, 0);
    ok = data != nullptr;
  }
  if (ok) {
    disposeChannels();
    for (int slot = 0; slot < _numChannels && ok; slot++)
      ok = newChannel(kindSample, slot) != nullptr;
  }
  if (!ok) {
    unload();
  } else {
    memcpy(data, _bufferData[0], _dataSize);
  }
  // The image has served its purpose either way, and so have the pointers
  // into it.
  freeMemoryImage();
  _bufferData[0] = nullptr;
  _format = nullptr;
  return ok;
}

long KAudio::readFileToMemory(const char *path) {
  FILE *f = fopen(path, "rb");
  if (!f) return 0;
  long size = -1;
  if (fseek(f, 0, SEEK_END) == 0) size = ftell(f);
  // The image's size is kept in 32 bits.
  if (size <= 0 || size > INT32_MAX || fseek(f, 0, SEEK_SET) != 0) {
    fclose(f);
    return 0;
  }
  freeMemoryImage();
  _bufferData[0] = nullptr;
  _format = nullptr;
  _memData = (uint8_t *)malloc((size_t)size);
  if (!_memData) {
    fclose(f);
    return 0;
  }
  // A short read would leave part of the image unset.
  size_t got = fread(_memData, 1, (size_t)size, f);
  fclose(f);
  if (got != (size_t)size) {
    freeMemoryImage();
    return 0;
  }
  _memPos = 0;
  _memSize = (uint32_t)size;
  return size;
}

// The file is searched for its "data" and "fmt " tags, not walked chunk by
// chunk: files in the wild with odd chunk layouts load as they always did.
long KAudio::parseWave(uint8_t *image, uint32_t size) {
  _format = nullptr;
  _bufferData[0] = nullptr;
  _dataSize = 0;
  if (!image) return 0;

  for (uint32_t o = 0; o + 8 <= size; o++) {
    if (memcmp(image + o, "data", 4) != 0) continue;
    _bufferData[0] = image + o + 8;
    // A length that runs past the file takes what is there.
    uint32_t declared = le32(image + o + 4), available = size - (o + 8);
    _dataSize = declared < available ? declared : available;
    break;
  }
  for (uint32_t o = 0; o + 8 + sizeof(KAudioFormat) <= size; o++) {
    if (memcmp(image + o, "fmt ", 4) != 0) continue;
    uint8_t *r = image + o + 8;
    _format = reinterpret_cast<KAudioFormat *>(r);
    _format->formatTag = (int16_t)le16(r);
    _format->channels = (int16_t)le16(r + 2);
    _format->samplesPerSec = (int32_t)le32(r + 4);
    _format->avgBytesPerSec = (int32_t)le32(r + 8);
    _format->blockAlign = (int16_t)le16(r + 12);
    _format->bitsPerSample = (int16_t)le16(r + 14);
    _format->recordSize = (int16_t)le16(r + 16);
    break;
  }
  if (!_format) return 0;
  if (_format->bitsPerSample == 8) return _dataSize;
  // 16-bit samples go to the output big-endian. Whole pairs only: an odd
  // last byte has no partner.
  uint8_t *d = _bufferData[0];
  for (uint32_t i = 0; i + 1 < _dataSize; i += 2) {
    uint8_t t = d[i];
    d[i] = d[i + 1];
    d[i + 1] = t;
  }
  return _dataSize;
}

// Decodes the whole file twice: once to learn the size, once into the handle.
bool KAudio::loadOggSample(const char *path) {
  unload();
  FILE *f = fopen(path, "rb");
  if (!f) return false;
  OggVorbis_File vf;
  if (ov_open(f, &vf, nullptr, 0) < 0) {
    fclose(f); // vorbisfile leaves a file it refused open
    return false;
  }
  char *scratch = (char *)malloc(4096);
  uint64_t total = 0;
  int section = 0;
  long got;
  while (scratch && total <= kMaxSampleBytes && (got = ov_read(&vf, scratch, 4096, 1, 2, 1, &section)) > 0)
    total += (uint64_t)got;
  free(scratch);
  ov_clear(&vf);
  if (total == 0 || total > kMaxSampleBytes) return false;
  _dataSize = (uint32_t)total;

  f = fopen(path, "rb");
  if (!f) return false;
  if (ov_open(f, &vf, nullptr, 0) < 0) {
    fclose(f);
    return false;
  }
  vorbis_info *info = ov_info(&vf, -1);
  KAudioFormat record;
  memset(&record, 0, sizeof record);
  if (info) {
    record.channels = (int16_t)info->channels;
    record.samplesPerSec = (int32_t)info->rate;
  }
  record.bitsPerSample = 16;
  record.blockAlign = (int16_t)(record.channels * 2);
  record.avgBytesPerSec = record.samplesPerSec * record.channels * 2;
  record.recordSize = 20;
  _format = &record;

  bool ok = info && playableFormat(record.channels, 16, record.samplesPerSec);
  if (ok) {
    disposeChannels();
    for (int slot = 0; slot < _numChannels && ok; slot++)
      ok = newChannel(kindSample, slot) != nullptr;
  }
  uint8_t *data = ok ? makeSoundHandle(record.channels, (uint32_t)record.samplesPerSec, 16, _dataSize, 0) : nullptr;
  uint32_t filled = 0;
  if (data) {
    while (filled < _dataSize) {
      long n = ov_read(&vf, (char *)data + filled, (int)(_dataSize - filled), 1, 2, 1, &section);
      if (n <= 0) break;
      filled += (uint32_t)n;
    }
  }
  ov_clear(&vf);
  _format = nullptr; // the record dies with this call
  // A failed load leaves no channel: the object ignores plays until the
  // next good load.
  if (filled == 0) disposeChannels();
  return filled != 0;
}

uint8_t *KAudio::makeSoundHandle(int channels, uint32_t rate, int bits, uint32_t bytes, int index) {
  _sampleRate = (int32_t)rate;
  _dataSize = bytes;
  // The handle it replaces would otherwise be lost.
  snd::disposeHandle(_soundHandle[index]);
  _soundHandle[index] = snd::newHandle((size_t)bytes + 100);
  if (!_soundHandle[index]) return nullptr;
  memset(snd::handleBytes(_soundHandle[index]), 0, (size_t)bytes + 100);
  int headerLength = 0;
  if (snd::setupHeader(_soundHandle[index], channels, rate, bits, bytes, &headerLength) != 0) {
    snprintf(_errorText, 256, "%s", "can't create sound header ( makeSoundHandle ) ");
    return nullptr;
  }
  return snd::handleBytes(_soundHandle[index]) + headerLength;
}

// ---- playing ----------------------------------------------------------------------

void KAudio::stopChannel(int slot) {
  if (!_channels[slot] || _kind != kindSample) return;
  stopSequence(_channels[slot], false);
  _slotBusy[slot] = false;
  _playing = false;
}

// Starts the sample on the channel at _channelIndex and moves the rotation on.
void KAudio::startPlay() {
  int slot = _channelIndex;
  snd::Channel *c = _channels[slot];
  if (c) {
    snd::play(c, _soundHandle[0]);
    _playing = true;
    _slotBusy[slot] = true;
    snd::doCommand(c, command(snd::cmdCallBack, reinterpret_cast<intptr_t>(this)));
  }
  _channelIndex += 1;
  if (_channelIndex >= _numChannels) _channelIndex = 0;
  setVolume(_volume);
}

void KAudio::playSample() {
  snd::OutputLock lock;
  if (!_channels[0]) return;
  // The oldest copy, still sounding on that channel, is cut off.
  stopChannel(_channelIndex);
  setVolume(_volume);
  startPlay();
}

void KAudio::playSampleEx(long frequency, long volume, long pan, bool loop) {
  snd::OutputLock lock;
  if (!_channels[0]) return;
  stopSample();
  _volume = (int32_t)volume;
  setFrequency(frequency);
  setLoop(loop);
  setPan(pan);
  setVolume(volume);
  startPlay();
}

void KAudio::stopSample() {
  snd::OutputLock lock;
  if (!_channels[0] || _kind != kindSample) return;
  for (int i = 0; i < maxChannels; i++) {
    if (_channels[i]) stopSequence(_channels[i], false);
    _slotBusy[i] = false;
  }
  _playing = false;
}

void KAudio::setLoop(bool loop) {
  snd::OutputLock lock;
  if (_kind == kindSample && _channels[0]) _loop = loop;
}

void KAudio::setFrequency(long frequency) {
  snd::OutputLock lock;
  snd::Channel *c = _channels[_channelIndex];
  if (!c) return;
  int32_t multiplier = 65536;
  // A rate of 0 has no speed to scale: play at 1.0.
  if (frequency > 0 && _sampleRate > 0)
    multiplier = snd::fixDiv((int32_t)(frequency > INT32_MAX ? INT32_MAX : frequency), _sampleRate);
  snd::doImmediate(c, command(snd::cmdRateMultiplier, multiplier));
}

void KAudio::muteCurrentChannel() {
  snd::OutputLock lock;
  if (_kind == kindSample && _channels[_channelIndex])
    snd::doImmediate(_channels[_channelIndex], command(snd::cmdVolume, 0));
}

void KAudio::applyVolume() {
  snd::OutputLock lock;
  if (_kind == kindSample && _channels[_channelIndex]) setVolume(_volume);
}
