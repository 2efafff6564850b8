// Plays, stops, reloads and destroys racing the output's thread, which keeps
// serving callbacks of short looping sounds. Run under ThreadSanitizer it
// must report nothing; anywhere it must end (no hang, no lost wake-up).

#include <atomic>
#include <random>
#include <thread>

#include "SoundFixtures.h"

using namespace soundtest;

namespace {

class KAudioThreads : public PullMode {};

TEST_F(KAudioThreads, OperationsRacingTheCallbacksStaySafe) {
  // Sounds of a few frames: every render ends and restarts several copies.
  std::string shortLoop = writeFile("short.wav", makeWave(WaveSpec(), dc16(7, 3000)));
  std::string longer = writeFile("long.wav", makeWave(WaveSpec(), dc16(300, -3000)));

  std::atomic<bool> done(false);
  std::atomic<long> rendered(0);
  std::thread output([&] {
    std::vector<int16_t> buffer(2 * snd::kDeviceFrames);
    while (!done.load()) {
      snd::render(buffer.data(), snd::kDeviceFrames);
      rendered++;
    }
  });

  std::mt19937 gen(11);
  std::unique_ptr<KAudio> sounds[4];
  long observedPlaying = 0;
  for (int i = 0; i < 6000; i++) {
    std::unique_ptr<KAudio> &a = sounds[gen() % 4];
    switch (gen() % 10) {
    case 0:
      a.reset(); // destroy, maybe while its routine is due
      break;
    case 1:
    case 2: {
      if (!a) a.reset(new KAudio);
      bool loop = gen() % 2;
      EXPECT_TRUE(a->loadSample((gen() % 2 ? shortLoop : longer).c_str(), 90, loop, (short)(1 + gen() % 4)));
      break;
    }
    case 3:
      if (a) a->stopSample();
      break;
    case 4:
      if (a) a->playSampleEx(22050 + (long)(gen() % 44100), 70, (long)(gen() % 200) - 100, gen() % 2);
      break;
    case 5:
      if (a) a->pause();
      break;
    case 6:
      if (a) a->resume();
      break;
    case 7:
      if (a) a->setVolume((long)(gen() % 100));
      break;
    default:
      if (a) {
        a->playSample();
        observedPlaying += a->isPlaying();
      }
      break;
    }
    if (i % 500 == 0) std::this_thread::yield();
  }
  for (auto &a : sounds) a.reset();
  done = true;
  output.join();
  EXPECT_GT(rendered.load(), 0);
  EXPECT_GT(observedPlaying, 0);
  EXPECT_EQ(0, render(1000).soundingFrames()) << "every object is gone, so is its sound";
  remove(shortLoop.c_str());
  remove(longer.c_str());
}

} // namespace
