// Pictures from files and from the caller's arrays: what reaches the screen,
// the colour key, and every way a file can be bad.
#include "GraphicsFixture.h"

namespace {

const uint32_t kMagenta = px(255, 0, 255);
const RGBA kGrey = {51, 51, 51, 255};

class LoadTest : public GraphicsTest, public ::testing::WithParamInterface<bool> {
protected:
  void SetUp() override {
    GraphicsTest::SetUp();
    KWindowGL::hasRectangleText = GetParam();
  }
};

TEST_P(LoadTest, TgaFileDrawsUpright) {
  std::string path = writeTga("quadrants.tga", 30, 20, quadrants(30, 20));
  KGraphicGL g;
  ASSERT_TRUE(g.loadPicture(path.c_str(), true, true));
  EXPECT_EQ(g.getWidth(), 30);
  EXPECT_EQ(g.getHeight(), 20);
  EXPECT_EQ(g.textureTarget, GetParam() ? (GLenum)GL_TEXTURE_RECTANGLE_EXT : (GLenum)GL_TEXTURE_2D);
  EXPECT_EQ(KGraphicGL::_oldBindedText, (int)g.texture);
  g.blitRect(0, 0, 30, 20, 10, 10, false, false);
  EXPECT_EQ(colour(10, 10), rgb(kRed));
  EXPECT_EQ(colour(39, 10), rgb(kGreen));
  EXPECT_EQ(colour(10, 29), rgb(kBlue));
  EXPECT_EQ(colour(39, 29), rgb(kWhite));
  EXPECT_TRUE(CapturedMessages::list().empty());
}

TEST_P(LoadTest, ScreenSizedPictureAndTheTransparentRestOfA2DTexture) {
  std::vector<uint32_t> pixels(640 * 480, kWhite);
  std::string path = writeTga("screen.tga", 640, 480, pixels);
  KGraphicGL g;
  ASSERT_TRUE(g.loadPicture(path.c_str(), true, true));
  EXPECT_EQ(g.textureWidth, GetParam() ? 640 : 1024);
  EXPECT_EQ(g.textureHeight, GetParam() ? 480 : 1024);
  if (!GetParam()) {
    // Texels right of and below the picture are transparent black.
    tw.clear(0.2f, 0.2f, 0.2f);
    g.blitAlphaRect(620, 460, 700, 540, 0, 0, false, false);
    EXPECT_EQ(colour(5, 5), rgb(kWhite));
    EXPECT_EQ(colour(25, 5), kGrey);
    EXPECT_EQ(colour(5, 25), kGrey);
    g.blitRect(620, 460, 700, 540, 100, 0, false, false);
    EXPECT_EQ(colour(125, 25), (RGBA{0, 0, 0, 255}));
  }
}

TEST_P(LoadTest, ColourKeyOnFilesHidesButKeepsTheColour) {
  std::vector<uint32_t> pixels = {kMagenta, kRed, kRed, kMagenta};
  std::string path = writeTga("keyed.tga", 2, 2, pixels);
  tw.clear(0.2f, 0.2f, 0.2f);
  KGraphicGL keyed, late, opaque;
  keyed.setColorKey(true, 255, 0, 255);
  ASSERT_TRUE(keyed.loadPicture(path.c_str(), true, true));
  keyed.stretchAlphaRect(0, 0, 2, 2, 0, 0, 20, 20, 1, 0);
  EXPECT_EQ(colour(5, 5), kGrey);
  EXPECT_EQ(colour(15, 5), rgb(kRed));
  keyed.blitRect(0, 0, 2, 2, 100, 100, false, false);  // no blending: the colour is still there
  EXPECT_EQ(colour(100, 100), rgb(kMagenta));

  // A key set after loading changes nothing in the picture.
  ASSERT_TRUE(late.loadPicture(path.c_str(), true, true));
  late.setColorKey(true, 255, 0, 255);
  late.stretchAlphaRect(0, 0, 2, 2, 40, 0, 60, 20, 1, 0);
  EXPECT_EQ(colour(45, 5), rgb(kMagenta));

  // Without alpha the texture is opaque: keyed pixels show in their colour.
  opaque.setColorKey(true, 255, 0, 255);
  ASSERT_TRUE(opaque.loadPicture(path.c_str(), false, false));
  opaque.stretchAlphaRect(0, 0, 2, 2, 80, 0, 100, 20, 1, 0);
  EXPECT_EQ(colour(85, 5), rgb(kMagenta));
}

TEST_P(LoadTest, ArrayOfThreeByThree) {
  std::vector<uint32_t> nine(9, kGreen);
  nine[4] = kRed;
  tw.clear(0.2f, 0.2f, 0.2f);
  KGraphicGL g;
  ASSERT_TRUE(g.makePictureFromArray(nine.data(), 3, 3, true));
  EXPECT_EQ(g.textureWidth, GetParam() ? 3 : 4);
  EXPECT_EQ(g.textureSize, 4);
  if (!GetParam()) {
    // The fourth row and column of the 4 by 4 texture are transparent.
    g.blitAlphaRect(0, 0, 4, 4, 10, 10, false, false);
    EXPECT_EQ(colour(10, 10), rgb(kGreen));
    EXPECT_EQ(colour(11, 11), rgb(kRed));
    EXPECT_EQ(colour(13, 11), kGrey);
    EXPECT_EQ(colour(11, 13), kGrey);
  } else {
    g.blitAlphaRect(0, 0, 3, 3, 10, 10, false, false);
    EXPECT_EQ(colour(11, 11), rgb(kRed));
    EXPECT_EQ(colour(12, 12), rgb(kGreen));
  }
}

TEST_P(LoadTest, ColourKeyOnArraysClearsTheCallersPixelAndPollSendsChanges) {
  std::vector<uint32_t> pixels = {kMagenta, kRed, kRed, kRed};
  tw.clear(0.2f, 0.2f, 0.2f);
  KGraphicGL g;
  g.setColorKey(true, 255, 0, 255);
  ASSERT_TRUE(g.makePictureFromArray(pixels.data(), 2, 2, true));
  EXPECT_EQ(pixels[0], 0u);
  g.stretchAlphaRect(0, 0, 2, 2, 0, 0, 20, 20, 1, 0);
  EXPECT_EQ(colour(5, 5), kGrey);

  // Changes are sent as they are: the key is not applied again.
  pixels[0] = kMagenta;
  pixels[3] = kBlue;
  g.pollArray();
  g.stretchAlphaRect(0, 0, 2, 2, 40, 0, 60, 20, 1, 0);
  EXPECT_EQ(colour(45, 5), rgb(kMagenta));
  EXPECT_EQ(colour(55, 15), rgb(kBlue));
}

INSTANTIATE_TEST_SUITE_P(Targets, LoadTest, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool> &i) { return i.param ? "Rectangle" : "Texture2D"; });

