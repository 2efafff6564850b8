// Picture loading: files through the picture importer, and the caller's
// pixel arrays.
#include <cstdio>
#include <new>

#include "KGraphicGL.h"
#include "KMiscTools.h"
#include "PictureImport.h"
#include "window/KWindowGL.h"

int KGraphicGL::maxTextureEdge() {
  GLint max2D = 0, maxRect = 0;
  glGetIntegerv(GL_MAX_TEXTURE_SIZE, &max2D);
  int edge = max2D > 0 ? max2D : 32767;
  if (KWindowGL::hasRectangleText) {
    glGetIntegerv(0x84F8 /* GL_MAX_RECTANGLE_TEXTURE_SIZE */, &maxRect);
    if (maxRect > 0 && maxRect < edge) edge = maxRect;
  }
  // Picture sizes travel as 16-bit values through the engine.
  return edge < 32767 ? edge : 32767;
}

void KGraphicGL::QTDeleteBitmap() {
  if (bitmap) picimport::disposeBitmap(bitmap);
  bitmap = nullptr;
}

bool KGraphicGL::CreateBitmap(short w, short h) {
  if (w <= 0 || h <= 0) return false;
  width = w;
  height = h;
  if (picimport::newBitmap(w, h, &bitmap) != picimport::kNoError) {
    KMiscTools::messageBox("erreur", "Impossible to create  GWorld");
    return false;
  }
  return true;
}

bool KGraphicGL::LoadQuicktimeBitmap(char *path) {
  QTDeleteBitmap();
  char message[1024];
  snprintf(message, sizeof message, "Impossible to load graphic file : %s", path ? path : "");

  // Too large, truncated and corrupt files are refused here as unreadable.
  picimport::Importer *importer = nullptr;
  if (picimport::importerForFile(path, maxTextureEdge(), &importer) != picimport::kNoError) {
    KMiscTools::messageBox("erreur", message);
    return false;
  }
  int left, top, right, bottom;
  picimport::importerBounds(importer, &left, &top, &right, &bottom);
  if (!CreateBitmap((short)(right - left), (short)(bottom - top))) {
    KMiscTools::messageBox("error", "Impossible to create bitmap for file");
    picimport::closeImporter(importer);
    return false;
  }
  if (picimport::importerSetBitmap(importer, bitmap) != picimport::kNoError) {
    KMiscTools::messageBox("error", "Impossible to select graphic world for bitmap for file");
    picimport::closeImporter(importer);
    return false;
  }
  if (picimport::importerDraw(importer) != picimport::kNoError) {
    KMiscTools::messageBox("error", "Impossible to draw picture.");
    picimport::closeImporter(importer);
    return false;
  }
  picimport::closeImporter(importer);
  return true;
}

// The generic image block: a TGA-style header (width and height 16-bit
// little-endian at 12 and 14, 32 bits per pixel at 16), then blue, green,
// red, alpha pixels, bottom row first.
unsigned char *KGraphicGL::LoadGeneric(char *path) {
  if (!LoadQuicktimeBitmap(path)) {
    QTDeleteBitmap();
    return nullptr;
  }
  if (!bitmap) return nullptr;
  const unsigned char *base = bitmap->base;
  size_t stride = (size_t)bitmap->rowBytes;
  int w = bitmap->right - bitmap->left;
  int h = bitmap->bottom - bitmap->top;

  unsigned char *block = new (std::nothrow) unsigned char[18 + (size_t)w * h * 4]();
  if (!block) {
    KMiscTools::messageBox("out of memory (tmpBitmapBits)", "error");
    QTDeleteBitmap();
    return nullptr;
  }
  block[12] = (unsigned char)(w & 0xFF);
  block[13] = (unsigned char)(w >> 8);
  block[14] = (unsigned char)(h & 0xFF);
  block[15] = (unsigned char)(h >> 8);
  block[16] = 32;
  for (int x = 0; x < w; x++) {
    for (int y = 0; y < h; y++) {
      const unsigned char *src = base + (size_t)(h - 1 - y) * stride + (size_t)x * 4;
      unsigned char a = src[0], r = src[1], g = src[2], b = src[3];
      // The key only makes the pixel transparent; its colour stays.
      if (colorKeyOn && r == colorKeyRed && g == colorKeyGreen && b == colorKeyBlue) a = 0;
      unsigned char *dst = block + 18 + ((size_t)y * w + x) * 4;
      dst[0] = b;
      dst[1] = g;
      dst[2] = r;
      dst[3] = a;
    }
  }
  QTDeleteBitmap();
  return block;
}

