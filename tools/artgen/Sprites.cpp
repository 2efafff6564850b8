// The sprite sheet: bricks in four styles and nine colours, the bat, two
// balls, the score digits and the logo, each at the place the game cuts
// it from.
#include <cmath>

#include "Artwork.h"

namespace artgen {

namespace {

const Colour kBrickColours[9] = {rgb(232, 52, 64),  rgb(246, 132, 32), rgb(246, 210, 44),
                                 rgb(84, 202, 72),  rgb(32, 192, 172), rgb(52, 122, 236),
                                 rgb(142, 82, 222), rgb(236, 82, 172), rgb(186, 192, 204)};

const Colour kWhite = rgb(255, 255, 255);

// One brick pixel, x 1..39 and y 0..13 inside the brick; the outline
// (left column, right column, bottom row) is painted apart.
Colour brickPixel(int style, const Colour &base, int x, int y) {
  switch (style) {
  case 0: {  // glossy
    double t = y / 13.0;
    Colour c = mix(mix(base, kWhite, 0.30), scale(base, 0.70), t);
    if (y >= 1 && y <= 5) c = mix(c, kWhite, 0.42 * (1 - (y - 1) / 5.0) * smoothstep(1, 5, x) * smoothstep(39, 35, x));
    if (y == 0) c = mix(base, kWhite, 0.55);
    if (x == 1) c = mix(c, kWhite, 0.25);
    if (x == 39) c = scale(c, 0.78);
    return c;
  }
  case 1: {  // bevelled block
    Colour c = mix(base, kWhite, 0.06 * ((x + y) % 2));
    if (y <= 1) return mix(base, kWhite, y == 0 ? 0.55 : 0.35);
    if (y >= 12) return scale(base, y == 13 ? 0.50 : 0.62);
    if (x <= 2) return mix(base, kWhite, x == 1 ? 0.40 : 0.22);
    if (x >= 38) return scale(base, x == 39 ? 0.55 : 0.68);
    return c;
  }
  case 2: {  // cut gem
    double u = (x - 20.0) / 19.0, v = (y - 6.5) / 6.5;
    if (std::fabs(u) < 0.62 && std::fabs(v) < 0.42) return mix(base, kWhite, 0.18 - 0.2 * v * 0.5);
    // Pyramid facets: whichever edge is nearer in pixels.
    bool side = (1 - std::fabs(u)) * 19.0 < (1 - std::fabs(v)) * 6.5;
    if (side) return u < 0 ? mix(base, kWhite, 0.15) : scale(base, 0.72);
    return v < 0 ? mix(base, kWhite, 0.45) : scale(base, 0.55);
  }
  default: {  // armoured plate with a striped inset
    if (y == 0 || x == 1) return mix(base, kWhite, 0.45);
    if (y == 13 || x == 39) return scale(base, 0.55);
    bool insetEdge = (y == 3 || y == 10) && x >= 4 && x <= 36;
    insetEdge = insetEdge || ((x == 4 || x == 36) && y >= 3 && y <= 10);
    if (insetEdge) return scale(base, 0.45);
    if (x > 4 && x < 36 && y > 3 && y < 10) return ((x + y) / 3) % 2 ? mix(base, kWhite, 0.12) : scale(base, 0.86);
    if ((x == 2 || x == 38) && (y == 2 || y == 11)) return mix(base, kWhite, 0.6);  // rivets
    return scale(base, 0.92);
  }
  }
}

void paintBricks(Canvas &c) {
  for (int k = 0; k < 9; k++) {
    const Colour &base = kBrickColours[k];
    Colour outline = scale(base, 0.30);
    for (int t = 0; t < 4; t++)
      for (int y = 0; y < 14; y++)
        for (int x = 1; x < 40; x++) c.at(40 * t + x, 15 * k + y) = brickPixel(t, base, x, y);
    // The shared columns (each brick's right edge is the next style's left
    // edge) and the bottom rows are the outline, which depends on the
    // colour only, so every overlap on screen looks the same.
    for (int t = 0; t <= 4; t++)
      for (int y = 0; y < 15; y++) c.at(40 * t, 15 * k + y) = outline;
    for (int x = 0; x <= 160; x++) c.at(x, 15 * k + 14) = outline;
  }
}

void paintBat(Canvas &c) {
  const double x0 = 165, y0 = 3, cx = x0 + 37, cy = y0 + 13;
  for (int y = 3; y < 29; y++)
    for (int x = 165; x < 239; x++) {
      double px = x + 0.5, py = y + 0.5;
      double d = roundedBoxDistance(px, py, cx, cy, 36.5, 10.5, 10.0);
      if (d > 1.0) continue;
      double t = clamp01((py - (cy - 10)) / 21.0);
      Colour body = t < 0.35 ? mix(rgb(236, 240, 250), rgb(150, 160, 182), t / 0.35)
                             : mix(rgb(150, 160, 182), rgb(60, 66, 88), (t - 0.35) / 0.65);
      double ex = std::fabs(px - cx);
      if (ex > 27) {  // glowing emitters at both ends
        Colour glow = t < 0.4 ? mix(rgb(255, 236, 170), rgb(255, 120, 40), t / 0.4) : mix(rgb(255, 120, 40), rgb(170, 30, 30), (t - 0.4) / 0.6);
        body = mix(body, glow, smoothstep(27, 29, ex));
      }
      if (std::fabs(ex - 27.5) < 0.8) body = scale(body, 0.55);  // seams
      if (ex < 16 && std::fabs(py - cy) < 1.6) body = mix(rgb(120, 240, 255), kWhite, 0.3 * (1 - ex / 16));
      Colour col = d > -1.3 ? rgb(18, 20, 34) : body;
      c.over(x, y, col, clamp01(0.5 - d));
    }
}

void paintBall(Canvas &c, int ox, const Colour &tint) {
  const double cx = ox + 8.5, cy = 132 + 7.0, r = 6.6;
  for (int y = 132; y < 146; y++)
    for (int x = ox; x < ox + 17; x++) {
      double dx = (x + 0.5 - cx) / r, dy = (y + 0.5 - cy) / r;
      double rr = dx * dx + dy * dy;
      double dist = std::sqrt(rr) * r;
      if (dist > r + 0.5) continue;
      double nz = std::sqrt(std::fmax(0.0, 1 - rr));
      double light = clamp01(-0.45 * dx - 0.55 * dy + 0.70 * nz);
      double spec = std::pow(clamp01(-0.40 * dx - 0.50 * dy + 0.77 * nz), 24);
      Colour col = mix(scale(tint, 0.38), mix(tint, kWhite, 0.15), light);
      col = mix(col, kWhite, clamp01(spec * 1.2));
      if (dist > r - 0.9) col = mix(col, scale(tint, 0.2), 0.7);
      c.over(x, y, col, clamp01(r + 0.5 - dist));
    }
}

// The score digits, each inside exactly its glyph edges on rows 154..171.
const short kDigitEdges[10][2] = {{10, 23}, {28, 35}, {41, 52}, {55, 67}, {70, 81},
                                  {85, 96}, {99, 111}, {115, 125}, {128, 140}, {143, 155}};

void paintDigits(Canvas &c) {
  for (int d = 0; d < 10; d++) {
    int x1 = kDigitEdges[d][0], x2 = kDigitEdges[d][1];
    Strokes s = moved(digitStrokes(d, x2 - x1), x1, 154, 1.0);
    paintStrokes(c, s, 2.45, [](double, double, double) { return rgb(16, 12, 34); }, x1, x2);
    paintStrokes(c, s, 1.35, [](double, double py, double) {
      double t = clamp01((py - 156) / 13.0);
      return mix(rgb(255, 252, 220), rgb(255, 168, 36), t);
    }, x1, x2);
  }
}

void paintLogo(Canvas &c) {
  const double h = 56;
  double w = logoTextWidth(h);
  paintLogoText(c, (289 - w) / 2, 174 + 12, h);
}

}  // namespace

Canvas paintSprites() {
  Canvas c(320, 264);
  paintBricks(c);
  paintBat(c);
  paintBall(c, 205, rgb(190, 238, 255));
  paintBall(c, 205 + 57, rgb(255, 214, 90));
  paintDigits(c);
  paintLogo(c);
  return c;
}

}  // namespace artgen
