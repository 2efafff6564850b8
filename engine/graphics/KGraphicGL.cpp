// PLACEHOLDER: only the screen size is real; pictures come with the
// graphics work, which replaces this file.
#include "KGraphicGL.h"

#include "KMiscTools.h"

int KGraphicGL::_oldBindedText = -1;
long KGraphicGL::videoMemory = 0;
short KGraphicGL::screenWidth = 0;
short KGraphicGL::screenHeight = 0;
short KGraphicGL::screenDepth = 0;

void KGraphicGL::setScreenSize(short width, short height, short depth) {
  screenWidth = width;
  screenHeight = height;
  screenDepth = depth;
  glEnable(GL_TEXTURE_2D);
  glShadeModel(GL_FLAT);
}

KGraphicGL::KGraphicGL() {}
KGraphicGL::~KGraphicGL() {}
bool KGraphicGL::loadPicture(const char *, bool, bool) { return false; }
void KGraphicGL::freePicture() {}
float KGraphicGL::getWidth() { return 0; }
float KGraphicGL::getHeight() { return 0; }
void KGraphicGL::setTextureQuality(bool) {}
void KGraphicGL::drawRect(float, float, float, float, float, float, float, float) {}
void KGraphicGL::drawLine(float, float, float, float, float, float, float, float) {}
void KGraphicGL::plotPixel(float, float, float, float, float, float) {}
void KGraphicGL::blitRect(float, float, float, float, short, short, bool, bool) {}
void KGraphicGL::blitRectFx(float, float, float, float, short, short, float, float, bool, bool) {}
void KGraphicGL::blitAlphaRect(float, float, float, float, short, short, bool, bool) {}
void KGraphicGL::blitAlphaRectFx(float, float, float, float, short, short, float, float, float, bool, bool) {}
void KGraphicGL::blitTiledRect(short, short, short, short, float, float) {}
void KGraphicGL::blitArbitraryQuad(float, float, float, float, float, float, float, float, float, float, float, float,
                                   float, float, float, float) {}
void KGraphicGL::setAlphaMode(bool) {}
void KGraphicGL::stretchAlphaRect(float, float, float, float, float, float, float, float, float, float) {}
bool KGraphicGL::grabBackBuffer() { return false; }
bool KGraphicGL::grabFrontBuffer() { return false; }
void KGraphicGL::setColorKey(bool, unsigned char, unsigned char, unsigned char) {}
void KGraphicGL::allowTextureWrap(bool) {}
bool KGraphicGL::saveBackBuffer(const char *, long, long, long) { return false; }
void KGraphicGL::setBlitColor(float, float, float, float) {}
bool KGraphicGL::makePictureFromArray(uint32_t *, long, long, bool) { return false; }
void KGraphicGL::pollArray() {}
void KGraphicGL::selectTexture() {}
