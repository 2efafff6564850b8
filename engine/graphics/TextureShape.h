#ifndef TEXTURESHAPE_H
#define TEXTURESHAPE_H

#include <GL/gl.h>

#ifndef GL_TEXTURE_RECTANGLE_EXT
#define GL_TEXTURE_RECTANGLE_EXT 0x84F5
#endif

// Which texture a w by h picture goes into. A 2D texture is a power-of-two
// square of edge `size` (never under 4); a rectangle texture has the
// picture's own size. Pictures made by loading or from an array take the
// 2D target for a power-of-two square even when rectangles are offered
// (`squareOverride`); screen grabs do not.
struct TextureShape {
  GLenum target;
  int width, height;
  int size;
};

inline TextureShape textureShapeFor(int w, int h, bool rectangleTextures, bool squareOverride) {
  int larger = w > h ? w : h;
  int e = 2;
  do e *= 2; while (e < larger && e < (1 << 30));
  TextureShape s;
  if (rectangleTextures) {
    s.target = GL_TEXTURE_RECTANGLE_EXT;
    s.width = w;
    s.height = h;
  } else {
    s.target = GL_TEXTURE_2D;
    s.width = s.height = e;
  }
  if (squareOverride && s.width == e && s.height == e) s.target = GL_TEXTURE_2D;
  s.size = e;
  return s;
}

#endif
