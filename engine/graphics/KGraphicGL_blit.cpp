// The blit family: a rectangle of the picture drawn as one textured quad,
// plain or blended, turned, zoomed, flipped and tinted. Screen y runs down,
// OpenGL's up: every operation turns y into screenHeight - y.
#include "KGraphicGL.h"

static inline int trunc32(float v) { return (int)v; }
static inline short low16(int v) { return (short)v; }

// Texture coordinate of a source corner, in texels for a rectangle texture
// and as a fraction of the texture for a 2D one.
static inline void texCoord(GLenum target, float tw, float th, float s, float t) {
  if (target == GL_TEXTURE_2D)
    glTexCoord2f(s / tw, t / th);
  else
    glTexCoord2f(s, t);
}

// Source corners for P1 (top-left on screen), P2, P3, P4, by flips.
static void flipCorners(float x1, float y1, float x2, float y2, bool flipX, bool flipY, float c[4][2]) {
  const float upright[4][2] = {{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}};
  const float halfTurn[4][2] = {{x2, y2}, {x2, y1}, {x1, y1}, {x1, y2}};
  const float mirrorX[4][2] = {{x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}};
  const float mirrorY[4][2] = {{x1, y2}, {x1, y1}, {x2, y1}, {x2, y2}};
  const float(*pick)[2] = mirrorY;
  if (!flipX && !flipY)
    pick = upright;
  else if (flipX && flipY)
    pick = halfTurn;
  else if (flipX && !flipY)
    pick = mirrorX;
  for (int i = 0; i < 4; i++) {
    c[i][0] = pick[i][0];
    c[i][1] = pick[i][1];
  }
}

// The quad with its top-left at (x, y), w by h, textured by the flip table.
static void flippedQuad(KGraphicGL *g, float x1, float y1, float x2, float y2, int x, int y, int w, int h,
                        bool flipX, bool flipY) {
  float c[4][2];
  flipCorners(x1, y1, x2, y2, flipX, flipY, c);
  const int v[4][2] = {{x, y}, {x, y - h}, {x + w, y - h}, {x + w, y}};
  glBegin(GL_QUADS);
  for (int i = 0; i < 4; i++) {
    texCoord(g->textureTarget, g->textureWidth, g->textureHeight, c[i][0], c[i][1]);
    glVertex3i(v[i][0], v[i][1], 0);
  }
  glEnd();
}

void KGraphicGL::GenericBlit(float x1, float y1, float x2, float y2, short x, short y, bool flipX, bool flipY) {
  vyk_glBindTexture();
  short w = low16(trunc32(x2 - x1)), h = low16(trunc32(y2 - y1));
  flippedQuad(this, x1, y1, x2, y2, x, y, w, h, flipX, flipY);
}

void KGraphicGL::blitRect(float x1, float y1, float x2, float y2, short destX, short destY, bool flipX, bool flipY) {
  glDisable(GL_BLEND);
  short y = low16(screenHeight - destY);
  glPushMatrix();
  GenericBlit(x1, y1, x2, y2, destX, y, flipX, flipY);
  glPopMatrix();
}

void KGraphicGL::blitAlphaRect(float x1, float y1, float x2, float y2, short destX, short destY, bool flipX,
                               bool flipY) {
  glEnable(GL_BLEND);
  glBlendFunc(blendSource, blendDest);
  short y = low16(screenHeight - destY);
  glPushMatrix();
  // The colour is left as set: later plain blits draw in it too.
  if (blitColorOn)
    glColor4f(blitRed, blitGreen, blitBlue, blitAlpha);
  else
    glColor4f(1, 1, 1, 1);
  GenericBlit(x1, y1, x2, y2, destX, y, flipX, flipY);
  glPopMatrix();
}

void KGraphicGL::blitRectFx(float x1, float y1, float x2, float y2, short destX, short destY, float angle, float zoom,
                            bool flipX, bool flipY) {
  if (zoom == 0) return;
  float hw = (x2 - x1) * 0.5f, hh = (y2 - y1) * 0.5f;
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  short y = low16(screenHeight - destY);
  glTranslatef(destX + hw, y - hh, 0);
  glRotatef(angle, 0, 0, 1);
  glScalef(zoom, zoom, 0);
  glDisable(GL_BLEND);
  glPushMatrix();
  GenericBlit(x1, y1, x2, y2, low16(trunc32(-hw)), low16(trunc32(hh)), flipX, flipY);
  glPopMatrix();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
}

