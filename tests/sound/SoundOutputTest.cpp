// The output layer on its own: queues served in order, immediate commands,
// routines called inside render, sample formats, volume and rate.

#include <cstring>
#include <thread>

#include "SoundFixtures.h"

using namespace soundtest;

namespace {

struct Calls {
  int count = 0;
  std::thread::id thread;
  intptr_t param2 = 0;
};
Calls gCalls;

void recordingRoutine(snd::Channel *, const snd::Command *cmd) {
  gCalls.count++;
  gCalls.thread = std::this_thread::get_id();
  gCalls.param2 = cmd->param2;
}

// A handle of `frames` frames of one 16-bit big-endian mono value.
snd::SoundHandle *dcHandle(int frames, int16_t value, int channels = 1, int bits = 16, uint32_t rate = 44100) {
  int frameBytes = channels * bits / 8;
  snd::SoundHandle *h = snd::newHandle((size_t)frames * frameBytes + 100);
  int header = 0;
  EXPECT_EQ(0, snd::setupHeader(h, channels, rate, bits, (uint32_t)(frames * frameBytes), &header));
  uint8_t *p = snd::handleBytes(h) + header;
  for (int i = 0; i < frames * channels; i++) {
    if (bits == 16) {
      p[2 * i] = (uint8_t)((uint16_t)value >> 8);
      p[2 * i + 1] = (uint8_t)(value & 0xFF);
    } else {
      p[i] = (uint8_t)value;
    }
  }
  return h;
}

snd::Command cmd(uint16_t code, intptr_t param2 = 0) { return snd::Command{code, 0, param2}; }

class SoundOutput : public PullMode {
protected:
  void SetUp() override {
    PullMode::SetUp();
    gCalls = Calls();
    channel = snd::newChannel(recordingRoutine);
    ASSERT_NE(nullptr, channel);
  }
  void TearDown() override {
    snd::disposeChannel(channel);
    for (snd::SoundHandle *h : handles) snd::disposeHandle(h);
    PullMode::TearDown();
  }
  snd::SoundHandle *keep(snd::SoundHandle *h) {
    handles.push_back(h);
    return h;
  }
  snd::Channel *channel = nullptr;
  std::vector<snd::SoundHandle *> handles;
};

TEST_F(SoundOutput, CallBackIsServedWhenTheSoundBeforeItEndsInsideRender) {
  snd::play(channel, keep(dcHandle(100, 1000)));
  snd::doCommand(channel, cmd(snd::cmdCallBack, 1234));
  Pcm first = render(100);
  EXPECT_EQ(0, gCalls.count) << "the sound has not ended until the next frame is due";
  EXPECT_EQ(100, first.soundingFrames());
  render(1);
  EXPECT_EQ(1, gCalls.count);
  EXPECT_EQ(1234, gCalls.param2);
  EXPECT_EQ(std::this_thread::get_id(), gCalls.thread);
}

TEST_F(SoundOutput, PlaysQueuedBehindASoundFollowItWithoutAGap) {
  snd::play(channel, keep(dcHandle(50, 1000)));
  snd::play(channel, keep(dcHandle(50, -2000)));
  Pcm p = render(120);
  EXPECT_EQ(atLevel(1000, 256), p.left(49));
  EXPECT_EQ(atLevel(-2000, 256), p.left(50));
  EXPECT_EQ(0, p.left(100));
}

TEST_F(SoundOutput, QueuedFlushAndReInitKeepThePlayQueuedAfterThem) {
  snd::play(channel, keep(dcHandle(20, 1000)));
  snd::doImmediate(channel, cmd(snd::cmdQuiet));
  snd::doCommand(channel, cmd(snd::cmdFlush));
  snd::doCommand(channel, cmd(snd::cmdReInit));
  snd::play(channel, keep(dcHandle(30, 3000)));
  snd::doCommand(channel, cmd(snd::cmdCallBack));
  Pcm p = render(40);
  EXPECT_EQ(atLevel(3000, 256), p.left(0));
  EXPECT_EQ(30, p.soundingFrames());
  EXPECT_EQ(1, gCalls.count);
}

TEST_F(SoundOutput, ImmediateQuietAndFlushSilenceAndDropThePendingCallBack) {
  snd::play(channel, keep(dcHandle(100, 1000)));
  snd::doCommand(channel, cmd(snd::cmdCallBack));
  render(10);
  snd::doImmediate(channel, cmd(snd::cmdQuiet));
  snd::doImmediate(channel, cmd(snd::cmdFlush));
  EXPECT_EQ(0, render(200).soundingFrames());
  EXPECT_EQ(0, gCalls.count);
}

TEST_F(SoundOutput, PauseHoldsSoundAndQueueUntilResume) {
  snd::play(channel, keep(dcHandle(100, 1000)));
  snd::doCommand(channel, cmd(snd::cmdCallBack));
  render(40);
  snd::doImmediate(channel, cmd(snd::cmdPause));
  EXPECT_EQ(0, render(500).soundingFrames());
  EXPECT_EQ(0, gCalls.count);
  snd::doImmediate(channel, cmd(snd::cmdResume));
  EXPECT_EQ(60, render(200).soundingFrames());
  EXPECT_EQ(1, gCalls.count);
}

TEST_F(SoundOutput, SampleFormatsVolumePerSideAndRate) {
  // 8-bit unsigned: 192 is +64 above silence, a quarter of full scale.
  snd::play(channel, keep(dcHandle(10, 192, 1, 8)));
  EXPECT_EQ(64 << 8, render(1).left(0));
  snd::doImmediate(channel, cmd(snd::cmdQuiet));

  // 16-bit big-endian stereo, left 256 (unity) and right 128.
  snd::SoundHandle *h = keep(snd::newHandle(100 + 4));
  int header = 0;
  ASSERT_EQ(0, snd::setupHeader(h, 2, 44100, 16, 4, &header));
  const uint8_t frame[4] = {0x12, 0x34, 0xF0, 0x00}; // 0x1234, -4096
  memcpy(snd::handleBytes(h) + header, frame, 4);
  snd::doImmediate(channel, cmd(snd::cmdVolume, 128 * 65536 + 256));
  snd::play(channel, h);
  Pcm p = render(1);
  EXPECT_EQ(0x1234, p.left(0));
  EXPECT_EQ(-2048, p.right(0));

  // Half speed: a 100-frame sound lasts 200 frames.
  snd::doImmediate(channel, cmd(snd::cmdVolume, 256 * 65536 + 256));
  snd::doImmediate(channel, cmd(snd::cmdRateMultiplier, 32768));
  snd::play(channel, keep(dcHandle(100, 1000)));
  EXPECT_EQ(200, render(400).soundingFrames());
  // The sound's own rate counts too: 22050 Hz at 1.0 also doubles.
  snd::doImmediate(channel, cmd(snd::cmdRateMultiplier, 65536));
  snd::play(channel, keep(dcHandle(100, 1000, 1, 16, 22050)));
  EXPECT_EQ(200, render(400).soundingFrames());
}

TEST_F(SoundOutput, HeadersThatCannotBePlayedAreRefusedAndABrokenHandlePlaysAsNothing) {
  snd::SoundHandle *h = keep(snd::newHandle(200));
  int header = 0;
  EXPECT_NE(0, snd::setupHeader(h, 3, 44100, 16, 10, &header));
  EXPECT_NE(0, snd::setupHeader(h, 1, 44100, 24, 10, &header));
  EXPECT_NE(0, snd::setupHeader(h, 1, 0, 16, 10, &header));
  EXPECT_NE(0, snd::setupHeader(h, 1, 44100, 16, 1000, &header)) << "more PCM than the handle holds";
  // Zeroed bytes are no header: nothing sounds, the callback is still served.
  snd::play(channel, h);
  snd::play(channel, nullptr);
  snd::doCommand(channel, cmd(snd::cmdCallBack));
  EXPECT_EQ(0, render(10).soundingFrames());
  EXPECT_EQ(1, gCalls.count);
}

TEST_F(SoundOutput, DisposingAPlayingHandleOrAChannelInsideItsRoutineIsSafe) {
  snd::SoundHandle *h = dcHandle(1000, 1000);
  snd::play(channel, h);
  snd::play(channel, h);
  render(10);
  snd::disposeHandle(h);
  EXPECT_EQ(0, render(3000).soundingFrames());

  static snd::Channel *self;
  self = snd::newChannel([](snd::Channel *c, const snd::Command *) { snd::disposeChannel(c); });
  snd::play(self, keep(dcHandle(10, 1000)));
  snd::doCommand(self, cmd(snd::cmdCallBack));
  snd::doCommand(self, cmd(snd::cmdCallBack));
  render(50);
  snd::disposeChannel(self); // already gone: ignored
}

TEST(SoundOutputFixDiv, QuotientWithSixteenFractionBitsSaturates) {
  struct Case {
    int32_t a, b, expected;
  } cases[] = {
      {22050, 44100, 32768}, {88200, 44100, 131072}, {1, 3, 21845}, {-44100, 44100, -65536},
      {1, 0, INT32_MAX},     {-1, 0, INT32_MIN},     {100000, 1, INT32_MAX},
  };
  for (const Case &c : cases) EXPECT_EQ(c.expected, snd::fixDiv(c.a, c.b)) << c.a << " / " << c.b;
}

} // namespace
