// The window as a game sees it: opening, centring, capabilities, the world
// view by pixels read back, and the quit flag.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "window/KWindowGL.h"
#include "support/ScreenShot.h"
#include "support/TestWindow.h"

namespace {

TEST(CreateGameWindow, CentresTheWindowOnTheDisplay) {
  int dw = 0, dh = 0;
  ASSERT_TRUE(ws::displayBounds(&dw, &dh));
  ASSERT_EQ(dw, 1024);  // the test server's screen
  ASSERT_EQ(dh, 768);
  const struct {
    int w, h, left, top;
  } cases[] = {{640, 480, 192, 144}, {383, 101, 320, 333}};
  for (auto &c : cases) {
    TestWindow t(c.w, c.h);
    ASSERT_TRUE(t.opened);
    KWindowGL *w = (KWindowGL *)t.window;
    int left, top, width, height;
    ws::windowBounds(w->getWindowHandle(), &left, &top, &width, &height);
    EXPECT_EQ(left, c.left);
    EXPECT_EQ(top, c.top);
    EXPECT_EQ(width, c.w);
    EXPECT_EQ(height, c.h);
    EXPECT_EQ(t.window->getWindowWidth(), c.w);
    EXPECT_EQ(t.window->getWindowHeight(), c.h);
  }
}

TEST(CreateGameWindow, KeepsTheFirst255CharactersOfTheTitle) {
  std::string title(300, 't');
  title[254] = 'x';
  TestWindow t(64, 64, title.c_str());
  KWindowGL *w = (KWindowGL *)t.window;
  EXPECT_EQ(strlen(w->_title), 255u);
  EXPECT_EQ(w->_title[254], 'x');
  t.window->setTitle("Quarvel");
  EXPECT_STREQ(w->_title, "Quarvel");
}

TEST(CreateGameWindow, ReportsTheRectangleTextureCapabilityOfTheContext) {
  TestWindow t(64, 64);
  ASSERT_TRUE(t.opened);
  std::string ext = (const char *)glGetString(GL_EXTENSIONS);
  bool has = ext.find("GL_EXT_texture_rectangle") != std::string::npos ||
             ext.find("GL_NV_texture_rectangle") != std::string::npos;
  EXPECT_EQ(t.window->getRectangleTexCap(), has);
  EXPECT_TRUE(t.window->getAccelerationCap());
  t.window->setRectangleTexCap(false);
  EXPECT_FALSE(t.window->getRectangleTexCap());
  t.window->setRectangleTexCap(has);
}

TEST(CreateGameWindow, FullScreenHasNoWindowAndAlwaysHasFocus) {
  CapturedMessages messages;
  KWindow *w = KVyk::createKWindow(K_OPENGL, false);
  ASSERT_TRUE(w->createGameWindow(640, 480, 16, false, "Quarvel"));
  KWindowGL *gl = (KWindowGL *)w;
  EXPECT_EQ(w->getWindowHandle(), nullptr);
  EXPECT_TRUE(w->hasFocus());
  // The test display offers no 640 by 480 mode, only "any rate" works.
  EXPECT_EQ(gl->_fullScreenFrequency, 0);
  // Without a window the title is not copied, so leaving full screen later
  // makes the window with the title given at creation.
  w->setTitle("Other");
  EXPECT_STREQ(gl->_title, "Quarvel");
  EXPECT_TRUE(messages.list().empty());
  delete w;
}

TEST(Quit, TerminateSetsItAndANewWindowStartsWithout) {
  KWindow *w = KVyk::createKWindow(K_OPENGL, false);
  EXPECT_FALSE(w->isQuit());
  w->terminate();
  EXPECT_TRUE(w->isQuit());
  delete w;
  w = KVyk::createKWindow(K_OPENGL, false);
  EXPECT_FALSE(w->isQuit());
  delete w;
}

// Draws one white point at world (x, y) with the view given, and answers
// where it landed, counted from the top-left.
struct Landing {
  int x, y;
};
Landing drawPointAt(TestWindow &t, float x, float y, float angle, float zoom) {
  t.clear(0, 0, 0);
  t.window->setWorldView(0, 0, angle, zoom, false);
  glDisable(GL_TEXTURE_2D);
  glColor4f(1, 1, 1, 1);
  glBegin(GL_POINTS);
  glVertex2f(x, y);
  glEnd();
  std::vector<uint8_t> px(t.width * t.height * 4);
  glFinish();
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, t.width, t.height, GL_RGBA, GL_UNSIGNED_BYTE, px.data());
  for (int row = 0; row < t.height; row++)
    for (int col = 0; col < t.width; col++)
      if (px[(row * t.width + col) * 4] > 128) return {col, t.height - 1 - row};
  return {-1, -1};
}

TEST(WorldView, MapsWorldPointsAsZoomAndAngleSay) {
  TestWindow t(200, 100);
  ASSERT_TRUE(t.opened);
  const int cx = 100, cy = 50;  // window centre, world y upwards
  // World points sit inside a pixel, never on its edge, wherever the view
  // takes them.
  const struct {
    float x, y, angle, zoom;
    int px, py;  // expected pixel, y counted from the bottom
  } cases[] = {
      {10.5f, 20.5f, 0, 1, 10, 20},
      {cx + 0.25f, cy + 0.25f, 0, 2, cx, cy},
      {cx + 10.25f, cy + 0.25f, 0, 2, cx + 20, cy},
      {cx + 10.5f, cy - 0.5f, 90, 1, cx, cy + 10},
  };
  for (auto &c : cases) {
    Landing l = drawPointAt(t, c.x, c.y, c.angle, c.zoom);
    EXPECT_EQ(l.x, c.px) << c.x << "," << c.y << " angle " << c.angle << " zoom " << c.zoom;
    EXPECT_EQ(t.height - 1 - l.y, c.py) << c.x << "," << c.y << " angle " << c.angle << " zoom " << c.zoom;
  }
}

TEST(WorldView, ClearsWithTheClearColourOnlyWhenAsked) {
  TestWindow t(64, 64);
  t.clear(1, 0, 0);
  EXPECT_EQ(t.pixel(5, 5)[0], 255);
  t.window->setClearColor(0, 0, 1, 1);
  t.window->setWorldView(0, 0, 0, 1, false);
  EXPECT_EQ(t.pixel(5, 5)[0], 255);
  t.window->setWorldView(0, 0, 0, 1, true);
  EXPECT_EQ(t.pixel(5, 5)[0], 0);
  EXPECT_EQ(t.pixel(5, 5)[2], 255);
}

TEST(Flip, PresentsTheFrameThatWasDrawn) {
  TestWindow t(64, 64);
  t.clear(0, 1, 0);
  t.window->flipBackBuffer(false, true);
  glFinish();
  // The 64 by 64 window sits centred on the 1024 by 768 screen.
  const std::array<uint8_t, 3> green{0, 255, 0};
  ScreenShot shot;
  EXPECT_TRUE(shot.grabUntil([&](const ScreenShot &s) { return s.at(480 + 10, 352 + 10) == green; }));
  EXPECT_EQ(shot.at(480 + 63, 352 + 63), green);
  EXPECT_NE(shot.at(480 + 64, 352 + 64), green);
}

}  // namespace
