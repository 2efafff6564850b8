// Playing samples as a listener hears them: rotation over channels,
// looping, rate, pause and resume, and what isPlaying says.

#include "SoundFixtures.h"

using namespace soundtest;

namespace {

const int kStep = 16; // ramp samples: frame k holds 16 x k

class KAudioPlay : public PullMode {
protected:
  std::unique_ptr<KAudio> ramp(int frames, bool loop = false, short channels = 1) {
    return load(makeWave(WaveSpec(), ramp16(frames, kStep)), 100, loop, channels);
  }
  // The mix of copies that have played for these many frames each.
  static int copiesAt(std::initializer_list<int> positions) {
    int sum = 0;
    for (int p : positions) sum += kStep * p;
    return atLevel(sum, 255);
  }
};

TEST_F(KAudioPlay, ANewObjectPlaysNothing) {
  KAudio a;
  EXPECT_FALSE(a.isPlaying());
  a.playSample();
  a.playSampleEx(22050, 100, 0, true);
  a.setFrequency(22050);
  a.muteCurrentChannel();
  a.pause();
  a.resume();
  EXPECT_FALSE(a.isPlaying());
  EXPECT_EQ(0, render(100).soundingFrames());
}

TEST_F(KAudioPlay, EachPlayTakesTheNextChannelAndCutsTheOldestCopy) {
  auto a = ramp(2000, false, 3);
  a->playSample();
  render(100);
  a->playSample();
  render(100);
  a->playSample();
  render(100);
  a->playSample(); // fourth: channel 0 again, the first copy stops
  EXPECT_EQ(copiesAt({200, 100, 0}), render(1).left(0));
  a->playSample(); // fifth: cuts the second copy
  EXPECT_EQ(copiesAt({101, 1, 0}), render(1).left(0));
}

TEST_F(KAudioPlay, ChannelCountIsClampedToOneToTen) {
  struct Case {
    short asked;
    int copies;
  } cases[] = {{0, 1}, {-3, 1}, {1, 1}, {3, 3}, {10, 10}, {12, 10}};
  for (const Case &c : cases) {
    auto a = load(makeWave(WaveSpec(), dc16(1000, 1000)), 100, false, c.asked);
    for (int i = 0; i < 12; i++) a->playSample();
    EXPECT_EQ(atLevel(1000 * c.copies, 255), render(1).left(0)) << "asked for " << c.asked;
    a->stopSample();
  }
}

TEST_F(KAudioPlay, IsPlayingIsTrueWhileAnyCopySoundsAndFalseAfter) {
  auto a = ramp(1000, false, 2);
  a->playSample();
  EXPECT_TRUE(a->isPlaying());
  render(500);
  a->playSample();
  render(600); // the first copy has ended, the second still sounds
  EXPECT_TRUE(a->isPlaying());
  render(401);
  EXPECT_FALSE(a->isPlaying());
  EXPECT_EQ(0, render(100).soundingFrames());
}

TEST_F(KAudioPlay, ALoopedSampleRestartsSeamlesslyUntilStopped) {
  auto a = ramp(1000, true);
  a->playSample();
  Pcm p = render(3500);
  EXPECT_TRUE(a->isPlaying());
  EXPECT_EQ(copiesAt({999}), p.left(999));
  EXPECT_EQ(copiesAt({0}), p.left(1000));
  EXPECT_EQ(copiesAt({1}), p.left(2001));
  a->stopSample();
  EXPECT_FALSE(a->isPlaying());
  EXPECT_EQ(0, render(2000).soundingFrames());
  // setLoop(false) lets the copy that plays finish its round.
  a->playSample();
  render(500);
  a->setLoop(false);
  EXPECT_EQ(500, render(2000).soundingFrames());
  EXPECT_FALSE(a->isPlaying());
}

TEST_F(KAudioPlay, SetFrequencyScalesTheLengthAndStaysOnTheChannel) {
  struct Case {
    long frequency;
    int frames;
  } cases[] = {{22050, 2000}, {88200, 500}, {44100, 1000}, {0, 1000}, {-5, 1000}};
  auto a = load(makeWave(WaveSpec(), dc16(1000, 1000)));
  for (const Case &c : cases) {
    a->setFrequency(c.frequency);
    a->playSample();
    a->playSample(); // a later play on the same channel keeps the rate
    EXPECT_EQ(c.frames, render(5000).soundingFrames()) << c.frequency << " Hz";
    EXPECT_FALSE(a->isPlaying());
  }
}

TEST_F(KAudioPlay, PauseHoldsAndResumeContinuesWhereItStopped) {
  auto a = ramp(1000);
  a->playSample();
  render(100);
  a->pause();
  EXPECT_FALSE(a->isPlaying());
  EXPECT_EQ(0, render(300).soundingFrames());
  a->resume();
  EXPECT_TRUE(a->isPlaying());
  EXPECT_EQ(copiesAt({100}), render(1).left(0));
  render(1000);
  EXPECT_FALSE(a->isPlaying());
  a->resume(); // after the end: still nothing plays
  EXPECT_FALSE(a->isPlaying());
}

TEST_F(KAudioPlay, ReloadingOrDestroyingWhilePlayingSilencesIt) {
  auto a = ramp(5000, true, 3);
  a->playSample();
  a->playSample();
  render(100);
  std::string path = writeFile("r.wav", makeWave(WaveSpec(), dc16(200, 1000)));
  ASSERT_TRUE(a->loadSample(path.c_str(), 100, false, 1));
  EXPECT_FALSE(a->isPlaying());
  EXPECT_EQ(0, render(100).soundingFrames());
  a->playSample();
  render(10);
  a.reset();
  EXPECT_EQ(0, render(300).soundingFrames());
}

} // namespace