TEST_F(GraphicsTest, PollArrayOnlyServesThePictureMadeFromIt) {
  std::vector<uint32_t> small = {kRed, kRed, kRed, kRed};
  KGraphicGL g;
  g.pollArray();  // nothing made yet: nothing happens
  ASSERT_TRUE(g.makePictureFromArray(small.data(), 2, 2, true));
  // A larger picture replaces it: sending the 2 by 2 array at its size
  // would read far past the array.
  std::string path = writeTga("larger.tga", 30, 20, quadrants(30, 20));
  ASSERT_TRUE(g.loadPicture(path.c_str(), true, true));
  small[0] = kBlue;
  g.pollArray();
  g.blitRect(0, 0, 30, 20, 0, 0, false, false);
  EXPECT_EQ(colour(0, 0), rgb(kRed));
  EXPECT_EQ(colour(29, 19), rgb(kWhite));
}

TEST_F(GraphicsTest, ArrayArgumentsThatCannotBeAPictureChangeNothing) {
  std::vector<uint32_t> pixels(16, kRed);
  KGraphicGL g;
  ASSERT_TRUE(g.makePictureFromArray(pixels.data(), 4, 4, true));
  long memory = KGraphicGL::videoMemory;
  EXPECT_FALSE(g.makePictureFromArray(nullptr, 4, 4, true));
  EXPECT_FALSE(g.makePictureFromArray(pixels.data(), 0, 4, true));
  EXPECT_FALSE(g.makePictureFromArray(pixels.data(), 4, -1, true));
  EXPECT_FALSE(g.makePictureFromArray(pixels.data(), 1L << 20, 1, true));
  EXPECT_EQ(g.getWidth(), 4);
  EXPECT_EQ(KGraphicGL::videoMemory, memory);
}

