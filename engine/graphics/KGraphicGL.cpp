// Surfaces and textures: construction, the shared statics, the texture
// shape, the one-entry bind cache and the per-texture settings.
#include "KGraphicGL.h"

#include "KMiscTools.h"
#include "TextureShape.h"
#include "window/KWindowGL.h"

int KGraphicGL::_oldBindedText = -1;
long KGraphicGL::videoMemory = 0;
short KGraphicGL::screenWidth = 0;
short KGraphicGL::screenHeight = 0;
short KGraphicGL::screenDepth = 0;
unsigned long KGraphicGL::bindCount = 0;

void KGraphicGL::setScreenSize(short width, short height, short depth) {
  screenWidth = width;
  screenHeight = height;
  screenDepth = depth;
  glEnable(GL_TEXTURE_2D);
  glShadeModel(GL_FLAT);
}

KGraphicGL::KGraphicGL()
    : texture(0), pixelBuffer(nullptr), blendSource(0), blendDest(0), textureTarget(GL_TEXTURE_2D),
      bitmap(nullptr), colorKeyOn(false), colorKeyRed(0), colorKeyGreen(0), colorKeyBlue(0), wrapAllowed(false),
      blitColorOn(false), blitRed(1), blitGreen(1), blitBlue(1), blitAlpha(1), textureSize(0), width(0), height(0),
      textureWidth(0), textureHeight(0), smoothTexture(false), pixelArray(nullptr), arrayFullColour(false) {
  if (screenWidth == 0)
    KMiscTools::messageBox("Screen Dimensions not specified, you will not see anything",
                           "KGraphicGL::SetScreenSize Not Called!");
  // Through the table on purpose, as the rest of the engine expects.
  this->setAlphaMode(true);
}

KGraphicGL::~KGraphicGL() {
  delete[] pixelBuffer;
  pixelBuffer = nullptr;
  QTDeleteBitmap();
  freePicture();
}

float KGraphicGL::getWidth() { return width; }
float KGraphicGL::getHeight() { return height; }

void KGraphicGL::applyTextureShape(int w, int h, bool squareOverride) {
  TextureShape s = textureShapeFor(w, h, KWindowGL::hasRectangleText, squareOverride);
  textureTarget = s.target;
  textureWidth = (float)s.width;
  textureHeight = (float)s.height;
  textureSize = (float)s.size;
}

// Bytes per screen pixel times the texture's size; freeing takes away what
// the same fields give at that moment.
void KGraphicGL::countTextureMemory(long sign) {
  long bytesPerPixel = screenDepth / 8;
  videoMemory += sign * (long)(int)textureWidth * (long)(int)textureHeight * bytesPerPixel;
}

void KGraphicGL::freePicture() {
  if (width > 0) {
    countTextureMemory(-1);
    glDeleteTextures(1, &texture);
    arrayHeld = false;
    width = 0;
    height = 0;
  }
}

void KGraphicGL::vyk_glBindTexture() {
  if ((int)texture == _oldBindedText) return;
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_TEXTURE_RECTANGLE_EXT);
  glEnable(textureTarget);
  glBindTexture(textureTarget, texture);
  _oldBindedText = (int)texture;
  bindCount++;
}

void KGraphicGL::selectTexture() {
  glDisable(GL_TEXTURE_RECTANGLE_EXT);
  glEnable(GL_TEXTURE_2D);
  glBindTexture(GL_TEXTURE_2D, texture);
  _oldBindedText = -1;
}

void KGraphicGL::setTextureQuality(bool smooth) {
  smoothTexture = smooth;
  vyk_glBindTexture();
  // Both targets, so whatever is bound on the other one follows too.
  GLfloat filter = smooth ? 9729.0f : 9728.0f;
  GLenum first = smooth ? GL_TEXTURE_2D : GL_TEXTURE_RECTANGLE_EXT;
  GLenum second = smooth ? GL_TEXTURE_RECTANGLE_EXT : GL_TEXTURE_2D;
  glTexParameterf(first, GL_TEXTURE_MAG_FILTER, filter);
  glTexParameterf(first, GL_TEXTURE_MIN_FILTER, filter);
  glTexParameterf(second, GL_TEXTURE_MAG_FILTER, filter);
  glTexParameterf(second, GL_TEXTURE_MIN_FILTER, filter);
}

void KGraphicGL::allowTextureWrap(bool wrap) {
  wrapAllowed = wrap;
  vyk_glBindTexture();
  // OpenGL refuses GL_REPEAT on a rectangle texture, which stays clamped.
  GLint mode = wrap ? GL_REPEAT : GL_CLAMP;
  glTexParameteri(textureTarget, GL_TEXTURE_WRAP_S, mode);
  glTexParameteri(textureTarget, GL_TEXTURE_WRAP_T, mode);
}

void KGraphicGL::setAlphaMode(bool normal) {
  blendSource = GL_SRC_ALPHA;
  blendDest = normal ? GL_ONE_MINUS_SRC_ALPHA : GL_DST_ALPHA;
}

void KGraphicGL::setColorKey(bool on, unsigned char red, unsigned char green, unsigned char blue) {
  colorKeyOn = on;
  colorKeyRed = red;
  colorKeyGreen = green;
  colorKeyBlue = blue;
}
