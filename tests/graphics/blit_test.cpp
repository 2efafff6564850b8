// The blit family on screen, in both texture targets: placement, flips,
// turns, zoom, tint, opacity, stretching, tiling and mapped quads.
#include "GraphicsFixture.h"

namespace {

// Parameter: whether rectangle textures are offered.
class BlitTest : public GraphicsTest, public ::testing::WithParamInterface<bool> {
protected:
  std::vector<uint32_t> pixels = quadrants(30, 20);
  KGraphicGL pic;
  void SetUp() override {
    GraphicsTest::SetUp();
    KWindowGL::hasRectangleText = GetParam();
    ASSERT_TRUE(pic.makePictureFromArray(pixels.data(), 30, 20, true));
    ASSERT_EQ(pic.textureTarget, GetParam() ? (GLenum)GL_TEXTURE_RECTANGLE_EXT : (GLenum)GL_TEXTURE_2D);
  }
  // Colours near the four corners of a w by h area at (x, y).
  std::array<RGBA, 4> corners(int x, int y, int w, int h) {
    return {colour(x + 2, y + 2), colour(x + w - 3, y + 2), colour(x + 2, y + h - 3), colour(x + w - 3, y + h - 3)};
  }
  std::array<RGBA, 4> expect(uint32_t tl, uint32_t tr, uint32_t bl, uint32_t br) {
    return {rgb(tl), rgb(tr), rgb(bl), rgb(br)};
  }
};

const RGBA kBlack = {0, 0, 0, 255};

TEST_P(BlitTest, BlitRectPlacesThePictureTopLeftWithYDown) {
  pic.blitRect(0, 0, 30, 20, 100, 50, false, false);
  EXPECT_EQ(colour(100, 50), rgb(kRed));
  EXPECT_EQ(colour(129, 50), rgb(kGreen));
  EXPECT_EQ(colour(100, 69), rgb(kBlue));
  EXPECT_EQ(colour(129, 69), rgb(kWhite));
  for (auto p : {std::array<int, 2>{99, 50}, {130, 50}, {100, 49}, {100, 70}}) EXPECT_EQ(colour(p[0], p[1]), kBlack);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_P(BlitTest, FlipTable) {
  struct Case {
    bool flipX, flipY;
    uint32_t tl, tr, bl, br;
  } cases[] = {{false, false, kRed, kGreen, kBlue, kWhite},
               {true, true, kWhite, kBlue, kGreen, kRed},
               {true, false, kGreen, kRed, kWhite, kBlue},
               {false, true, kBlue, kWhite, kRed, kGreen}};
  for (const Case &c : cases) {
    tw.clear(0, 0, 0);
    pic.blitRect(0, 0, 30, 20, 100, 50, c.flipX, c.flipY);
    EXPECT_EQ(corners(100, 50, 30, 20), expect(c.tl, c.tr, c.bl, c.br)) << c.flipX << c.flipY;
  }
}

TEST_P(BlitTest, FractionalSourceDrawsTruncatedSize) {
  pic.blitRect(0, 0, 10.7f, 5.9f, 100, 50, false, false);
  EXPECT_EQ(colour(109, 54), rgb(kRed));
  EXPECT_EQ(colour(110, 54), kBlack);
  EXPECT_EQ(colour(109, 55), kBlack);
}

TEST_P(BlitTest, QuarterTurnIsCounterClockwiseAboutTheCentre) {
  // 30 by 20 at (100, 50) turns into 20 by 30 about (115, 60).
  pic.blitRectFx(0, 0, 30, 20, 100, 50, 90, 1, false, false);
  EXPECT_EQ(corners(105, 45, 20, 30), expect(kGreen, kWhite, kRed, kBlue));
  EXPECT_EQ(colour(104, 60), kBlack);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));

