// Picture objects: construction, texture shapes, the bind cache, texture
// memory, smoothing and the shape rule itself.
#include "GraphicsFixture.h"
#include "graphics/TextureShape.h"

namespace {

TEST(TextureShapeRule, Table) {
  struct Case {
    int w, h;
    bool rect, squareOverride;
    GLenum target;
    int tw, th, size;
  } cases[] = {
      {1, 1, false, true, GL_TEXTURE_2D, 4, 4, 4},
      {3, 5, false, true, GL_TEXTURE_2D, 8, 8, 8},
      {640, 480, true, true, GL_TEXTURE_RECTANGLE_EXT, 640, 480, 1024},
      {640, 480, false, true, GL_TEXTURE_2D, 1024, 1024, 1024},
      {256, 256, true, true, GL_TEXTURE_2D, 256, 256, 256},
      {256, 256, true, false, GL_TEXTURE_RECTANGLE_EXT, 256, 256, 256},  // screen grabs
      {2, 2, true, true, GL_TEXTURE_RECTANGLE_EXT, 2, 2, 4},
      {2, 2, false, true, GL_TEXTURE_2D, 4, 4, 4},
      {512, 512, false, true, GL_TEXTURE_2D, 512, 512, 512},
      {32767, 1, true, true, GL_TEXTURE_RECTANGLE_EXT, 32767, 1, 32768},
  };
  for (const Case &c : cases) {
    TextureShape s = textureShapeFor(c.w, c.h, c.rect, c.squareOverride);
    EXPECT_EQ(s.target, c.target) << c.w << "x" << c.h << " rect " << c.rect;
    EXPECT_EQ(s.width, c.tw) << c.w << "x" << c.h;
    EXPECT_EQ(s.height, c.th) << c.w << "x" << c.h;
    EXPECT_EQ(s.size, c.size) << c.w << "x" << c.h;
  }
}

TEST_F(GraphicsTest, ConstructionBeforeTheScreenSizeWarnsOnce) {
  short saved = KGraphicGL::screenWidth;
  KGraphicGL::screenWidth = 0;
  {
    KGraphicGL g;
    EXPECT_EQ(g.getWidth(), 0);
  }
  KGraphicGL::screenWidth = saved;
  KGraphicGL h;
  ASSERT_EQ(CapturedMessages::list().size(), 1u);
  EXPECT_EQ(CapturedMessages::list()[0],
            "Screen Dimensions not specified, you will not see anything|KGraphicGL::SetScreenSize Not Called!");
  EXPECT_EQ(h.blendSource, GL_SRC_ALPHA);
  EXPECT_EQ(h.blendDest, GL_ONE_MINUS_SRC_ALPHA);
  EXPECT_FALSE(h.blitColorOn);
  EXPECT_EQ(h.blitAlpha, 1);
  EXPECT_EQ(h.textureTarget, (GLenum)GL_TEXTURE_2D);
}

TEST_F(GraphicsTest, EmptyPictureFreesNothing) {
  KGraphicGL g;
  long before = KGraphicGL::videoMemory;
  g.freePicture();
  EXPECT_EQ(KGraphicGL::videoMemory, before);
  EXPECT_EQ(g.getWidth(), 0);
  EXPECT_EQ(g.getHeight(), 0);
}

TEST_F(GraphicsTest, VideoMemoryFor640By480InBothTargets) {
  KGraphicGL::setScreenSize(640, 480, 16);
  std::vector<uint32_t> pixels(640 * 480, kBlue);
  for (bool rect : {true, false}) {
    KWindowGL::hasRectangleText = rect;
    long before = KGraphicGL::videoMemory;
    {
      KGraphicGL g;
      ASSERT_TRUE(g.makePictureFromArray(pixels.data(), 640, 480, true));
      EXPECT_EQ(g.textureSize, 1024);
      EXPECT_EQ(KGraphicGL::videoMemory - before, rect ? 614400 : 2097152);
      EXPECT_EQ(g.textureWidth, rect ? 640 : 1024);
      // Making another picture in the same object releases the first.
      ASSERT_TRUE(g.makePictureFromArray(pixels.data(), 640, 480, true));
      EXPECT_EQ(KGraphicGL::videoMemory - before, rect ? 614400 : 2097152);
    }
    EXPECT_EQ(KGraphicGL::videoMemory, before);  // the destructor frees it
  }
}

class BindCacheTest : public GraphicsTest {
protected:
  std::vector<uint32_t> pa = quadrants(8, 8), pb = quadrants(6, 6);
  KGraphicGL a, b;
  void SetUp() override {
    GraphicsTest::SetUp();
    ASSERT_TRUE(a.makePictureFromArray(pa.data(), 8, 8, true));
    ASSERT_TRUE(b.makePictureFromArray(pb.data(), 6, 6, true));
  }
  unsigned long bindsFor(const std::function<void()> &draw) {
    unsigned long before = KGraphicGL::bindCount;
    draw();
    return KGraphicGL::bindCount - before;
  }
};

TEST_F(BindCacheTest, SamePictureBindsOnceAndAlternatingBindsEachTime) {
  EXPECT_EQ(bindsFor([&] {
              a.blitRect(0, 0, 8, 8, 0, 0, false, false);
              a.blitAlphaRect(0, 0, 8, 8, 10, 0, false, false);
              a.blitAlphaRectFx(0, 0, 8, 8, 20, 0, 30, 1, 1, false, false);
            }),
            1u);
  EXPECT_EQ(bindsFor([&] {
              b.blitRect(0, 0, 6, 6, 0, 20, false, false);
              a.blitRect(0, 0, 8, 8, 10, 20, false, false);
              b.blitRect(0, 0, 6, 6, 20, 20, false, false);
            }),
            3u);
  // What was drawn is each picture's own.
  EXPECT_EQ(colour(10, 20), rgb(kRed));
  EXPECT_EQ(colour(25, 25), rgb(kWhite));
}

TEST_F(BindCacheTest, OutsideTextureUseForcesAFullBind) {
  KWindowGL *w = static_cast<KWindowGL *>(tw.window);
  const std::pair<const char *, std::function<void()>> resets[] = {
      {"drawRect", [&] { a.drawRect(0, 0, 1, 1, 0, 0, 0, 1); }},
      {"drawLine", [&] { a.drawLine(0, 0, 1, 1, 0, 0, 0, 1); }},
      {"selectTexture", [&] { a.selectTexture(); }},
      {"gamma overlay", [&] { w->doGammaAdjustment(); }},
  };
  for (const auto &r : resets) {
    a.blitRect(0, 0, 8, 8, 0, 0, false, false);
    r.second();
    EXPECT_EQ(bindsFor([&] { a.blitRect(0, 0, 8, 8, 100, 100, false, false); }), 1u) << r.first;
    EXPECT_EQ(colour(100, 100), rgb(kRed)) << r.first;
  }
}

TEST_F(GraphicsTest, SmoothingFollowsSetTextureQuality) {
  // Two texels stretched to 100 pixels: nearest gives pure colours at the
  // middle, linear a mixture.
  std::vector<uint32_t> two = {kRed, kBlue};
  KGraphicGL g;
  ASSERT_TRUE(g.makePictureFromArray(two.data(), 2, 1, true));
  g.stretchAlphaRect(0, 0, 2, 1, 0, 0, 100, 10, 1, 0);
  EXPECT_EQ(colour(45, 5), rgb(kRed));
  EXPECT_EQ(colour(55, 5), rgb(kBlue));
  g.setTextureQuality(true);
  g.stretchAlphaRect(0, 0, 2, 1, 0, 20, 100, 30, 1, 0);
  RGBA mid = colour(45, 25);
  EXPECT_GT(mid[0], 60);
  EXPECT_GT(mid[2], 60);
  g.setTextureQuality(false);
  g.stretchAlphaRect(0, 0, 2, 1, 0, 40, 100, 50, 1, 0);
  EXPECT_EQ(colour(45, 45), rgb(kRed));
}

TEST_F(GraphicsTest, SmoothingAlsoReachesTheOtherTargetsBoundTexture) {
  std::vector<uint32_t> square(16, kWhite), wide(6, kWhite);
  KGraphicGL sq, rect;
  ASSERT_TRUE(sq.makePictureFromArray(square.data(), 4, 4, true));
  ASSERT_TRUE(rect.makePictureFromArray(wide.data(), 3, 2, true));
  ASSERT_EQ(sq.textureTarget, (GLenum)GL_TEXTURE_2D);
  ASSERT_EQ(rect.textureTarget, (GLenum)GL_TEXTURE_RECTANGLE_EXT);
  rect.setTextureQuality(true);
  GLint filter = 0;
  glBindTexture(GL_TEXTURE_2D, sq.texture);
  glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
  EXPECT_EQ(filter, GL_LINEAR);
}

}  // namespace