TEST_F(GraphicsTest, SecondLoadReplacesTheFirst) {
  std::string big = writeTga("big.tga", 300, 200, std::vector<uint32_t>(300 * 200, kRed));
  std::string small = writeTga("small.tga", 30, 20, quadrants(30, 20));
  long before = KGraphicGL::videoMemory;
  KGraphicGL g;
  ASSERT_TRUE(g.loadPicture(big.c_str(), true, true));
  ASSERT_TRUE(g.loadPicture(small.c_str(), true, true));
  EXPECT_EQ(KGraphicGL::videoMemory - before, 30 * 20 * (KGraphicGL::screenDepth / 8));
  EXPECT_EQ(g.getWidth(), 30);
}

// Every bad file gives the importer's message, a false result and an empty
// picture, also when the object held a picture before.
TEST_F(GraphicsTest, BadFilesAreRefusedWithTheImportersMessage) {
  std::vector<uint8_t> good = readFile(writeTga("good.tga", 30, 20, quadrants(30, 20)));
  std::vector<uint8_t> truncated(good.begin(), good.begin() + 18 + 30 * 10 * 4);
  std::vector<uint8_t> huge(good.begin(), good.begin() + 200);
  huge[12] = huge[13] = huge[14] = huge[15] = 0xFF;  // 65535 by 65535
  std::vector<uint8_t> zero = good;
  zero[12] = zero[13] = 0;
  std::vector<uint8_t> rle = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8, 0, 8, 0, 32, 0x28, 0xFF, 1, 2, 3};
  std::vector<uint8_t> png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                              0, 0, 0, 16, 0, 0, 0, 16, 8, 6, 0, 0, 0, 1, 2, 3, 4};
  std::vector<uint8_t> text(good.size(), 'x');
  const std::pair<const char *, std::vector<uint8_t>> files[] = {
      {"empty.tga", {}},           {"truncated.tga", truncated}, {"huge.tga", huge},
      {"zero.tga", zero},          {"rle-short.tga", rle},       {"header-only.png", png},
      {"text.tga", text},
  };
  std::string okPath = writeTga("ok.tga", 30, 20, quadrants(30, 20));
  for (const auto &f : files) {
    std::string path = writeBytes(f.first, f.second);
    KGraphicGL g;
    ASSERT_TRUE(g.loadPicture(okPath.c_str(), true, true));
    long memory = KGraphicGL::videoMemory;
    CapturedMessages::list().clear();
    EXPECT_FALSE(g.loadPicture(path.c_str(), true, true)) << f.first;
    EXPECT_EQ(g.getWidth(), 0) << f.first;
    EXPECT_EQ(g.getHeight(), 0) << f.first;
    EXPECT_EQ(g.bitmap, nullptr);
    EXPECT_EQ(g.pixelBuffer, nullptr);
    EXPECT_EQ(KGraphicGL::videoMemory, memory - 30 * 20 * (KGraphicGL::screenDepth / 8)) << f.first;
    ASSERT_EQ(CapturedMessages::list().size(), 1u) << f.first;
    EXPECT_EQ(CapturedMessages::list()[0], "erreur|Impossible to load graphic file : " + path);
  }
}

TEST_F(GraphicsTest, MissingFile) {
  std::string path = std::string(::testing::TempDir()) + "no-such-picture.tga";
  KGraphicGL g;
  EXPECT_FALSE(g.loadPicture(path.c_str(), true, true));
  EXPECT_EQ(g.getWidth(), 0);
  ASSERT_EQ(CapturedMessages::list().size(), 1u);
  EXPECT_EQ(CapturedMessages::list()[0], "erreur|Impossible to load graphic file : " + path);
}

}  // namespace
