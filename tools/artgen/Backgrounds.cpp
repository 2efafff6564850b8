// The two play-field backgrounds, placed at (20, 23) and reaching the
// field's right and bottom edges. Both stay dark so bricks and ball read.
#include <cmath>

#include "Artwork.h"

namespace artgen {

namespace {

const int kWidth = 484, kHeight = 457;

// Deep space: a nebula, stars, and a glowing grid running to the horizon.
Canvas space() {
  Canvas c(kWidth, kHeight);
  const double horizon = 330, vx = kWidth / 2.0;
  for (int y = 0; y < kHeight; y++)
    for (int x = 0; x < kWidth; x++) {
      Colour col = mix(rgb(6, 8, 28), rgb(26, 10, 48), y / (double)kHeight);
      double n = fbm(x / 150.0, y / 150.0, 5, 11);
      double m = fbm(x / 90.0 + 7, y / 90.0, 4, 23);
      col = mix(col, mix(rgb(96, 30, 130), rgb(20, 70, 150), m), 0.6 * smoothstep(0.42, 0.78, n));
      if (y > horizon) {
        double depth = (y - horizon) / (kHeight - horizon);   // 0 at the horizon
        double z = 1.0 / (depth + 0.04);                      // distance into the floor
        double gx = (x - vx) / (y - horizon + 6.0) * 5.0;     // lines to the vanishing point
        double lineX = std::fabs(gx - std::round(gx)), lineZ = std::fabs(z - std::round(z));
        double thin = smoothstep(0.08, 0.0, lineX) + smoothstep(0.05 + 0.06 * depth, 0.0, lineZ * depth * 3.0);
        col = mix(col, rgb(230, 60, 200), clamp01(thin) * (0.05 + 0.45 * depth) * smoothstep(0.0, 0.3, depth));
      }
      double glow = std::exp(-std::fabs(y - horizon) / 10.0);
      col = mix(col, rgb(255, 80, 170), 0.25 * glow);
      c.at(x, y) = col;
    }
  for (int i = 0; i < 320; i++) {
    double sx = rand01(i, 1, 5) * kWidth, sy = rand01(i, 2, 5) * (horizon - 6);
    double b = 0.35 + 0.65 * std::pow(rand01(i, 3, 5), 3.0);
    Colour tint = mix(rgb(180, 200, 255), rgb(255, 230, 200), rand01(i, 4, 5));
    for (int y = (int)sy - 3; y <= (int)sy + 3; y++)
      for (int x = (int)sx - 3; x <= (int)sx + 3; x++) {
        double d = std::hypot(x + 0.5 - sx, y + 0.5 - sy);
        c.over(x, y, tint, b * clamp01(1.0 - d / (1.0 + 2.2 * b)));
      }
  }
  return c;
}

// Hexagonal tiles in deep teal, some lit from within.
Canvas hexes() {
  Canvas c(kWidth, kHeight);
  const double s = 21, inr = s * std::sqrt(3.0) / 2;
  for (int y = 0; y < kHeight; y++)
    for (int x = 0; x < kWidth; x++) {
      double px = x + 0.5, py = y + 0.5;
      double q = (std::sqrt(3.0) / 3 * px - py / 3) / s, r = (2.0 / 3 * py) / s;
      double cxq = q, cz = r, cy = -q - r;
      double rq = std::round(cxq), rr = std::round(cz), ry = std::round(cy);
      double dq = std::fabs(rq - cxq), dr = std::fabs(rr - cz), dy = std::fabs(ry - cy);
      if (dq > dr && dq > dy) rq = -rr - ry;
      else if (dr > dy) rr = -rq - ry;
      double hx = s * std::sqrt(3.0) * (rq + rr / 2), hy = s * 1.5 * rr;
      double lx = px - hx, ly = py - hy;
      double e = std::fmax(std::fabs(lx), 0.5 * std::fabs(lx) + std::sqrt(3.0) / 2 * std::fabs(ly));
      double edge = inr - e;  // pixels to the tile's edge
      int tq = (int)rq, tr = (int)rr;
      double shade = 0.75 + 0.5 * fbm(hx / 160.0, hy / 160.0, 3, 31) + 0.12 * (rand01(tq, tr, 3) - 0.5);
      Colour tile = scale(mix(rgb(12, 44, 58), rgb(22, 30, 70), clamp01(py / kHeight)), shade);
      tile = mix(tile, rgb(255, 255, 255), 0.05 * clamp01(-ly / inr));  // light from above
      if (rand01(tq, tr, 9) > 0.93) tile = mix(tile, rgb(255, 170, 60), 0.35 * clamp01(edge / inr));
      Colour col = tile;
      if (edge < 2.2) col = mix(rgb(4, 10, 16), tile, edge / 2.2);
      if (edge >= 2.2 && edge < 3.4) col = mix(tile, ly < 0 ? rgb(90, 170, 190) : rgb(4, 14, 20), 0.35);
      c.at(x, y) = col;
    }
  // A soft vignette keeps the edges quiet.
  for (int y = 0; y < kHeight; y++)
    for (int x = 0; x < kWidth; x++) {
      double ux = (x - kWidth / 2.0) / (kWidth / 2.0), uy = (y - kHeight / 2.0) / (kHeight / 2.0);
      c.at(x, y) = scale(c.at(x, y), 1.0 - 0.35 * smoothstep(0.5, 1.4, ux * ux + uy * uy));
    }
  return c;
}

}  // namespace

Canvas paintBackground(int which) { return which == 1 ? space() : hexes(); }

}  // namespace artgen
