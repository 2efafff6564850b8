// The panel laid over the whole screen: a frame around the play field,
// which stays transparent, and the score column at the right.
#include <cmath>

#include "Artwork.h"

namespace artgen {

namespace {

// The play field the panel leaves open: the wall's and the ball's reach.
const int kFieldX1 = 20, kFieldY1 = 20, kFieldX2 = 504, kFieldY2 = 480;

void paintMetal(Canvas &c) {
  for (int y = 0; y < c.height; y++)
    for (int x = 0; x < c.width; x++) {
      double brushed = fbm(x * 0.015, y * 0.9, 3, 7) - 0.5;
      double t = y / 479.0;
      Colour base = mix(rgb(52, 58, 84), rgb(28, 30, 48), t);
      c.at(x, y) = scale(base, 1.0 + brushed * 0.22);
    }
}

// Raised (light top-left) or sunk (dark top-left) edge around a box.
void bevel(Canvas &c, int x1, int y1, int x2, int y2, int width, bool raised, double strength) {
  Colour light{1, 1, 1, strength}, dark{0, 0, 0.04, strength * 1.3};
  for (int i = 0; i < width; i++) {
    double fade = 1.0 - i / (double)width;
    for (int x = x1 + i; x < x2 - i; x++) {
      c.over(x, y1 + i, raised ? light : dark, fade);
      c.over(x, y2 - 1 - i, raised ? dark : light, fade);
    }
    for (int y = y1 + i + 1; y < y2 - i - 1; y++) {
      c.over(x1 + i, y, raised ? light : dark, fade);
      c.over(x2 - 1 - i, y, raised ? dark : light, fade);
    }
  }
}

void insetBox(Canvas &c, int x1, int y1, int x2, int y2) {
  for (int y = y1; y < y2; y++)
    for (int x = x1; x < x2; x++) c.at(x, y) = mix(rgb(8, 8, 18), rgb(18, 16, 34), (y - y1) / (double)(y2 - y1));
  bevel(c, x1 - 2, y1 - 2, x2 + 2, y2 + 2, 2, false, 0.5);
}

void centredLabel(Canvas &c, const char *text, int y) {
  int w = pixelTextWidth(text, 2);
  paintPixelText(c, text, 578 - w / 2, y, 2, rgb(180, 236, 255), rgb(80, 150, 230));
}

void lamp(Canvas &c, double cx, double cy, const Colour &colour) {
  for (int y = (int)cy - 9; y <= (int)cy + 9; y++)
    for (int x = (int)cx - 9; x <= (int)cx + 9; x++) {
      double d = std::hypot(x + 0.5 - cx, y + 0.5 - cy);
      c.over(x, y, colour, 0.35 * clamp01(1 - d / 9.0));  // halo
      if (d < 5.2) {
        double k = 1.0 - d / 5.2;
        c.over(x, y, mix(scale(colour, 0.6), rgb(255, 255, 255), k * k * 0.8), clamp01(5.2 - d));
      }
    }
}

void grille(Canvas &c, int x1, int y1, int x2, int y2) {
  for (int gy = y1; gy < y2; gy += 8)
    for (int gx = x1; gx < x2; gx += 8)
      for (int y = gy - 3; y <= gy + 3; y++)
        for (int x = gx - 3; x <= gx + 3; x++) {
          double d = std::hypot(x + 0.5 - gx, y + 0.5 - gy);
          if (d < 2.6) c.over(x, y, rgb(6, 6, 14), clamp01(2.6 - d));
          else if (d < 3.4 && y > gy) c.over(x, y, Colour{1, 1, 1, 0.12}, clamp01(3.4 - d));
        }
}

}  // namespace

Canvas paintPanel() {
  Canvas c(640, 480);
  paintMetal(c);
  bevel(c, 0, 0, 640, 480, 3, true, 0.35);

  // The play field: sunk into the frame, clear, with a soft shadow under
  // the frame's top and left edges.
  bevel(c, kFieldX1 - 5, kFieldY1 - 5, kFieldX2 + 5, kFieldY2 + 5, 5, false, 0.45);
  for (int y = kFieldY1; y < kFieldY2; y++)
    for (int x = kFieldX1; x < kFieldX2; x++) {
      double top = clamp01(1 - (y - kFieldY1) / 12.0), left = clamp01(1 - (x - kFieldX1) / 8.0);
      double a = std::fmax(0.62 * top * top, 0.45 * left * left);
      c.at(x, y) = Colour{0, 0, 0.03, a};
    }

  // The score column on a raised plate.
  bevel(c, 512, 12, 638, 472, 3, true, 0.30);
  double w = logoTextWidth(21);
  paintLogoText(c, 575 - w / 2, 30, 21);
  bevel(c, 520, 72, 630, 74, 1, false, 0.6);
  grille(c, 526, 92, 630, 212);
  bevel(c, 520, 220, 630, 222, 1, false, 0.6);

  centredLabel(c, "BEST", 234);
  insetBox(c, 518, 255, 637, 280);  // best score at y 259
  centredLabel(c, "SCORE", 308);
  insetBox(c, 518, 329, 637, 354);  // score at y 333
  centredLabel(c, "SPEED", 384);
  insetBox(c, 549, 409, 634, 424);  // the difficulty bar
  for (int i = 0; i <= 4; i++) {
    int x = 549 + i * 85 / 4;
    for (int y = 428; y < 432; y++) c.over(x, y, rgb(120, 170, 230), 0.8);
  }

  lamp(c, 548, 454, rgb(255, 60, 60));
  lamp(c, 575, 454, rgb(255, 200, 40));
  lamp(c, 602, 454, rgb(60, 230, 90));
  return c;
}

}  // namespace artgen