// Makes the new texture the one bound, alone on its target, with the
// parameters every new texture starts with. New textures draw texel for
// texel until setTextureQuality says otherwise; without a filter a fresh 2D
// texture would be incomplete and draw blank.
static void bindNewTexture(GLenum target, GLuint texture) {
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_TEXTURE_RECTANGLE_EXT);
  glEnable(target);
  glBindTexture(target, texture);
  KGraphicGL::_oldBindedText = (int)texture;
  glTexParameteri(target, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
  glTexParameteri(target, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
  if (target == GL_TEXTURE_RECTANGLE_EXT) {
    glTexParameteri(target, GL_TEXTURE_WRAP_S, 0x812F /* GL_CLAMP_TO_EDGE */);
    glTexParameteri(target, GL_TEXTURE_WRAP_T, 0x812F);
  }
}

bool KGraphicGL::loadPicture(const char *path, bool alpha, bool fullColour) {
  this->freePicture();
  unsigned char *block = LoadGeneric(const_cast<char *>(path));
  if (!block) {
    width = 0;
    height = 0;
    return false;
  }
  glLoadIdentity();
  glFlush();

  int w = block[12] | (block[13] << 8);
  int h = block[14] | (block[15] << 8);
  width = textureWidth = (float)w;
  height = textureHeight = (float)h;
  applyTextureShape(w, h, true);

  size_t tw = (size_t)textureWidth, th = (size_t)textureHeight;
  pixelBuffer = new (std::nothrow) unsigned char[4 * tw * th]();
  if (!pixelBuffer) {
    delete[] block;
    KMiscTools::messageBox("out of memory (tmpBitmapBits)", "error");
    width = 0;
    height = 0;
    return false;
  }
  glLoadIdentity();
  glGenTextures(1, &texture);
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

  // Texture rows run from the picture's top row down; texels beyond the
  // picture stay transparent black.
  for (int x = 0; x < w; x++) {
    for (int y = 0; y < h; y++) {
      const unsigned char *src = block + 18 + ((size_t)(h - 1 - y) * w + x) * 4;
      unsigned char *dst = pixelBuffer + ((size_t)y * tw + x) * 4;
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
      dst[3] = src[3];
    }
  }
  delete[] block;

  bindNewTexture(textureTarget, texture);

  GLint format = fullColour ? (alpha ? GL_RGBA8 : GL_RGB8) : (alpha ? GL_RGBA : GL_RGB);
  glTexImage2D(textureTarget, 0, format, (GLsizei)tw, (GLsizei)th, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixelBuffer);

  if (textureTarget == GL_TEXTURE_RECTANGLE_EXT) {
    glTexParameteri(textureTarget, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(textureTarget, GL_TEXTURE_WRAP_T, GL_CLAMP);
  } else {
    glTexParameteri(textureTarget, GL_TEXTURE_WRAP_S, GL_REPEAT);
    glTexParameteri(textureTarget, GL_TEXTURE_WRAP_T, GL_REPEAT);
    if (!wrapAllowed) {
      glTexParameteri(textureTarget, GL_TEXTURE_WRAP_S, GL_CLAMP);
      glTexParameteri(textureTarget, GL_TEXTURE_WRAP_T, GL_CLAMP);
    }
  }
  delete[] pixelBuffer;
  pixelBuffer = nullptr;
  countTextureMemory(1);
  return true;
}

bool KGraphicGL::makePictureFromArray(uint32_t *pixels, long w, long h, bool fullColour) {
  // Sizes beyond what a texture can take would only overflow the
  // arithmetic below; they are refused like an empty array.
  if (!pixels || w <= 0 || h <= 0 || w > maxTextureEdge() || h > maxTextureEdge()) return false;
  // A texture still held would otherwise be lost for good, and still
  // counted in videoMemory.
  this->freePicture();
  if (colorKeyOn) {
    for (long y = 0; y < h; y++) {
      for (long x = 0; x < w; x++) {
        unsigned char *p = reinterpret_cast<unsigned char *>(&pixels[x + y * w]);
        if (p[0] == colorKeyRed && p[1] == colorKeyGreen && p[2] == colorKeyBlue) pixels[x + y * w] = 0;
      }
    }
  }
  pixelArray = pixels;
  glLoadIdentity();
  glFlush();
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);

  width = (float)w;
  height = (float)h;
  applyTextureShape((int)w, (int)h, true);

  const void *source = pixels;
  if (!KWindowGL::hasRectangleText) {
    size_t e = (size_t)textureSize;
    pixelBuffer = new (std::nothrow) unsigned char[e * e * 4]();
    if (!pixelBuffer) {
      width = 0;
      height = 0;
      return false;
    }
    for (long y = 0; y < h; y++)
      for (long x = 0; x < w; x++)
        reinterpret_cast<uint32_t *>(pixelBuffer)[(size_t)y * e + x] = pixels[x + y * w];
    source = pixelBuffer;
  }

  glLoadIdentity();
  glGenTextures(1, &texture);
  bindNewTexture(textureTarget, texture);
  arrayFullColour = fullColour;
  arrayHeld = true;

  // Errors left by earlier calls must not be taken for this upload's.
  for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; i++) {
  }
  glTexImage2D(textureTarget, 0, fullColour ? GL_RGBA8 : GL_RGBA, (GLsizei)textureWidth, (GLsizei)textureHeight, 0,
               GL_RGBA, GL_UNSIGNED_BYTE, source);
  countTextureMemory(1);
  delete[] pixelBuffer;
  pixelBuffer = nullptr;
  if (glGetError() != GL_NO_ERROR) return false;

  glTexParameteri(textureTarget, GL_TEXTURE_WRAP_S, GL_CLAMP);
  glTexParameteri(textureTarget, GL_TEXTURE_WRAP_T, GL_CLAMP);
  return true;
}

void KGraphicGL::pollArray() {
  // Only the picture made from the array may take it again: any other
  // picture held since could be larger than the array.
  if (!pixelArray || !arrayHeld) return;
  glLoadIdentity();
  glDisable(GL_TEXTURE_2D);
  glDisable(GL_TEXTURE_RECTANGLE_EXT);
  glEnable(textureTarget);
  vyk_glBindTexture();
  glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
  glTexSubImage2D(textureTarget, 0, 0, 0, (GLsizei)width, (GLsizei)height, GL_RGBA, GL_UNSIGNED_BYTE, pixelArray);
}
