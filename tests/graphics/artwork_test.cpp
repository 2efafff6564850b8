// The committed pictures are exactly what the art program paints, and they
// hold what the game cuts from them where it cuts it.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <string>
#include <vector>

#include "../../tools/artgen/Artwork.h"
#include "graphics/PictureImport.h"
#include "support/Files.h"

namespace {

// The picture as the engine's importer reads it: alpha, red, green, blue.
struct Decoded {
  int w = 0, h = 0;
  std::vector<uint8_t> argb;
  uint8_t alpha(int x, int y) const { return argb[((size_t)y * w + x) * 4]; }
};

Decoded decode(const std::string &name) {
  Decoded d;
  std::string path = std::string(QUARVEL_DATA_DIR) + "/" + name;
  picimport::Importer *imp = nullptr;
  if (picimport::importerForFile(path.c_str(), 4096, &imp) != 0) return d;
  int l, t, r, b;
  picimport::importerBounds(imp, &l, &t, &r, &b);
  picimport::Bitmap *bm = nullptr;
  picimport::newBitmap(r - l, b - t, &bm);
  picimport::importerSetBitmap(imp, bm);
  picimport::importerDraw(imp);
  d.w = r - l;
  d.h = b - t;
  d.argb.assign(bm->base, bm->base + (size_t)d.w * d.h * 4);
  picimport::disposeBitmap(bm);
  picimport::closeImporter(imp);
  return d;
}

TEST(Artwork, CommittedFilesAreTheProgramsOutput) {
  for (const artgen::ArtFile &f : artgen::allArtwork())
    EXPECT_TRUE(readFile(std::string(QUARVEL_DATA_DIR) + "/" + f.name) == f.bytes)
        << f.name << " differs: run artgen on data/ and commit the result";
}

TEST(Artwork, PanelLeavesThePlayFieldOpen) {
  Decoded p = decode("panel.tga");
  ASSERT_EQ(p.w, 640);
  ASSERT_EQ(p.h, 480);
  EXPECT_EQ(p.alpha(250, 250), 0);  // play field
  EXPECT_EQ(p.alpha(480, 470), 0);
  for (auto xy : {std::array<int, 2>{600, 100}, {5, 240}, {300, 5}, {630, 267}, {591, 416}})
    EXPECT_EQ(p.alpha(xy[0], xy[1]), 255) << xy[0] << "," << xy[1];
}

TEST(Artwork, SpriteSheetHoldsEveryRegion) {
  Decoded s = decode("sprites.tga");
  ASSERT_GE(s.w, 289);
  ASSERT_GE(s.h, 262);
  auto opaqueCount = [&](int x1, int y1, int x2, int y2) {
    int n = 0;
    for (int y = y1; y < y2; y++)
      for (int x = x1; x < x2; x++) n += s.alpha(x, y) > 200;
    return n;
  };
  for (int type = 0; type < 4; type++)
    for (int k = 0; k < 9; k++)  // bricks are solid, overlap column included
      EXPECT_EQ(opaqueCount(40 * type, 15 * k, 40 * type + 41, 15 * k + 15), 41 * 15) << type << "," << k;
  EXPECT_GT(opaqueCount(165, 3, 239, 29), 74 * 26 / 2);  // bat
  EXPECT_EQ(s.alpha(165, 3), 0);                          // rounded corners
  for (int ball : {205, 262}) {
    EXPECT_GT(opaqueCount(ball, 132, ball + 17, 146), 100);
    EXPECT_EQ(s.alpha(ball, 132), 0);
  }
  // Each digit lies inside its glyph edges; between them all is clear.
  const short edges[10][2] = {{10, 23}, {28, 35}, {41, 52}, {55, 67}, {70, 81},
                              {85, 96}, {99, 111}, {115, 125}, {128, 140}, {143, 155}};
  int prev = 0;
  for (auto &e : edges) {
    EXPECT_GT(opaqueCount(e[0], 154, e[1], 171), 20) << e[0];
    EXPECT_EQ(opaqueCount(prev, 154, e[0], 171), 0) << e[0];
    prev = e[1];
  }
  EXPECT_EQ(opaqueCount(0, 172, 289, 174), 0);
  EXPECT_GT(opaqueCount(0, 174, 289, 262), 289 * 88 / 5);  // logo
}

TEST(Artwork, BackgroundsFillTheFieldAndStayDark) {
  for (const char *name : {"background1.tga", "background2.tga"}) {
    Decoded b = decode(name);
    ASSERT_EQ(b.w, 484) << name;  // from x 20 to the field's edge at 504
    ASSERT_EQ(b.h, 457) << name;  // from y 23 to the bottom of the screen
    double sum = 0;
    for (size_t i = 0; i < b.argb.size(); i += 4) {
      EXPECT_EQ(b.argb[i], 255);
      if (b.argb[i] != 255) break;
      sum += (b.argb[i + 1] + b.argb[i + 2] + b.argb[i + 3]) / 3.0;
    }
    EXPECT_LT(sum / (b.w * b.h), 80) << name;
  }
}

}  // namespace
