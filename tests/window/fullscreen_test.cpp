// Full screen on the test display (one 1024 by 768 mode, no gamma ramps)
// and on displays whose modes the test scripts: the refresh-rate search,
// switching modes, minimise and restore.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

#include "graphics/KGraphicGL.h"
#include "support/ScreenShot.h"
#include "support/TestWindow.h"
#include "window/KWindowGL.h"

namespace {

using RGB = std::array<uint8_t, 3>;

std::set<int> gAccepted;
std::vector<int> gAsked;
bool scriptedDisplay(int w, int h, int rate) {
  gAsked.push_back(rate);
  return w == 640 && h == 480 && gAccepted.count(rate) > 0;
}

struct ScriptedDisplay {
  explicit ScriptedDisplay(std::set<int> accepted) {
    gAccepted = accepted;
    gAsked.clear();
    ws::setDisplayModeScript(scriptedDisplay);
  }
  ~ScriptedDisplay() { ws::setDisplayModeScript(nullptr); }
};

KWindowGL *openFullScreen(const char *title = "Quarvel") {
  KWindowGL *w = (KWindowGL *)KVyk::createKWindow(K_OPENGL, false);
  EXPECT_TRUE(w->createGameWindow(640, 480, 16, false, title));
  return w;
}

// Colour of a pixel of the 640 by 480 frame being drawn, y from the top,
// in a window or in full screen alike.
std::array<uint8_t, 4> framePixel(int x, int y) {
  std::array<uint8_t, 4> p{};
  glFinish();
  glReadPixels(x, 479 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
  return p;
}

TEST(FullScreen, RefreshRateSearchEndsWhereTheDisplayAgrees) {
  const struct {
    std::set<int> accepted;
    int rate;
    int attempts;  // 75 down to 0 is 76 tries, 75 up to 199 is 125 more
  } cases[] = {
      {{75}, 75, 1},
      {{60, 85}, 60, 16},
      {{85}, 85, 76 + 11},
      {{0}, 0, 76 + 125 + 1},
      {{}, 0, 76 + 125 + 1},
  };
  for (auto &c : cases) {
    ScriptedDisplay display(c.accepted);
    KWindowGL *w = openFullScreen();
    EXPECT_EQ(w->_fullScreenFrequency, c.rate);
    EXPECT_EQ((int)gAsked.size(), c.attempts) << "ending at " << c.rate;
    delete w;
  }
}

TEST(FullScreen, CoversTheTestDisplayWithThePictureCentredOnBlack) {
  int before = ws::fullScreenAttempts();
  KWindowGL *w = openFullScreen();
  // No 640 by 480 mode: every rate above 0 fails, both sweeps run.
  EXPECT_EQ(w->_fullScreenFrequency, 0);
  EXPECT_EQ(ws::fullScreenAttempts() - before, 76 + 125 + 1);
  EXPECT_EQ(w->getWindowHandle(), nullptr);

  w->setClearColor(1, 0, 0, 1);
  w->setWorldView(0, 0, 0, 1, true);
  EXPECT_EQ(framePixel(0, 0)[0], 255);  // the game draws into its own 640 by 480
  w->flipBackBuffer(true, true);
  const RGB red{255, 0, 0}, black{0, 0, 0};
  ScreenShot shot;
  ASSERT_TRUE(shot.grabUntil([&](const ScreenShot &s) { return s.at(192, 144) == red; }));
  EXPECT_EQ(shot.at(831, 623), red);
  EXPECT_EQ(shot.at(191, 144), black);
  EXPECT_EQ(shot.at(192, 143), black);
  EXPECT_EQ(shot.at(832, 623), black);
  EXPECT_EQ(shot.at(831, 624), black);
  EXPECT_EQ(shot.at(5, 5), black);
  delete w;
}

TEST(FullScreen, PointerPositionsCountInTheGamesPicture) {
  KWindowGL *w = openFullScreen();
  const struct {
    int sx, sy, x, y;
  } cases[] = {{512, 384, 320, 240}, {192, 144, 0, 0}, {831, 623, 639, 479}, {100, 50, -92, -94}};
  for (auto &c : cases) {
    char cmd[64];
    snprintf(cmd, sizeof cmd, "xdotool mousemove %d %d", c.sx, c.sy);
    ASSERT_EQ(system(cmd), 0);
    EXPECT_EQ(KInput::getMouseX(), c.x) << c.sx << "," << c.sy;
    EXPECT_EQ(KInput::getMouseY(), c.y) << c.sx << "," << c.sy;
  }
  delete w;
}

TEST(ToggleFullScreen, SwitchesOnceAndBackWithoutReloadingPictures) {
  KWindowGL *w = openFullScreen("FS Title");
  KGraphic *pic = KVyk::createKGraphic();
  uint32_t pixels[4];
  const uint8_t bytes[16] = {10, 200, 30, 255, 10, 200, 30, 255, 10, 200, 30, 255, 10, 200, 30, 255};
  memcpy(pixels, bytes, 16);
  ASSERT_TRUE(pic->makePictureFromArray(pixels, 2, 2, true));

  w->setWorldView(0, 0, 0, 1, true);
  pic->blitRect(0, 0, 2, 2, 7, 9, false, false);
  std::array<uint8_t, 4> inFullScreen = framePixel(7, 9);
  EXPECT_EQ(inFullScreen[1], 200);

  // Leaving full screen makes the window, centred, with the creation title.
  w->setTitle("ignored");
  w->toggleFullScreen(false);
  ASSERT_NE(w->getWindowHandle(), nullptr);
  int left, top, width, height;
  ws::windowBounds(w->getWindowHandle(), &left, &top, &width, &height);
  EXPECT_EQ(left, 192);
  EXPECT_EQ(top, 144);
  EXPECT_EQ(width, 640);
  EXPECT_STREQ(w->_title, "FS Title");
  EXPECT_EQ(system("xdotool search --name '^FS Title$' >/dev/null"), 0);

  w->setWorldView(0, 0, 0, 1, true);
  pic->blitRect(0, 0, 2, 2, 7, 9, false, false);
  EXPECT_EQ(framePixel(7, 9), inFullScreen);

  int before = ws::fullScreenAttempts();
  w->toggleFullScreen(true);
  w->toggleFullScreen(true);
  EXPECT_EQ(ws::fullScreenAttempts() - before, 1);  // the context is reused at its rate
  EXPECT_EQ(w->_currentContext, w->_fullScreenContext);
  // The window stays behind the full screen without the keyboard, yet full
  // screen counts as focused and a flip never waits for the window.
  EXPECT_TRUE(w->hasFocus());
  w->flipBackBuffer(true, true);
  w->setWorldView(0, 0, 0, 1, true);
  pic->blitRect(0, 0, 2, 2, 7, 9, false, false);
  EXPECT_EQ(framePixel(7, 9), inFullScreen);
  delete pic;
  delete w;
}

TEST(ToggleFullScreen, MinimiseAndRestoreComeBackAtTheRecordedRate) {
  ScriptedDisplay display({60});
  KWindowGL *w = openFullScreen();
  ASSERT_EQ(w->_fullScreenFrequency, 60);
  gAsked.clear();
  w->minimize();
  w->restore();
  EXPECT_EQ(gAsked, std::vector<int>{60});
  delete w;
}

}  // namespace
