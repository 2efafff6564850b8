#ifndef KAUDIO_H
#define KAUDIO_H

// The sound object: one object holds one sound of one kind (a sample, a
// module or a stream). Made with new, deleted with delete.
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
};

#endif
