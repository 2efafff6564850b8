// Display fades through the colour tables, and the in-frame gamma overlay.
#include <GL/gl.h>

#include "KWindowGL.h"
#include "graphics/KGraphicGL.h"

void KWindowGL::fadeToIntensity(float intensity) {
  float red[256], green[256], blue[256];
  // No clamping: above 1.0 the levels go above the saved ones.
  for (int i = 0; i < 256; i++) {
    red[i] = _savedRed[i] * intensity;
    green[i] = _savedGreen[i] * intensity;
    blue[i] = _savedBlue[i] * intensity;
  }
  ws::writeGammaTables(red, green, blue);
}

void KWindowGL::setGamma(float gamma) { _gamma = gamma; }

void KWindowGL::doGammaAdjustment() {
  const int w = _windowWidth, h = _windowHeight;
  setDefaultWorldView();
  float alpha = 1.0f - _gamma;
  if (alpha < 0) alpha = 0;
  glDisable(GL_TEXTURE_2D);
  glDisable(0x84F5);  // rectangle textures
  glEnable(GL_BLEND);
  glColor4f(1.0f, 1.0f, 1.0f, alpha);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glBegin(GL_QUADS);
  glVertex3i(0, h, 0);
  glVertex3i(w, h, 0);
  glVertex3i(w, 0, 0);
  glVertex3i(0, 0, 0);
  glEnd();
  // Texturing is off now: the next picture must enable and bind again.
  KGraphicGL::_oldBindedText = -1;
  glDisable(GL_BLEND);
  glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
