#include "Artwork.h"

namespace artgen {

// Run-length packets never cross a row, as TGA readers prefer.
std::vector<uint8_t> encodeTga(const Canvas &c) {
  std::vector<uint8_t> rgba = c.rgba8();
  std::vector<uint8_t> out = {0, 0, 10, 0, 0, 0, 0, 0, 0, 0, 0, 0, (uint8_t)(c.width & 255), (uint8_t)(c.width >> 8),
                              (uint8_t)(c.height & 255), (uint8_t)(c.height >> 8), 32, 0x28};
  auto pixel = [&](int x, int y) {
    const uint8_t *p = &rgba[((size_t)y * c.width + x) * 4];
    return std::vector<uint8_t>{p[2], p[1], p[0], p[3]};
  };
  for (int y = 0; y < c.height; y++) {
    int x = 0;
    while (x < c.width) {
      int run = 1;
      while (x + run < c.width && run < 128 && pixel(x + run, y) == pixel(x, y)) run++;
      if (run > 1) {
        out.push_back((uint8_t)(0x80 | (run - 1)));
        std::vector<uint8_t> p = pixel(x, y);
        out.insert(out.end(), p.begin(), p.end());
        x += run;
        continue;
      }
      int raw = 1;
      while (x + raw < c.width && raw < 128 && !(x + raw + 1 < c.width && pixel(x + raw, y) == pixel(x + raw + 1, y)))
        raw++;
      out.push_back((uint8_t)(raw - 1));
      for (int i = 0; i < raw; i++) {
        std::vector<uint8_t> p = pixel(x + i, y);
        out.insert(out.end(), p.begin(), p.end());
      }
      x += raw;
    }
  }
  return out;
}

std::vector<ArtFile> allArtwork() {
  return {{"panel.tga", encodeTga(paintPanel())},
          {"sprites.tga", encodeTga(paintSprites())},
          {"background1.tga", encodeTga(paintBackground(1))},
          {"background2.tga", encodeTga(paintBackground(2))}};
}

}  // namespace artgen
