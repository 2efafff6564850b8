#ifndef ARTGEN_ARTWORK_H
#define ARTGEN_ARTWORK_H

// The game's pictures, painted by program. Same program, same bytes.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "Canvas.h"
#include "Strokes.h"

namespace artgen {

Canvas paintPanel();
Canvas paintSprites();
Canvas paintBackground(int which);  // 1 or 2

// Run-length TGA, 32 bits with alpha, top row first.
std::vector<uint8_t> encodeTga(const Canvas &c);

struct ArtFile {
  std::string name;  // as in data/
  std::vector<uint8_t> bytes;
};
std::vector<ArtFile> allArtwork();

// Shared lettering.
using Shader = std::function<Colour(double x, double y, double distance)>;
void paintStrokes(Canvas &c, const Strokes &s, double radius, const Shader &shade, int clipX1 = 0, int clipX2 = 1 << 20);
// The game's name in the logo's lettering, cap height h, top-left corner
// of its cap box at (x, y); returns its width.
double paintLogoText(Canvas &c, double x, double y, double h);
double logoTextWidth(double h);
void paintPixelText(Canvas &c, const char *text, int x, int y, int scale, const Colour &top, const Colour &bottom);
int pixelTextWidth(const char *text, int scale);

}  // namespace artgen

#endif
