// Display fades through the colour tables (seen through the layer, since
// the test display has no tables of its own) and the in-frame gamma overlay
// (seen on the screen).
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "graphics/KGraphicGL.h"
#include "support/ScreenShot.h"
#include "support/TestWindow.h"
#include "window/KWindowGL.h"

namespace {

using RGB = std::array<uint8_t, 3>;
using Table = std::array<float, 256>;

std::vector<Table> gRed;
void recordTables(const float *r, const float *, const float *) {
  Table t;
  memcpy(t.data(), r, sizeof(float) * 256);
  gRed.push_back(t);
}

struct TableObserver {
  TableObserver() {
    gRed.clear();
    ws::setGammaObserver(recordTables);
  }
  ~TableObserver() { ws::setGammaObserver(nullptr); }
};

Table scaled(const float *saved, float k) {
  Table t;
  for (int i = 0; i < 256; i++) t[i] = saved[i] * k;
  return t;
}

TEST(DisplayFade, FullScreenFadesOutIn1001StepsAndBackOnEnd) {
  TableObserver observer;
  KWindowGL *w = (KWindowGL *)KVyk::createKWindow(K_OPENGL, false);
  Table saved;
  memcpy(saved.data(), w->_savedRed, sizeof saved);
  ASSERT_TRUE(w->createGameWindow(640, 480, 16, false, "fade"));
  // Fade-out, then full brightness at once.
  ASSERT_EQ(gRed.size(), 1002u);
  EXPECT_EQ(gRed[0], saved);
  EXPECT_EQ(gRed[1], scaled(saved.data(), 0.999f));
  EXPECT_GT(gRed[1000][255], 0.0f);
  EXPECT_LT(gRed[1000][255], 0.0001f);
  EXPECT_EQ(gRed[1001], saved);

  gRed.clear();
  w->fadeToIntensity(0.5f);
  w->fadeToIntensity(2.0f);  // no clamping
  ASSERT_EQ(gRed.size(), 2u);
  EXPECT_EQ(gRed[0], scaled(saved.data(), 0.5f));
  EXPECT_EQ(gRed[1], scaled(saved.data(), 2.0f));

  gRed.clear();
  delete w;
  // The end fades out the same way, then puts the saved tables back exactly.
  ASSERT_EQ(gRed.size(), 1002u);
  EXPECT_EQ(gRed[1000], scaled(saved.data(), gRed[1000][255] / saved[255]));
  EXPECT_EQ(gRed.back(), saved);
}

TEST(DisplayFade, AWindowedGameEndsWithoutAFade) {
  TableObserver observer;
  {
    TestWindow t(64, 64);
  }
  ASSERT_EQ(gRed.size(), 1u);  // only the restore
}

// Draws a frame half black, half white, flips it with the gamma given, and
// answers what the screen shows of each half.
std::pair<RGB, RGB> shownWithGamma(TestWindow &t, float gamma) {
  t.clear(0, 0, 0);
  KGraphic *g = KVyk::createKGraphic();
  g->drawRect(32, 0, 64, 64, 1, 1, 1, 1);
  delete g;
  t.window->setGamma(gamma);
  t.window->flipBackBuffer(false, true);
  ScreenShot shot;
  // The 64 by 64 window sits at (480, 352) on the test screen; wait for
  // the white half to show.
  shot.grabUntil([](const ScreenShot &s) { return s.at(480 + 40, 352 + 10) == RGB{255, 255, 255}; });
  return {shot.at(480 + 10, 352 + 10), shot.at(480 + 40, 352 + 10)};
}

TEST(GammaOverlay, WashesTheFrameTowardsWhite) {
  TestWindow t(64, 64);
  const RGB white{255, 255, 255};
  const struct {
    float gamma;
    int grey;  // what black becomes
  } cases[] = {{1.0f, 0}, {2.0f, 0}, {0.75f, 64}, {0.0f, 255}, {-1.0f, 255}};
  for (auto &c : cases) {
    auto shown = shownWithGamma(t, c.gamma);
    EXPECT_NEAR(shown.first[0], c.grey, 1) << c.gamma;
    EXPECT_EQ(shown.first[0], shown.first[2]) << c.gamma;
    EXPECT_EQ(shown.second, white) << c.gamma;
  }
}

TEST(GammaOverlay, LeavesTexturingOffAndMakesTheNextPictureBindAgain) {
  TestWindow t(64, 64);
  KGraphic *pic = KVyk::createKGraphic();
  uint32_t pixels[4];
  memset(pixels, 0xFF, sizeof pixels);
  ASSERT_TRUE(pic->makePictureFromArray(pixels, 2, 2, true));
  t.clear(0, 0, 0);
  pic->blitRect(0, 0, 2, 2, 0, 0, false, false);
  unsigned long binds = KGraphicGL::bindCount;
  pic->blitRect(0, 0, 2, 2, 4, 0, false, false);
  EXPECT_EQ(KGraphicGL::bindCount, binds);  // same texture: no new bind

  t.window->setGamma(0.5f);
  t.window->flipBackBuffer(false, true);
  EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  pic->blitRect(0, 0, 2, 2, 0, 0, false, false);
  EXPECT_EQ(KGraphicGL::bindCount, binds + 1);
  t.window->setGamma(1.0f);
  delete pic;
}

}  // namespace