  tw.clear(0, 0, 0);
  pic.blitAlphaRectFx(0, 0, 30, 20, 100, 50, 90, 1, 1, false, false);
  EXPECT_EQ(corners(105, 45, 20, 30), expect(kGreen, kWhite, kRed, kBlue));
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

TEST_P(BlitTest, ZoomGrowsAboutTheCentre) {
  pic.blitRectFx(0, 0, 30, 20, 100, 50, 0, 2, false, false);
  EXPECT_EQ(corners(85, 40, 60, 40), expect(kRed, kGreen, kBlue, kWhite));
  EXPECT_EQ(colour(84, 60), kBlack);
  tw.clear(0, 0, 0);
  pic.blitAlphaRectFx(0, 0, 30, 20, 100, 50, 0, 2, 1, true, false);
  EXPECT_EQ(corners(85, 40, 60, 40), expect(kGreen, kRed, kWhite, kBlue));
}

TEST_P(BlitTest, AlphaFxWithoutTurnOrZoomMatchesBlitAlphaRect) {
  pic.blitAlphaRectFx(0, 0, 30, 20, 100, 50, 0, 1, 1, false, true);
  EXPECT_EQ(corners(100, 50, 30, 20), expect(kBlue, kWhite, kRed, kGreen));
  EXPECT_EQ(colour(99, 50), kBlack);
  EXPECT_EQ(colour(130, 69), kBlack);
}

TEST_P(BlitTest, ZeroZoomAndNoOpacityDrawNothingAndTouchNoState) {
  glDisable(GL_BLEND);
  KGraphicGL::_oldBindedText = -1;
  unsigned long binds = KGraphicGL::bindCount;
  pic.blitRectFx(0, 0, 30, 20, 100, 50, 0, 0, false, false);
  pic.blitAlphaRectFx(0, 0, 30, 20, 100, 50, 0, 0, 1, false, false);
  pic.blitAlphaRectFx(0, 0, 30, 20, 100, 50, 0, 1, 0, false, false);
  pic.blitAlphaRectFx(0, 0, 30, 20, 100, 50, 45, 2, -1, false, false);
  EXPECT_EQ(KGraphicGL::bindCount, binds);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_EQ(colour(115, 60), kBlack);
}

TEST_P(BlitTest, OpacityBlendsOverWhatIsDrawn) {
  pic.blitAlphaRectFx(0, 0, 30, 20, 100, 50, 0, 1, 0.5f, false, false);
  RGBA white = colour(125, 65);
  EXPECT_NEAR(white[0], 128, 2);
  EXPECT_NEAR(white[2], 128, 2);
}

TEST_P(BlitTest, TintRules) {
  pic.setBlitColor(0, 1, 0, 1);
  pic.blitAlphaRect(0, 0, 30, 20, 0, 0, false, false);
  EXPECT_EQ(colour(25, 15), rgb(kGreen));  // white quadrant in the tint
  EXPECT_EQ(colour(2, 2), kBlack);         // red quadrant has no green

  // The colour stays: a following plain blit is tinted as well.
  pic.blitRect(0, 0, 30, 20, 100, 0, false, false);
  EXPECT_EQ(colour(125, 15), rgb(kGreen));

  // With a tint the opacity argument is ignored...
  pic.blitAlphaRectFx(0, 0, 30, 20, 200, 0, 0, 1, 0.5f, false, false);
  EXPECT_EQ(colour(225, 15), rgb(kGreen));
  // ...while stretching multiplies the tint's alpha by it.
  pic.stretchAlphaRect(0, 0, 30, 20, 300, 0, 330, 20, 0.5f, 0);
  EXPECT_NEAR(colour(325, 15)[1], 128, 2);

  // Both Fx and stretch leave the colour white again.
  pic.setBlitColor(1, 1, 1, 1);
  pic.blitRect(0, 0, 30, 20, 400, 0, false, false);
  EXPECT_EQ(colour(425, 15), rgb(kWhite));
}

TEST_P(BlitTest, SetBlitColorClampsAndWhiteTurnsItOff) {
  pic.setBlitColor(2, -1, 0.5f, 1);
  EXPECT_TRUE(pic.blitColorOn);
  EXPECT_EQ((std::array<float, 4>{pic.blitRed, pic.blitGreen, pic.blitBlue, pic.blitAlpha}),
            (std::array<float, 4>{1, 0, 0.5f, 1}));
  pic.setBlitColor(1, 1, 1, 1);
  EXPECT_FALSE(pic.blitColorOn);
  EXPECT_EQ(pic.blitBlue, 0.5f);
}

TEST_P(BlitTest, StretchFillsTheDestinationAndNegativeOpacityIsOpaque) {
  pic.stretchAlphaRect(0, 0, 30, 20, 200, 100, 260, 140, -1, 0);
  EXPECT_EQ(corners(200, 100, 60, 40), expect(kRed, kGreen, kBlue, kWhite));
  EXPECT_EQ(colour(260, 120), kBlack);
  EXPECT_EQ(colour(230, 140), kBlack);

  tw.clear(0, 0, 0);
  pic.stretchAlphaRect(0, 0, 30, 20, 200, 100, 260, 140, 0, 0);
  EXPECT_EQ(colour(255, 135), kBlack);

  // A quarter turn about the destination's centre (230, 120).
  tw.clear(0, 0, 0);
  pic.stretchAlphaRect(0, 0, 30, 20, 200, 100, 260, 140, 1, 90);
  EXPECT_EQ(corners(210, 90, 40, 60), expect(kGreen, kWhite, kRed, kBlue));
}

TEST_P(BlitTest, ArbitraryQuadMapsPointsInOrder) {
  // Source corners clockwise from the top-left land mirrored left to right.
  pic.blitArbitraryQuad(0, 0, 30, 0, 30, 20, 0, 20, 160, 50, 100, 50, 100, 90, 160, 90);
  EXPECT_EQ(corners(100, 50, 60, 40), expect(kGreen, kRed, kWhite, kBlue));
  EXPECT_TRUE(glIsEnabled(GL_BLEND));
}

INSTANTIATE_TEST_SUITE_P(Targets, BlitTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool> &i) { return i.param ? "Rectangle" : "Texture2D"; });

