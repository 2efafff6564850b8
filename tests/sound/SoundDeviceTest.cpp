// The device path: SDL's audio device (the dummy driver where there is no
// sound card) pulls sound in real time, so a sound ends when it would have
// been heard.

#include <chrono>
#include <thread>

#include "SoundFixtures.h"

using namespace soundtest;
using Clock = std::chrono::steady_clock;

namespace {

double secondsSince(Clock::time_point t) { return std::chrono::duration<double>(Clock::now() - t).count(); }

class SoundDevice : public testing::Test {
protected:
  void SetUp() override { snd::setPullMode(false); }
};

TEST_F(SoundDevice, AHalfSecondSampleEndsBetweenHalfAndSixTenthsOfASecond) {
  KAudio a;
  std::string path = writeFile("half.wav", makeWave(WaveSpec(), dc16(22050, 2000)));
  ASSERT_TRUE(a.loadSample(path.c_str(), 100, false, 1));
  ASSERT_NE(nullptr, snd::deviceDriver()) << "a device, or the dummy driver, is open";
  Clock::time_point start = Clock::now();
  a.playSample();
  EXPECT_TRUE(a.isPlaying());
  while (a.isPlaying() && secondsSince(start) < 2.0) std::this_thread::sleep_for(std::chrono::microseconds(500));
  double ended = secondsSince(start);
  EXPECT_GE(ended, 0.5);
  EXPECT_LE(ended, 0.6);
  remove(path.c_str());
}

TEST_F(SoundDevice, ALoopedSampleStopsOnTheDevicePathAndDestroyingItWhilePlayingIsSafe) {
  std::string path = writeFile("loop.wav", makeWave(WaveSpec(), dc16(300, 2000)));
  for (int i = 0; i < 20; i++) {
    KAudio a;
    ASSERT_TRUE(a.loadSample(path.c_str(), 100, true, 3));
    a.playSample();
    a.playSample();
    std::this_thread::sleep_for(std::chrono::milliseconds(i % 3 * 10));
    EXPECT_TRUE(a.isPlaying());
    if (i % 2) {
      a.stopSample();
      EXPECT_FALSE(a.isPlaying());
    }
  }
  remove(path.c_str());
}

} // namespace
