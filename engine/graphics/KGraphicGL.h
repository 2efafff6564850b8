#ifndef KGRAPHICGL_H
#define KGRAPHICGL_H

#include <GL/gl.h>

#include <cstdint>

#include "KGraphic.h"

#ifndef GL_TEXTURE_RECTANGLE_EXT
#define GL_TEXTURE_RECTANGLE_EXT 0x84F5
#endif

namespace picimport {
struct Bitmap;
}

// One picture in one OpenGL texture, drawn by the blit family. Every
// operation needs the window's context to be current.
class KGraphicGL : public KGraphic {
public:
  KGraphicGL();
  ~KGraphicGL() override;
  bool loadPicture(const char *path, bool alpha, bool fullColour) override;
  void freePicture() override;
  float getWidth() override;
  float getHeight() override;
  void setTextureQuality(bool smooth) override;
  void drawRect(float x1, float y1, float x2, float y2, float red, float green, float blue, float alpha) override;
  void drawLine(float x1, float y1, float x2, float y2, float red, float green, float blue, float alpha) override;
  void plotPixel(float x, float y, float red, float green, float blue, float alpha) override;
  void blitRect(float x1, float y1, float x2, float y2, short destX, short destY, bool flipX, bool flipY) override;
  void blitRectFx(float x1, float y1, float x2, float y2, short destX, short destY, float angle, float zoom,
                  bool flipX, bool flipY) override;
  void blitAlphaRect(float x1, float y1, float x2, float y2, short destX, short destY, bool flipX,
                     bool flipY) override;
  void blitAlphaRectFx(float x1, float y1, float x2, float y2, short destX, short destY, float angle, float zoom,
                       float alpha, bool flipX, bool flipY) override;
  void blitTiledRect(short destX, short destY, short width, short height, float repeat, float angle) override;
  void blitArbitraryQuad(float sx1, float sy1, float sx2, float sy2, float sx3, float sy3, float sx4, float sy4,
                         float dx1, float dy1, float dx2, float dy2, float dx3, float dy3, float dx4,
                         float dy4) override;
  void setAlphaMode(bool normal) override;
  void stretchAlphaRect(float sx1, float sy1, float sx2, float sy2, float dx1, float dy1, float dx2, float dy2,
                        float alpha, float angle) override;
  bool grabBackBuffer() override;
  bool grabFrontBuffer() override;
  void setColorKey(bool on, unsigned char red, unsigned char green, unsigned char blue) override;
  void allowTextureWrap(bool wrap) override;
  bool saveBackBuffer(const char *path, long format, long width, long height) override;
  void setBlitColor(float red, float green, float blue, float alpha) override;
  bool makePictureFromArray(uint32_t *pixels, long width, long height, bool fullColour) override;
  void pollArray() override;
  void selectTexture() override;

  // Binds this picture's texture unless it is the one bound last.
  void vyk_glBindTexture();

  // Picture import (the platform importer draws into `bitmap`).
  unsigned char *LoadGeneric(char *path);
  bool LoadQuicktimeBitmap(char *path);
  bool CreateBitmap(short width, short height);
  void QTDeleteBitmap();

  // Quads behind the blit family; they set no colour or blending.
  void GenericBlit(float x1, float y1, float x2, float y2, short x, short y, bool flipX, bool flipY);
  void genericStretchBlit(float x1, float y1, float x2, float y2, float dx1, float dy1, float dx2, float dy2);
  void genericArbitraryBlit(float sx1, float sy1, float sx2, float sy2, float sx3, float sy3, float sx4, float sy4,
                            float dx1, float dy1, float dx2, float dy2, float dx3, float dy3, float dx4, float dy4);

  // Screen export; comes with the screen-capture work.
  bool savePicFile(const char *path, long format, long width, long height);

  static void setScreenSize(short width, short height, short depth);

  // Fields, public so that tests and tools can see the state the operations
  // leave, in the order the engine has always had them.
  GLuint texture;
  unsigned char *pixelBuffer;
  unsigned short blendSource;
  unsigned short blendDest;
  GLenum textureTarget;
  picimport::Bitmap *bitmap;
  bool colorKeyOn;
  unsigned char colorKeyRed, colorKeyGreen, colorKeyBlue;
  bool wrapAllowed;
  bool blitColorOn;
  float blitRed, blitGreen, blitBlue, blitAlpha;
  float textureSize;
  float width, height;
  float textureWidth, textureHeight;
  bool smoothTexture;
  uint32_t *pixelArray;
  bool arrayFullColour;

  static int _oldBindedText;
  static long videoMemory;
  static short screenWidth;
  static short screenHeight;
  static short screenDepth;
  // Full binds made by vyk_glBindTexture since start: lets benchmarks and
  // tests see what the bind cache saves. Nothing in the engine reads it.
  static unsigned long bindCount;

private:
  // Target and sizes for a w by h picture; squareOverride lets a
  // power-of-two square go to GL_TEXTURE_2D even with rectangle textures.
  void applyTextureShape(int w, int h, bool squareOverride);
  void countTextureMemory(long sign);
  // Largest picture side a new texture can take on this context.
  static int maxTextureEdge();
  // The held texture is the one made from pixelArray, at its size: only
  // then may pollArray send the array again.
  bool arrayHeld = false;
};

#endif
