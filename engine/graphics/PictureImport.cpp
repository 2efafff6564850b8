// The picture importer over stb_image: TGA (the game's pictures), PNG, BMP
// and JPEG. The file is checked and decoded when the importer is made, so a
// damaged file is refused up front, with no bitmap made for it.
#include "PictureImport.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_TGA
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_JPEG
#define STBI_NO_FAILURE_STRINGS
#include <stb/stb_image.h>

namespace picimport {

struct Importer {
  int width, height;
  unsigned char *rgba;  // decoded, top row first, 4 bytes red, green, blue, alpha
  Bitmap *target;
};

// stb_image pads a short TGA with zeros instead of failing, so the pixel
// data of a TGA file is measured here first, run-length packets included.
static bool tgaComplete(const unsigned char *d, size_t n) {
  if (n < 18) return false;
  size_t pos = 18 + d[0];
  if (d[1]) {
    size_t entries = d[5] | (d[6] << 8);
    pos += entries * ((d[7] + 7) / 8);
  }
  size_t pixels = (size_t)(d[12] | (d[13] << 8)) * (size_t)(d[14] | (d[15] << 8));
  size_t bytesPerPixel = (d[16] + 7) / 8;
  if (bytesPerPixel == 0) return false;
  int type = d[2];
  if (type == 1 || type == 2 || type == 3) return pos <= n && pixels * bytesPerPixel <= n - pos;
  if (type == 9 || type == 10 || type == 11) {
    size_t done = 0;
    while (done < pixels) {
      if (pos >= n) return false;
      unsigned char header = d[pos++];
      size_t count = (header & 0x7F) + 1u;
      size_t bytes = (header & 0x80) ? bytesPerPixel : count * bytesPerPixel;
      if (bytes > n - pos) return false;
      pos += bytes;
      done += count;
    }
    return true;
  }
  return false;
}

static bool isTga(const unsigned char *d, size_t n) {
  if (n >= 8 && memcmp(d, "\x89PNG", 4) == 0) return false;
  if (n >= 2 && d[0] == 'B' && d[1] == 'M') return false;
  if (n >= 2 && d[0] == 0xFF && d[1] == 0xD8) return false;
  return true;
}

static unsigned char *readWholeFile(const char *path, size_t *size) {
  FILE *f = fopen(path, "rb");
  if (!f) return nullptr;
  unsigned char *data = nullptr;
  long length = -1;
  if (fseek(f, 0, SEEK_END) == 0) length = ftell(f);
  // stb_image takes an int length; nothing the engine can hold is that big.
  if (length > 0 && length < 0x7FFFFFFF && fseek(f, 0, SEEK_SET) == 0) {
    data = new (std::nothrow) unsigned char[(size_t)length];
    if (data && fread(data, 1, (size_t)length, f) != (size_t)length) {
      delete[] data;
      data = nullptr;
    }
  }
  fclose(f);
  if (data) *size = (size_t)length;
  return data;
}

int importerForFile(const char *path, int maxEdge, Importer **out) {
  *out = nullptr;
  if (!path) return kCannotOpen;
  size_t size = 0;
  unsigned char *data = readWholeFile(path, &size);
  if (!data) return kCannotOpen;
  int w = 0, h = 0, channels = 0;
  int result = kNoError;
  if (!stbi_info_from_memory(data, (int)size, &w, &h, &channels) || w <= 0 || h <= 0)
    result = kNotAPicture;
  else if (w > maxEdge || h > maxEdge)
    result = kTooLarge;
  else if (isTga(data, size) && !tgaComplete(data, size))
    result = kNotAPicture;
  unsigned char *rgba = nullptr;
  if (result == kNoError) {
    int dw = 0, dh = 0;
    rgba = stbi_load_from_memory(data, (int)size, &dw, &dh, &channels, 4);
    if (!rgba || dw != w || dh != h) result = kNotAPicture;
  }
  delete[] data;
  if (result != kNoError) {
    stbi_image_free(rgba);
    return result;
  }
  Importer *importer = new (std::nothrow) Importer{w, h, rgba, nullptr};
  if (!importer) {
    stbi_image_free(rgba);
    return kNoMemory;
  }
  *out = importer;
  return kNoError;
}

void importerBounds(const Importer *importer, int *left, int *top, int *right, int *bottom) {
  *left = 0;
  *top = 0;
  *right = importer->width;
  *bottom = importer->height;
}

int importerSetBitmap(Importer *importer, Bitmap *target) {
  if (!target) return kNoTarget;
  importer->target = target;
  return kNoError;
}

int importerDraw(Importer *importer) {
  Bitmap *b = importer->target;
  if (!b) return kNoTarget;
  int w = importer->width < b->right - b->left ? importer->width : b->right - b->left;
  int h = importer->height < b->bottom - b->top ? importer->height : b->bottom - b->top;
  for (int y = 0; y < h; y++) {
    const unsigned char *src = importer->rgba + (size_t)y * importer->width * 4;
    unsigned char *dst = b->base + (size_t)y * b->rowBytes;
    for (int x = 0; x < w; x++, src += 4, dst += 4) {
      dst[0] = src[3];
      dst[1] = src[0];
      dst[2] = src[1];
      dst[3] = src[2];
    }
  }
  return kNoError;
}

void closeImporter(Importer *importer) {
  if (!importer) return;
  stbi_image_free(importer->rgba);
  delete importer;
}

int newBitmap(int width, int height, Bitmap **out) {
  *out = nullptr;
  if (width <= 0 || height <= 0) return kNotAPicture;
  size_t bytes = (size_t)width * (size_t)height * 4;
  unsigned char *base = new (std::nothrow) unsigned char[bytes]();
  if (!base) return kNoMemory;
  Bitmap *b = new (std::nothrow) Bitmap{0, 0, width, height, width * 4, base};
  if (!b) {
    delete[] base;
    return kNoMemory;
  }
  *out = b;
  return kNoError;
}

void disposeBitmap(Bitmap *bitmap) {
  if (!bitmap) return;
  delete[] bitmap->base;
  delete bitmap;
}

}  // namespace picimport
