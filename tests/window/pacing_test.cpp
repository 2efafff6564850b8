// Frame pacing against a clock the test controls: how many times a flip
// reads the clock tells how many passes its waiting loop made.
#include <gtest/gtest.h>

#include "AppServices.h"
#include "window/KWindowGL.h"
#include "support/TestWindow.h"

namespace {

uint64_t gNowMicros = 0;
uint64_t gStepMicros = 0;
int gReads = 0;
uint64_t scriptedClock() {
  gReads++;
  uint64_t now = gNowMicros;
  gNowMicros += gStepMicros;
  return now;
}

struct PacingTest : ::testing::Test {
  TestWindow t{64, 64};
  void SetUp() override { appsvc::setClock(scriptedClock); }
  void TearDown() override { appsvc::setClock(nullptr); }
  // Flips once with the clock at `startMs` and moving `stepMs` a read;
  // answers the clock reads the flip made.
  int flipAt(uint32_t lastFlip, uint64_t startMs, uint64_t stepMs) {
    KWindowGL::_lastFlipTime = lastFlip;
    gNowMicros = startMs * 1000;
    gStepMicros = stepMs * 1000;
    gReads = 0;
    t.window->flipBackBuffer(false, false);
    return gReads;
  }
};

TEST_F(PacingTest, FrameRateBecomesAWholeMillisecondDelay) {
  KWindowGL *w = (KWindowGL *)t.window;
  const struct {
    long fps;
    uint32_t delay;
  } cases[] = {{75, 13}, {1000, 1}, {60, 16}, {1, 1000}, {2000, 0}, {0, 0}, {-5, 0}};
  for (auto &c : cases) {
    w->setMaxFrameRate(c.fps);
    EXPECT_EQ(w->_frameDelay, c.delay) << c.fps;
  }
}

TEST_F(PacingTest, SwapIntervalFollowsTheLimit) {
  KWindowGL *w = (KWindowGL *)t.window;
  w->setMaxFrameRate(75);
  flipAt(0, 5000, 0);
  EXPECT_EQ(ws::swapInterval(w->_currentContext), 1);
  w->setMaxFrameRate(2000);  // rounds to no limit but leaves the interval
  EXPECT_EQ(ws::swapInterval(w->_currentContext), 1);
  w->setMaxFrameRate(-5);
  EXPECT_EQ(ws::swapInterval(w->_currentContext), 0);
  flipAt(0, 5000, 0);  // no limit: a flip does not turn it back on
  EXPECT_EQ(ws::swapInterval(w->_currentContext), 0);
}

TEST_F(PacingTest, WaitsUntilTheDelayHasPassedSinceTheLastFlip) {
  t.window->setMaxFrameRate(75);
  const struct {
    const char *what;
    uint32_t lastFlip;
    uint64_t startMs, stepMs;
    int reads;  // t0, one per waiting pass, and the new flip time
    uint32_t newLastFlip;
  } cases[] = {
      {"first flip, clock already past the delay", 0, 5000, 0, 2, 5000},
      {"on time: waits 8 passes to reach 13 ms", 100, 105, 1, 10, 114},
      {"exactly at the deadline: one pass", 100, 113, 0, 3, 113},
      {"late frame: no wait", 100, 114, 0, 2, 114},
      // The millisecond clock wraps at 2^32 microseconds: the difference is
      // then huge and the frame counts as late.
      {"clock wrapped", 4294960, 3, 0, 2, 3},
  };
  for (auto &c : cases) {
    EXPECT_EQ(flipAt(c.lastFlip, c.startMs, c.stepMs), c.reads) << c.what;
    EXPECT_EQ(KWindowGL::_lastFlipTime, c.newLastFlip) << c.what;
  }
}

TEST_F(PacingTest, NoLimitNeverReadsTheClockForPacing) {
  t.window->setMaxFrameRate(0);
  EXPECT_EQ(flipAt(100, 105, 1), 1);  // only t0
  EXPECT_EQ(KWindowGL::_lastFlipTime, 100u);
}

}  // namespace
