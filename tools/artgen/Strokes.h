#ifndef ARTGEN_STROKES_H
#define ARTGEN_STROKES_H

// Lettering: pen strokes for the logo and the score digits, and a small
// pixel font for the panel's labels.
#include <vector>

namespace artgen {

struct Pt {
  double x, y;
};
using Polyline = std::vector<Pt>;
using Strokes = std::vector<Polyline>;

// Elliptic arc from angle a0 to a1 in degrees, counter-clockwise on screen
// (y grows downwards, so the point is (cx + rx cos, cy - ry sin)).
Polyline arc(double cx, double cy, double rx, double ry, double a0, double a1);
// Distance from (x, y) to the nearest stroke.
double strokeDistance(const Strokes &s, double x, double y);
Strokes moved(const Strokes &s, double dx, double dy, double k);

// Logo letters in a box one unit high (cap height, baseline at y 1);
// `advance` receives the letter's width.
Strokes logoLetter(char c, double *advance);
// Digit d drawn in a glyph box w pixels wide and 17 high.
Strokes digitStrokes(int d, double w);
// Five by seven pixel letter: seven rows of five characters, '#' lit.
const char *const *pixelGlyph(char c);

}  // namespace artgen

#endif
