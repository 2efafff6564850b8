#ifndef KAUDIO_H
#define KAUDIO_H

// The sound object: one object holds one sound of one kind (a sample, a
// module or a stream). Made with new, deleted with delete.

#include <cstdint>

#ifndef OV_EXCLUDE_STATIC_CALLBACKS
#define OV_EXCLUDE_STATIC_CALLBACKS
#endif
#include <vorbis/vorbisfile.h>

struct DUH;
struct DUH_SIGRENDERER;

namespace snd {
struct Channel;
struct SoundHandle;
struct Command;
} // namespace snd

// The layout of a WAVE file's "fmt " chunk body, so that it can be read in
// place inside a file image (hence packed: it may sit at any offset).
struct __attribute__((packed)) KAudioFormat {
  int16_t formatTag;
  int16_t channels;
  int32_t samplesPerSec;
  int32_t avgBytesPerSec;
  int16_t blockAlign;
  int16_t bitsPerSample;
  int16_t recordSize;
};

class KAudio {
public:
  KAudio();
  ~KAudio();

  bool loadSample(const char *path, long volume, bool loop, short channels);
  void playSample();
  void playSampleEx(long frequency, long volume, long pan, bool loop);
  void stopSample();
  void setLoop(bool loop);
  void setFrequency(long frequency);
  void muteCurrentChannel();
  void applyVolume();

  bool loadModule(const char *path);
  void playModule(bool loop);
  void stopModule();
  bool renderModuleToFile(const char *path, unsigned long maxBytes);

  bool loadStream(const char *path);
  bool loadStreamFromMemory(const void *data, long size);
  void playStream(bool loop);
  void stopStream();

  void setVolume(long volume);
  void setPan(long pan);
  static void setGlobalVolume(long music, long sample);
  void pause();
  void resume();
  bool isPlaying();

  // What a load last complained about ("" when none did).
  const char *errorText() const { return _errorText; }

  enum { kindModule = 0, kindStream = 1, kindSample = 2 };
  enum { maxChannels = 10 };

private:
  typedef void (*CallBackRoutine)(snd::Channel *channel, const snd::Command *command);

  void unload();
  snd::Channel *newChannel(int kind, int slot);
  void disposeChannels();
  void stopChannel(int slot);
  void stopSequence(snd::Channel *channel, bool queued);
  void freeMemoryImage();
  void startPlay();
  bool anySlotBusy() const;
  int slotOf(const snd::Channel *channel) const;

  long readFileToMemory(const char *path);
  long parseWave(uint8_t *image, uint32_t size);
  bool loadOggSample(const char *path);
  uint8_t *makeSoundHandle(int channels, uint32_t rate, int bits, uint32_t bytes, int index);

  static void moduleCallBack(snd::Channel *channel, const snd::Command *command);
  static void streamCallBack(snd::Channel *channel, const snd::Command *command);
  static void sampleCallBack(snd::Channel *channel, const snd::Command *command);
  static void doubleBufferCallBack(snd::Channel *channel, const snd::Command *command, int kind);
  void renderModuleBuffer(int index);
  void fillStreamBuffer(int index);

  short _numChannels;
  char _errorText[260];
  char _fileName[260];
  int32_t _volume;
  uint8_t _kind;
  int32_t _channelIndex;
  int32_t _pan;
  DUH *_duh;
  DUH_SIGRENDERER *_sigRenderer;
  bool _moduleLoop;
  KAudioFormat *_format;
  uint8_t *_bufferData[2];
  uint32_t _dataSize;
  KAudioFormat _formatRecord;
  OggVorbis_File _vorbisFile;
  bool _vorbisOpen;
  snd::Channel *_channels[maxChannels];
  snd::SoundHandle *_soundHandle[2];
  int32_t _playBuffer;
  bool _ended;
  bool _playing;
  bool _loop;
  int32_t _sampleRate;
  uint32_t _memPos;
  uint32_t _memSize;
  uint8_t *_memData;
  // Which channels have a copy of the sample sounding, so that _playing
  // stays true while any copy is heard.
  bool _slotBusy[maxChannels];

  static int32_t _instanceCount;
  static CallBackRoutine _moduleCallBackRoutine;
  static CallBackRoutine _streamCallBackRoutine;
  static CallBackRoutine _sampleCallBackRoutine;
  static int32_t _sampleGlobalVolume;
  static int32_t _musicGlobalVolume;
  static int32_t _lastModuleVolume;
  static int32_t _lastStreamVolume;
};

#endif
