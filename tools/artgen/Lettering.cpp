#include <cmath>
#include <cstring>

#include "Artwork.h"

namespace artgen {

void paintStrokes(Canvas &c, const Strokes &s, double radius, const Shader &shade, int clipX1, int clipX2) {
  double minX = 1e9, minY = 1e9, maxX = -1e9, maxY = -1e9;
  for (const Polyline &p : s)
    for (const Pt &q : p) {
      minX = std::fmin(minX, q.x), maxX = std::fmax(maxX, q.x);
      minY = std::fmin(minY, q.y), maxY = std::fmax(maxY, q.y);
    }
  int x1 = (int)std::floor(minX - radius - 3), x2 = (int)std::ceil(maxX + radius + 3);
  int y1 = (int)std::floor(minY - radius - 3), y2 = (int)std::ceil(maxY + radius + 3);
  if (x1 < clipX1) x1 = clipX1;
  if (x2 > clipX2) x2 = clipX2;
  for (int y = y1; y < y2; y++)
    for (int x = x1; x < x2; x++) {
      double d = strokeDistance(s, x + 0.5, y + 0.5);
      double coverage = clamp01(radius - d + 0.5);
      if (coverage > 0) c.over(x, y, shade(x + 0.5, y + 0.5, d), coverage);
    }
}

static const char kName[] = "Quarvel";
static const double kGap = 0.07;

double logoTextWidth(double h) {
  double w = 0, adv;
  for (const char *p = kName; *p; p++) {
    logoLetter(*p, &adv);
    w += adv * h + (p[1] ? kGap * h : 0);
  }
  return w;
}

double paintLogoText(Canvas &c, double x, double y, double h) {
  Strokes all;
  double pen = x, adv;
  for (const char *p = kName; *p; p++) {
    Strokes s = moved(logoLetter(*p, &adv), pen, y, h);
    all.insert(all.end(), s.begin(), s.end());
    pen += adv * h + kGap * h;
  }
  double r = h * 0.085;
  // Shadow, outline, then a warm fill with a bright core like a lit tube.
  Strokes shadow = moved(all, h * 0.05, h * 0.07, 1.0);
  paintStrokes(c, shadow, r + h * 0.05, [&](double, double, double d) {
    return Colour{0, 0, 0.05, 0.55 * (1 - smoothstep(r, r + h * 0.05, d))};
  });
  paintStrokes(c, all, r + h * 0.04 + 0.8, [](double, double, double) { return rgb(24, 10, 46); });
  paintStrokes(c, all, r, [&](double, double py, double d) {
    double t = clamp01((py - y) / (h * 1.05));
    Colour base = t < 0.5 ? mix(rgb(255, 246, 170), rgb(255, 158, 40), t * 2) : mix(rgb(255, 158, 40), rgb(236, 56, 108), (t - 0.5) * 2);
    double core = clamp01(1 - d / r);
    return mix(base, rgb(255, 255, 235), 0.45 * core * core * (1 - t));
  });
  return pen - x - kGap * h;
}

int pixelTextWidth(const char *text, int scale) { return (int)strlen(text) * 6 * scale - scale; }

void paintPixelText(Canvas &c, const char *text, int x, int y, int scale, const Colour &top, const Colour &bottom) {
  for (int pass = 0; pass < 2; pass++) {
    int pen = x;
    for (const char *p = text; *p; p++, pen += 6 * scale) {
      const char *const *g = pixelGlyph(*p);
      for (int row = 0; row < 7; row++)
        for (int col = 0; col < 5; col++) {
          if (g[row][col] != '#') continue;
          for (int dy = 0; dy < scale; dy++)
            for (int dx = 0; dx < scale; dx++) {
              int px = pen + col * scale + dx, py = y + row * scale + dy;
              if (pass == 0)
                c.over(px + 1, py + 1, Colour{0, 0, 0, 0.7});
              else
                c.over(px, py, mix(top, bottom, (row * scale + dy) / (7.0 * scale - 1)));
            }
        }
    }
  }
}

}  // namespace artgen
