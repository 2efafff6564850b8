// What volume, pan and the global volumes do to the level a sample is heard
// at. A 16-bit sample of value 16384 at level L comes out as 64 x L.

#include "SoundFixtures.h"

using namespace soundtest;

namespace {

const int16_t kValue = 16384;

struct Heard {
  int left, right;
};

Heard levelOf(const Pcm &p, int frame) { return Heard{p.left(frame) / 64, p.right(frame) / 64}; }

class KAudioVolume : public PullMode {};

TEST_F(KAudioVolume, LevelFollowsVolumePanAndGlobalVolume) {
  struct Case {
    long volume, pan, globalSample;
    int left, right;
  } cases[] = {
      {100, 0, 100, 255, 255}, {80, 0, 100, 204, 204},  {50, 0, 100, 127, 127},
      {1, 0, 100, 2, 2},       {0, 0, 100, 0, 0},       {150, 0, 100, 255, 255},
      {100, -50, 100, 255, 127}, {100, 100, 100, 0, 255}, {100, -100, 100, 255, 0},
      {100, 0, 50, 127, 127},  {100, 250, 100, 0, 255}, {80, 50, 50, 51, 102},
  };
  for (const Case &c : cases) {
    KAudio::setGlobalVolume(100, c.globalSample);
    auto a = load(makeWave(WaveSpec(), dc16(2000, kValue)), c.volume);
    a->setPan(c.pan);
    a->playSample();
    Heard h = levelOf(render(10), 5);
    EXPECT_EQ(c.left, h.left) << "volume " << c.volume << " pan " << c.pan << " global " << c.globalSample;
    EXPECT_EQ(c.right, h.right) << "volume " << c.volume << " pan " << c.pan << " global " << c.globalSample;
  }
}

TEST_F(KAudioVolume, SetVolumeWhileSilentIsStoredAndTheNextPlayUsesIt) {
  auto a = load(makeWave(WaveSpec(), dc16(2000, kValue)), 100);
  a->setVolume(50);
  EXPECT_EQ(0, render(10).soundingFrames());
  a->playSample();
  EXPECT_EQ(127, levelOf(render(10), 5).left);
  a->setVolume(-1); // keeps 50
  EXPECT_EQ(127, levelOf(render(10), 5).left);
  a->setVolume(-5); // stores 0, sent at once while playing
  EXPECT_EQ(0, levelOf(render(10), 5).left);
  a->setVolume(80);
  EXPECT_EQ(204, levelOf(render(10), 5).right);
}

TEST_F(KAudioVolume, GlobalVolumeIsTakenAtTheNextPlayAndNegativeValuesKeepIt) {
  auto a = load(makeWave(WaveSpec(), dc16(4000, kValue)), 100);
  a->playSample();
  KAudio::setGlobalVolume(100, 50);
  EXPECT_EQ(255, levelOf(render(10), 5).left) << "nothing is sent to a playing sample";
  a->playSample();
  EXPECT_EQ(127, levelOf(render(10), 5).left);
  KAudio::setGlobalVolume(-1, -1);
  a->playSample();
  EXPECT_EQ(127, levelOf(render(10), 5).left);
  KAudio::setGlobalVolume(100, 200); // above 100 becomes 100
  a->playSample();
  EXPECT_EQ(255, levelOf(render(10), 5).left);
}

TEST_F(KAudioVolume, PanBeforeAnyLoadIsIgnored) {
  KAudio a;
  a.setPan(-100);
  std::string path = writeFile("p.wav", makeWave(WaveSpec(), dc16(2000, kValue)));
  ASSERT_TRUE(a.loadSample(path.c_str(), 100, false, 1));
  a.playSample();
  Heard h = levelOf(render(10), 5);
  EXPECT_EQ(255, h.left);
  EXPECT_EQ(255, h.right);
}

TEST_F(KAudioVolume, MuteCurrentChannelSilencesTheChannelThatPlaysAndApplyVolumeRestoresIt) {
  auto a = load(makeWave(WaveSpec(), dc16(4000, kValue)), 100);
  a->playSample();
  a->muteCurrentChannel();
  EXPECT_EQ(0, render(10).soundingFrames());
  a->applyVolume();
  EXPECT_EQ(255, levelOf(render(10), 5).left);
}

TEST_F(KAudioVolume, PlaySampleExSetsRateLoopPanAndVolume) {
  auto a = load(makeWave(WaveSpec(), dc16(100, kValue)), 100);
  a->playSampleEx(22050, 50, -100, true);
  Pcm p = render(1000);
  EXPECT_EQ(127, levelOf(p, 5).left);
  EXPECT_EQ(0, levelOf(p, 5).right);
  EXPECT_EQ(1000, p.soundingFrames()) << "looping";
  EXPECT_TRUE(a->isPlaying());
  a->playSampleEx(0, 100, 0, false);
  EXPECT_EQ(100, render(1000).soundingFrames()) << "own rate again, once";
  EXPECT_FALSE(a->isPlaying());
}

} // namespace
