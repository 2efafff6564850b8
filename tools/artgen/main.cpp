// artgen: paints the game's pictures and writes them into a data folder.
//   artgen <folder>           write panel.tga, sprites.tga, background1.tga, background2.tga
//   artgen --preview <folder> also write a PPM preview of each, for looking at
#include <cstdio>
#include <cstring>
#include <string>

#include "Artwork.h"

static bool writeFile(const std::string &path, const std::vector<uint8_t> &bytes) {
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}

// The picture over a checkerboard, so transparency shows.
static std::vector<uint8_t> preview(const artgen::Canvas &c) {
  std::string header = "P6\n" + std::to_string(c.width) + " " + std::to_string(c.height) + "\n255\n";
  std::vector<uint8_t> out(header.begin(), header.end());
  for (int y = 0; y < c.height; y++)
    for (int x = 0; x < c.width; x++) {
      const artgen::Colour &p = c.at(x, y);
      double back = ((x / 8 + y / 8) % 2) ? 0.45 : 0.3;
      for (double v : {p.r, p.g, p.b}) out.push_back((uint8_t)(artgen::clamp01(v * p.a + back * (1 - p.a)) * 255));
    }
  return out;
}

int main(int argc, char **argv) {
  bool previews = argc == 3 && strcmp(argv[1], "--preview") == 0;
  if (argc != 2 && !previews) {
    fprintf(stderr, "usage: artgen [--preview] <data folder>\n");
    return 2;
  }
  std::string dir = argv[argc - 1];
  for (const artgen::ArtFile &f : artgen::allArtwork()) {
    if (!writeFile(dir + "/" + f.name, f.bytes)) {
      fprintf(stderr, "artgen: cannot write %s/%s\n", dir.c_str(), f.name.c_str());
      return 1;
    }
  }
  if (previews) {
    const std::pair<const char *, artgen::Canvas> all[] = {{"panel", artgen::paintPanel()},
                                                           {"sprites", artgen::paintSprites()},
                                                           {"background1", artgen::paintBackground(1)},
                                                           {"background2", artgen::paintBackground(2)}};
    for (const auto &p : all) writeFile(dir + "/" + p.first + ".ppm", preview(p.second));
  }
  return 0;
}
