#ifndef KGRAPHIC_H
#define KGRAPHIC_H

#include <cstdint>

// One picture held in one texture, drawn onto the window. Abstract: made by
// KVyk::createKGraphic, deleted by its owner before the window.
// Coordinates are screen pixels, origin top-left, y downwards; source
// rectangles are two corners, the second exclusive.
class KGraphic {
public:
  virtual ~KGraphic() {}
  virtual bool loadPicture(const char *path, bool alpha, bool fullColour) = 0;
  virtual void freePicture() = 0;
  virtual float getWidth() = 0;
  virtual float getHeight() = 0;
  virtual void setTextureQuality(bool smooth) = 0;
  virtual void drawRect(float x1, float y1, float x2, float y2, float red, float green, float blue, float alpha) = 0;
  virtual void drawLine(float x1, float y1, float x2, float y2, float red, float green, float blue, float alpha) = 0;
  virtual void plotPixel(float x, float y, float red, float green, float blue, float alpha) = 0;
  virtual void blitRect(float x1, float y1, float x2, float y2, short destX, short destY, bool flipX, bool flipY) = 0;
  virtual void blitRectFx(float x1, float y1, float x2, float y2, short destX, short destY, float angle, float zoom,
                          bool flipX, bool flipY) = 0;
  virtual void blitAlphaRect(float x1, float y1, float x2, float y2, short destX, short destY, bool flipX,
                             bool flipY) = 0;
  virtual void blitAlphaRectFx(float x1, float y1, float x2, float y2, short destX, short destY, float angle,
                               float zoom, float alpha, bool flipX, bool flipY) = 0;
  virtual void blitTiledRect(short destX, short destY, short width, short height, float repeat, float angle) = 0;
  virtual void blitArbitraryQuad(float sx1, float sy1, float sx2, float sy2, float sx3, float sy3, float sx4, float sy4,
                                 float dx1, float dy1, float dx2, float dy2, float dx3, float dy3, float dx4,
                                 float dy4) = 0;
  virtual void setAlphaMode(bool normal) = 0;
  virtual void stretchAlphaRect(float sx1, float sy1, float sx2, float sy2, float dx1, float dy1, float dx2, float dy2,
                                float alpha, float angle) = 0;
  virtual bool grabBackBuffer() = 0;
  virtual bool grabFrontBuffer() = 0;
  virtual void setColorKey(bool on, unsigned char red, unsigned char green, unsigned char blue) = 0;
  virtual void allowTextureWrap(bool wrap) = 0;
  virtual bool saveBackBuffer(const char *path, long format, long width, long height) = 0;
  virtual void setBlitColor(float red, float green, float blue, float alpha) = 0;
  // Pixels are 32-bit words held by the caller.
  virtual bool makePictureFromArray(uint32_t *pixels, long width, long height, bool fullColour) = 0;
  virtual void pollArray() = 0;
  virtual void selectTexture() = 0;
};

#endif
