#include "Canvas.h"

#include <cmath>

namespace artgen {

Colour rgb(int r, int g, int b, double a) { return {r / 255.0, g / 255.0, b / 255.0, a}; }

Colour mix(const Colour &x, const Colour &y, double t) {
  return {x.r + (y.r - x.r) * t, x.g + (y.g - x.g) * t, x.b + (y.b - x.b) * t, x.a + (y.a - x.a) * t};
}

Colour scale(const Colour &c, double k) { return {c.r * k, c.g * k, c.b * k, c.a}; }

double clamp01(double v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

double smoothstep(double e0, double e1, double x) {
  double t = clamp01((x - e0) / (e1 - e0));
  return t * t * (3 - 2 * t);
}

Canvas::Canvas(int w, int h) : width(w), height(h), px((size_t)w * h, Colour{0, 0, 0, 0}) {}

void Canvas::over(int x, int y, const Colour &c, double coverage) {
  if (x < 0 || y < 0 || x >= width || y >= height) return;
  double a = clamp01(c.a * coverage);
  if (a <= 0) return;
  Colour &d = at(x, y);
  double outA = a + d.a * (1 - a);
  if (outA <= 0) return;
  d.r = (c.r * a + d.r * d.a * (1 - a)) / outA;
  d.g = (c.g * a + d.g * d.a * (1 - a)) / outA;
  d.b = (c.b * a + d.b * d.a * (1 - a)) / outA;
  d.a = outA;
}

void Canvas::fillRect(int x1, int y1, int x2, int y2, const Colour &c) {
  for (int y = y1; y < y2; y++)
    for (int x = x1; x < x2; x++)
      if (x >= 0 && y >= 0 && x < width && y < height) at(x, y) = c;
}

std::vector<uint8_t> Canvas::rgba8() const {
  std::vector<uint8_t> out;
  out.reserve(px.size() * 4);
  for (const Colour &c : px) {
    for (double v : {c.r, c.g, c.b, c.a}) out.push_back((uint8_t)std::lround(clamp01(v) * 255.0));
  }
  return out;
}

uint32_t hash3(int x, int y, int seed) {
  uint32_t h = (uint32_t)x * 374761393u + (uint32_t)y * 668265263u + (uint32_t)seed * 2147483647u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

double rand01(int x, int y, int seed) { return (hash3(x, y, seed) & 0xFFFFFF) / 16777216.0; }

double valueNoise(double x, double y, int seed) {
  int ix = (int)std::floor(x), iy = (int)std::floor(y);
  double fx = x - ix, fy = y - iy;
  double sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  double a = rand01(ix, iy, seed), b = rand01(ix + 1, iy, seed);
  double c = rand01(ix, iy + 1, seed), d = rand01(ix + 1, iy + 1, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

double fbm(double x, double y, int octaves, int seed) {
  double sum = 0, amp = 0.5, norm = 0;
  for (int i = 0; i < octaves; i++) {
    sum += amp * valueNoise(x, y, seed + i * 101);
    norm += amp;
    x *= 2.03;
    y *= 2.03;
    amp *= 0.5;
  }
  return sum / norm;
}

double segmentDistance(double px, double py, double ax, double ay, double bx, double by) {
  double dx = bx - ax, dy = by - ay;
  double len2 = dx * dx + dy * dy;
  double t = len2 > 0 ? clamp01(((px - ax) * dx + (py - ay) * dy) / len2) : 0;
  double qx = ax + t * dx - px, qy = ay + t * dy - py;
  return std::sqrt(qx * qx + qy * qy);
}

double roundedBoxDistance(double px, double py, double cx, double cy, double hw, double hh, double radius) {
  double qx = std::fabs(px - cx) - (hw - radius), qy = std::fabs(py - cy) - (hh - radius);
  double ox = qx > 0 ? qx : 0, oy = qy > 0 ? qy : 0;
  double inside = qx > qy ? qx : qy;
  return std::sqrt(ox * ox + oy * oy) + (inside < 0 ? inside : 0) - radius;
}

}  // namespace artgen