// A square picture goes to a 2D texture whatever is offered.
class TiledTest : public GraphicsTest {
protected:
  std::vector<uint32_t> pixels = quadrants(32, 32);
  KGraphicGL pic;
  void SetUp() override {
    GraphicsTest::SetUp();
    ASSERT_TRUE(pic.makePictureFromArray(pixels.data(), 32, 32, true));
    ASSERT_EQ(pic.textureTarget, (GLenum)GL_TEXTURE_2D);
  }
};

TEST_F(TiledTest, RepeatsTurnedHalfATurnAndLosesTheOddPixel) {
  pic.allowTextureWrap(true);
  pic.blitTiledRect(0, 0, 65, 64, 2, 0);
  for (int ox : {0, 32})
    for (int oy : {0, 32}) {
      EXPECT_EQ(colour(ox + 3, oy + 3), rgb(kWhite));
      EXPECT_EQ(colour(ox + 28, oy + 3), rgb(kBlue));
      EXPECT_EQ(colour(ox + 3, oy + 28), rgb(kGreen));
      EXPECT_EQ(colour(ox + 28, oy + 28), rgb(kRed));
    }
  EXPECT_EQ(colour(63, 10), rgb(kBlue));
  EXPECT_EQ(colour(64, 10), kBlack);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(TiledTest, WithoutWrapTheEdgeTexelsAreStretched) {
  pic.allowTextureWrap(false);
  pic.blitTiledRect(0, 0, 64, 64, 2, 0);
  // Coordinate 1.375 clamps to the last column instead of repeating.
  EXPECT_EQ(colour(20, 3), rgb(kWhite));
  pic.allowTextureWrap(true);
  pic.blitTiledRect(0, 0, 64, 64, 2, 0);
  EXPECT_EQ(colour(20, 3), rgb(kBlue));
}

TEST_F(GraphicsTest, DrawRectBlendsOnlyBelowFullOpacity) {
  tw.clear(0.2f, 0.2f, 0.2f);
  KGraphicGL g;
  g.drawRect(10, 10, 50, 30, 1, 0, 0, 1);
  EXPECT_EQ(colour(10, 10), (RGBA{255, 0, 0, 255}));
  EXPECT_EQ(colour(49, 29), (RGBA{255, 0, 0, 255}));
  EXPECT_EQ(colour(50, 29), (RGBA{51, 51, 51, 255}));
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
  EXPECT_EQ(KGraphicGL::_oldBindedText, -1);

  // Normal mode: 0.2 x 0.5 + 0.5 x 0.5; adding: 0.2 + 0.5 x 0.5.
  g.drawRect(100, 10, 140, 30, 0.5f, 0, 0, 0.5f);
  EXPECT_NEAR(colour(120, 20)[0], 89, 2);
  EXPECT_NEAR(colour(120, 20)[1], 26, 2);
  g.setAlphaMode(false);
  EXPECT_EQ(g.blendSource, GL_SRC_ALPHA);
  EXPECT_EQ(g.blendDest, GL_DST_ALPHA);
  g.drawRect(200, 10, 240, 30, 0.5f, 0, 0, 0.5f);
  EXPECT_NEAR(colour(220, 20)[0], 115, 2);
  EXPECT_NEAR(colour(220, 20)[1], 51, 2);
  EXPECT_FALSE(glIsEnabled(GL_BLEND));
}

TEST_F(GraphicsTest, AddingModeAppliesToBlits) {
  tw.clear(0.2f, 0.2f, 0.2f);
  std::vector<uint32_t> white(16, kWhite);
  KGraphicGL g;
  ASSERT_TRUE(g.makePictureFromArray(white.data(), 4, 4, true));
  g.setAlphaMode(false);
  g.stretchAlphaRect(0, 0, 4, 4, 10, 10, 50, 50, 0.5f, 0);
  EXPECT_NEAR(colour(30, 30)[0], 179, 2);
  g.setAlphaMode(true);
  g.stretchAlphaRect(0, 0, 4, 4, 60, 10, 100, 50, 0.5f, 0);
  EXPECT_NEAR(colour(80, 30)[0], 153, 2);
}

TEST_F(GraphicsTest, LinesAndPixels) {
  KGraphicGL g;
  g.setAlphaMode(false);  // lines ignore it
  g.drawLine(50, 100, 150, 100, 0, 1, 0, 1);
  int lit = 0;
  for (int x = 45; x < 160; x++)
    if (colour(x, 100)[1] == 255 || colour(x, 99)[1] == 255) lit++;
  EXPECT_GE(lit, 100);
  EXPECT_LE(lit, 101);
  GLint dst = 0;
  glGetIntegerv(GL_BLEND_DST, &dst);
  EXPECT_EQ(dst, GL_ONE_MINUS_SRC_ALPHA);
  EXPECT_EQ(KGraphicGL::_oldBindedText, -1);

  // One pixel at column 10, on the row of y 20 in OpenGL's y 460.
  g.plotPixel(10, 20, 1, 0, 0, 1);
  int found = 0;
  for (int y = 15; y < 25; y++)
    for (int x = 5; x < 15; x++)
      if (colour(x, y)[0] == 255) {
        EXPECT_EQ(x, 10);
        EXPECT_TRUE(y == 19 || y == 20) << y;
        found++;
      }
  EXPECT_EQ(found, 1);
}

}  // namespace
