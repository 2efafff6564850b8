#include "Strokes.h"

#include <cmath>

#include "Canvas.h"

namespace artgen {

Polyline arc(double cx, double cy, double rx, double ry, double a0, double a1) {
  Polyline p;
  int steps = 48;
  for (int i = 0; i <= steps; i++) {
    double a = (a0 + (a1 - a0) * i / steps) * M_PI / 180.0;
    p.push_back({cx + rx * std::cos(a), cy - ry * std::sin(a)});
  }
  return p;
}

double strokeDistance(const Strokes &s, double x, double y) {
  double best = 1e9;
  for (const Polyline &p : s) {
    if (p.size() == 1) {
      double d = std::hypot(x - p[0].x, y - p[0].y);
      if (d < best) best = d;
    }
    for (size_t i = 1; i < p.size(); i++) {
      double d = segmentDistance(x, y, p[i - 1].x, p[i - 1].y, p[i].x, p[i].y);
      if (d < best) best = d;
    }
  }
  return best;
}

Strokes moved(const Strokes &s, double dx, double dy, double k) {
  Strokes out = s;
  for (Polyline &p : out)
    for (Pt &q : p) q = {dx + q.x * k, dy + q.y * k};
  return out;
}

Strokes logoLetter(char c, double *advance) {
  const double xh = 0.40;  // top of the small letters
  switch (c) {
  case 'Q':
    *advance = 0.98;
    return {arc(0.45, 0.5, 0.42, 0.5, 0, 360), {{0.55, 0.70}, {0.95, 1.08}}};
  case 'u':
    *advance = 0.70;
    {
      Polyline bowl = {{0.06, xh}};
      Polyline a = arc(0.29, 0.77, 0.23, 0.23, 180, 360);
      bowl.insert(bowl.end(), a.begin(), a.end());
      return {bowl, {{0.52, xh}, {0.52, 1.0}}};
    }
  case 'a':
    *advance = 0.72;
    return {arc(0.30, 0.70, 0.24, 0.30, 0, 360), {{0.54, xh}, {0.54, 1.0}}};
  case 'r':
    *advance = 0.50;
    return {{{0.06, xh}, {0.06, 1.0}}, {{0.06, 0.66}, {0.12, 0.50}, {0.22, 0.42}, {0.34, 0.40}, {0.46, 0.42}}};
  case 'v':
    *advance = 0.62;
    return {{{0.02, xh}, {0.28, 1.0}, {0.54, xh}}};
  case 'e':
    *advance = 0.68;
    return {{{0.06, 0.70}, {0.56, 0.70}}, arc(0.31, 0.70, 0.25, 0.30, 0, 318)};
  case 'l':
  default:
    *advance = 0.30;
    return {{{0.08, 0.0}, {0.08, 1.0}}};
  }
}

Strokes digitStrokes(int d, double w) {
  const double m = 2.7, top = 2.7, bottom = 14.3, mid = 8.4;
  const double l = m, r = w - m, cx = w / 2, rx = (r - l) / 2;
  switch (d) {
  case 0:
    return {arc(cx, 8.5, rx, (bottom - top) / 2, 0, 360)};
  case 1:
    return {{{cx - 2.2, top + 2.2}, {cx + 0.4, top}, {cx + 0.4, bottom}}};
  case 2: {
    Polyline p = arc(cx, top + 3.3, rx, 3.3, 160, -20);
    p.push_back({l, bottom});
    p.push_back({r, bottom});
    return {p};
  }
  case 3:
    return {arc(cx, top + 2.8, rx - 0.3, 2.8, 150, -90), arc(cx, bottom - 3.1, rx, 3.1, 90, -150)};
  case 4:
    return {{{r - 2.2, bottom}, {r - 2.2, top}, {l, 10.6}, {r + 0.6, 10.6}}};
  case 5: {
    Polyline p = {{r, top}, {l + 0.5, top}, {l + 0.2, mid - 0.6}};
    Polyline a = arc(cx - 0.2, bottom - 3.6, rx, 3.6, 125, -150);
    return {p, a};
  }
  case 6: {
    Polyline p = {{r - 0.5, top}, {cx, top + 0.3}, {l + 1.2, top + 3.0}, {l, bottom - 3.6}};
    return {p, arc(cx, bottom - 3.6, rx, 3.6, 0, 360)};
  }
  case 7:
    return {{{l, top}, {r, top}, {cx - 0.8, bottom}}};
  case 8:
    return {arc(cx, top + 3.0, rx - 0.6, 3.0, 0, 360), arc(cx, bottom - 3.4, rx, 3.4, 0, 360)};
  case 9:
  default: {
    Polyline p = {{l + 0.5, bottom}, {cx, bottom - 0.3}, {r - 1.2, bottom - 3.0}, {r, top + 3.6}};
    return {p, arc(cx, top + 3.6, rx, 3.6, 0, 360)};
  }
  }
}

const char *const *pixelGlyph(char c) {
  static const char *const A[] = {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"};
  static const char *const B[] = {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."};
  static const char *const C[] = {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."};
  static const char *const D[] = {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."};
  static const char *const E[] = {"#####", "#....", "#....", "####.", "#....", "#....", "#####"};
  static const char *const L[] = {"#....", "#....", "#....", "#....", "#....", "#....", "#####"};
  static const char *const O[] = {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."};
  static const char *const P[] = {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."};
  static const char *const R[] = {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"};
  static const char *const S[] = {".####", "#....", "#....", ".###.", "....#", "....#", "####."};
  static const char *const T[] = {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."};
  static const char *const blank[] = {".....", ".....", ".....", ".....", ".....", ".....", "....."};
  switch (c) {
  case 'A': return A;
  case 'B': return B;
  case 'C': return C;
  case 'D': return D;
  case 'E': return E;
  case 'L': return L;
  case 'O': return O;
  case 'P': return P;
  case 'R': return R;
  case 'S': return S;
  case 'T': return T;
  default: return blank;
  }
}

}  // namespace artgen