void KGraphicGL::blitAlphaRectFx(float x1, float y1, float x2, float y2, short destX, short destY, float angle,
                                 float zoom, float alpha, bool flipX, bool flipY) {
  if (zoom == 0 || alpha <= 0) return;
  float w = x2 - x1, h = y2 - y1, hw = w * 0.5f, hh = h * 0.5f;
  short y = low16(screenHeight - destY);
  glPushMatrix();
  bool transformed = angle != 0 || zoom != 1;
  if (transformed) {
    glTranslatef(destX + hw, y - hh, 0);
    if (angle != 0) glRotatef(angle, 0, 0, 1);
    if (zoom != 1) glScalef(zoom, zoom, 0);
  }
  // With a tint the tint wins and the opacity argument plays no part.
  if (blitColorOn)
    glColor4f(blitRed, blitGreen, blitBlue, blitAlpha);
  else if (alpha != 1)
    glColor4f(1, 1, 1, alpha);
  else
    glColor4f(1, 1, 1, 1);
  glEnable(GL_BLEND);
  glBlendFunc(blendSource, blendDest);
  glPushMatrix();
  vyk_glBindTexture();
  if (!transformed) {
    flippedQuad(this, x1, y1, x2, y2, destX, y, low16(trunc32(w)), low16(trunc32(h)), flipX, flipY);
  } else {
    short a = low16(trunc32(-hw)), b = low16(trunc32(hh));
    short cw = low16(trunc32(w)), ch = low16(trunc32(h));
    flippedQuad(this, x1, y1, x2, y2, a, b, cw, ch, flipX, flipY);
  }
  glPopMatrix();
  glColor4f(1, 1, 1, 1);
  glPopMatrix();
}

void KGraphicGL::stretchAlphaRect(float x1, float y1, float x2, float y2, float destX1, float destY1, float destX2,
                                  float destY2, float alpha, float angle) {
  vyk_glBindTexture();
  glEnable(GL_BLEND);
  glBlendFunc(blendSource, blendDest);
  float H = screenHeight;
  float w = destX2 - destX1, h = destY2 - destY1, hw = w * 0.5f, hh = h * 0.5f;
  float top = H - destY1, bottom = H - destY2;
  // A negative opacity without a tint draws fully opaque.
  if (blitColorOn)
    glColor4f(blitRed, blitGreen, blitBlue, blitAlpha * alpha);
  else if (alpha >= 0 && alpha != 1)
    glColor4f(1, 1, 1, alpha);
  else
    glColor4f(1, 1, 1, 1);
  glPushMatrix();
  if (angle != 0) {
    glTranslatef(destX1 + hw, top - hh, 0);
    glRotatef(angle, 0, 0, 1);
    genericStretchBlit(x1, y1, x2, y2, -hw, hh, -hw + w, hh + (bottom - top));
  } else {
    genericStretchBlit(x1, y1, x2, y2, destX1, top, destX2, bottom);
  }
  glColor4f(1, 1, 1, 1);
  glPopMatrix();
}

void KGraphicGL::genericStretchBlit(float x1, float y1, float x2, float y2, float dx1, float dy1, float dx2,
                                    float dy2) {
  vyk_glBindTexture();
  float d = textureTarget == GL_TEXTURE_2D ? textureSize : 1.0f;
  glBegin(GL_QUADS);
  glTexCoord2f(x1 / d, y1 / d);
  glVertex3i(trunc32(dx1), trunc32(dy1), 0);
  glTexCoord2f(x1 / d, y2 / d);
  glVertex3i(trunc32(dx1), trunc32(dy2), 0);
  glTexCoord2f(x2 / d, y2 / d);
  glVertex3i(trunc32(dx2), trunc32(dy2), 0);
  glTexCoord2f(x2 / d, y1 / d);
  glVertex3i(trunc32(dx2), trunc32(dy1), 0);
  glEnd();
}

void KGraphicGL::setBlitColor(float red, float green, float blue, float alpha) {
  // Plain white switches the tint off and keeps the stored values.
  if (red == 1 && green == 1 && blue == 1 && alpha == 1) {
    blitColorOn = false;
    return;
  }
  auto clamp01 = [](float v) {
    if (v > 1) v = 1;
    if (v < 0) v = 0;
    return v;
  };
  blitRed = clamp01(red);
  blitGreen = clamp01(green);
  blitBlue = clamp01(blue);
  blitAlpha = clamp01(alpha);
  blitColorOn = true;
}
