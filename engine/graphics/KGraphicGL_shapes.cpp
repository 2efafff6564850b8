// Tiled fills, mapped quadrilaterals, and the untextured lines, pixels and
// rectangles.
#include "KGraphicGL.h"

void KGraphicGL::blitTiledRect(short destX, short destY, short w, short h, float repeat, float angle) {
  // Halves by integer division: an odd side loses a pixel.
  float hw = (float)(w / 2), hh = (float)(h / 2);
  glDisable(GL_BLEND);
  vyk_glBindTexture();
  short y = (short)(screenHeight - destY);
  glMatrixMode(GL_MODELVIEW);
  glPushMatrix();
  glTranslatef(destX + hw, y - hh, 0);
  glRotatef(angle, 0, 0, 1);
  // Coordinates are given as they are: whole textures for a 2D texture,
  // texels for a rectangle one; 0 at the right and bottom edges, so the
  // picture shows turned half a turn.
  glBegin(GL_QUADS);
  glTexCoord2f(repeat, repeat);
  glVertex3i((int)-hw, (int)hh, 0);
  glTexCoord2f(repeat, 0);
  glVertex3i((int)-hw, (int)-hh, 0);
  glTexCoord2f(0, 0);
  glVertex3i((int)hw, (int)-hh, 0);
  glTexCoord2f(0, repeat);
  glVertex3i((int)hw, (int)hh, 0);
  glEnd();
  glMatrixMode(GL_MODELVIEW);
  glPopMatrix();
}

void KGraphicGL::blitArbitraryQuad(float sx1, float sy1, float sx2, float sy2, float sx3, float sy3, float sx4,
                                   float sy4, float dx1, float dy1, float dx2, float dy2, float dx3, float dy3,
                                   float dx4, float dy4) {
  glEnable(GL_BLEND);
  glBlendFunc(blendSource, blendDest);
  glPushMatrix();
  float H = screenHeight;
  genericArbitraryBlit(sx1, sy1, sx2, sy2, sx3, sy3, sx4, sy4, dx1, H - dy1, dx2, H - dy2, dx3, H - dy3, dx4,
                       H - dy4);
  glPopMatrix();
}

void KGraphicGL::genericArbitraryBlit(float sx1, float sy1, float sx2, float sy2, float sx3, float sy3, float sx4,
                                      float sy4, float dx1, float dy1, float dx2, float dy2, float dx3, float dy3,
                                      float dx4, float dy4) {
  glPushMatrix();
  vyk_glBindTexture();
  if (textureTarget == GL_TEXTURE_2D) {
    glDisable(GL_TEXTURE_RECTANGLE_EXT);
    glEnable(GL_TEXTURE_2D);
  } else {
    glEnable(GL_TEXTURE_RECTANGLE_EXT);
    glDisable(GL_TEXTURE_2D);
  }
  const float s[4][2] = {{sx1, sy1}, {sx2, sy2}, {sx3, sy3}, {sx4, sy4}};
  const float d[4][2] = {{dx1, dy1}, {dx2, dy2}, {dx3, dy3}, {dx4, dy4}};
  glBegin(GL_QUADS);
  for (int i = 0; i < 4; i++) {
    if (textureTarget == GL_TEXTURE_2D)
      glTexCoord2f(s[i][0] / textureWidth, s[i][1] / textureHeight);
    else
      glTexCoord2f(s[i][0], s[i][1]);
    glVertex3i((int)d[i][0], (int)d[i][1], 0);
  }
  glEnd();
  glPopMatrix();
}

void KGraphicGL::drawLine(float x1, float y1, float x2, float y2, float red, float green, float blue, float alpha) {
  float H = screenHeight;
  // Lines always blend normally, whatever setAlphaMode chose.
  glEnable(GL_BLEND);
  glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_TEXTURE_RECTANGLE_EXT);
  glColor4f(red, green, blue, alpha);
  glBegin(GL_LINE_LOOP);
  glVertex2f(x1, H - y1);
  glVertex2f(x2, H - y2);
  glEnd();
  // Texturing is off: the next picture must enable and bind again.
  _oldBindedText = -1;
  glColor4f(1, 1, 1, 1);
}

void KGraphicGL::plotPixel(float x, float y, float red, float green, float blue, float alpha) {
  this->drawLine(x, y, x + 1, y, red, green, blue, alpha);
}

void KGraphicGL::drawRect(float x1, float y1, float x2, float y2, float red, float green, float blue, float alpha) {
  float H = screenHeight;
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_TEXTURE_RECTANGLE_EXT);
  if (alpha == 1) {
    glDisable(GL_BLEND);
    glColor3f(red, green, blue);
  } else {
    glEnable(GL_BLEND);
    glColor4f(red, green, blue, alpha);
    glBlendFunc(blendSource, blendDest);
  }
  glBegin(GL_QUADS);
  glVertex3i((int)x1, (int)(H - y1), 0);
  glVertex3i((int)x2, (int)(H - y1), 0);
  glVertex3i((int)x2, (int)(H - y2), 0);
  glVertex3i((int)x1, (int)(H - y2), 0);
  glEnd();
  _oldBindedText = -1;
  glDisable(GL_BLEND);
  glColor4f(1, 1, 1, 1);
}
