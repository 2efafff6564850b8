// Plays one sample with each of the sound object's operations, pausing
// between them so each can be heard:  sound_sample [file.ogg|file.wav]
// Without a sound card it still runs, silently, in real time.

#include <chrono>
#include <cstdio>
#include <thread>

#include "KAudio.h"

static void wait(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

static void step(const char *what) { printf("%s\n", what); }

int main(int argc, char **argv) {
  const char *path = argc > 1 ? argv[1] : QUARVEL_DATA_DIR "/gameover.ogg";
  KAudio *sound = new KAudio;
  if (!sound->loadSample(path, 80, false, 3)) {
    fprintf(stderr, "cannot load %s %s\n", path, sound->errorText());
    delete sound;
    return 1;
  }

  step("playSample, waiting with isPlaying");
  sound->playSample();
  while (sound->isPlaying()) wait(10);

  step("three overlapping copies on three channels");
  for (int i = 0; i < 3; i++) {
    sound->playSample();
    wait(150);
  }
  wait(1500);

  step("setVolume(30), then the pan from left to right with setPan");
  sound->setVolume(30);
  for (long pan = -100; pan <= 100; pan += 100) {
    sound->playSample();
    sound->setPan(pan);
    wait(700);
  }
  sound->setPan(0);
  sound->setVolume(80);

  step("setGlobalVolume(100, 25): samples at a quarter from their next play");
  KAudio::setGlobalVolume(100, 25);
  sound->playSample();
  wait(1500);
  KAudio::setGlobalVolume(100, 100);

  step("setFrequency at half the sample's rate: an octave down, twice as long");
  sound->stopSample();
  sound->playSampleEx(22050, 80, 0, false);
  wait(3000);

  step("playSampleEx looping, pause, resume, muteCurrentChannel, applyVolume, stopSample");
  sound->playSampleEx(0, 80, 0, true);
  wait(800);
  sound->pause();
  printf("  paused: isPlaying %d\n", sound->isPlaying());
  wait(600);
  sound->resume();
  wait(600);
  sound->muteCurrentChannel();
  wait(600);
  sound->applyVolume();
  wait(600);
  sound->setLoop(false);
  step("setLoop(false): the copy that plays ends its round");
  while (sound->isPlaying()) wait(10);
  sound->playSample();
  wait(300);
  sound->stopSample();
  printf("stopped: isPlaying %d\n", sound->isPlaying());

  delete sound;
  return 0;
}
