#ifndef ARTGEN_CANVAS_H
#define ARTGEN_CANVAS_H

// A picture being painted: straight (not premultiplied) colours in doubles,
// composited with "over". Everything here is deterministic: no clock, no
// global random state, so the same program always paints the same bytes.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace artgen {

struct Colour {
  double r, g, b, a;
};

Colour rgb(int r, int g, int b, double a = 1.0);
Colour mix(const Colour &x, const Colour &y, double t);
Colour scale(const Colour &c, double k);  // brightness, alpha kept

struct Canvas {
  int width, height;
  std::vector<Colour> px;
  Canvas(int w, int h);
  Colour &at(int x, int y) { return px[(size_t)y * width + x]; }
  const Colour &at(int x, int y) const { return px[(size_t)y * width + x]; }
  // Lays c over the pixel with the given coverage (0..1).
  void over(int x, int y, const Colour &c, double coverage = 1.0);
  void fillRect(int x1, int y1, int x2, int y2, const Colour &c);
  // Red, green, blue, alpha bytes, top row first.
  std::vector<uint8_t> rgba8() const;
};

double clamp01(double v);
double smoothstep(double e0, double e1, double x);

// Repeatable pseudo-random numbers from integer coordinates.
uint32_t hash3(int x, int y, int seed);
double rand01(int x, int y, int seed);
// Smooth value noise and its fractal sum, both about 0..1.
double valueNoise(double x, double y, int seed);
double fbm(double x, double y, int octaves, int seed);

// Distance from (px, py) to the segment a-b.
double segmentDistance(double px, double py, double ax, double ay, double bx, double by);
// Signed distance to a rounded box centred at (cx, cy), half sizes hw, hh.
double roundedBoxDistance(double px, double py, double cx, double cy, double hw, double hh, double radius);

}  // namespace artgen

#endif
