#ifndef KGRAPHICGL_H
#define KGRAPHICGL_H

#include <GL/gl.h>

#include <cstdint>

#include "KGraphic.h"

// One picture in one OpenGL texture.
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

  static void setScreenSize(short width, short height, short depth);

  static int _oldBindedText;
  static long videoMemory;
  static short screenWidth;
  static short screenHeight;
  static short screenDepth;
};

#endif
