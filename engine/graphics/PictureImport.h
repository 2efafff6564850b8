#ifndef PICTUREIMPORT_H
#define PICTUREIMPORT_H

// The picture importer the engine stands on: it identifies a picture file,
// tells its natural size and draws it into an offscreen bitmap of 32-bit
// pixels. Results are 0 for success, a negative code otherwise.
namespace picimport {

enum {
  kNoError = 0,
  kCannotOpen = -43,     // no such file, or it cannot be read
  kNotAPicture = -2003,  // no importer accepts the file: unknown, corrupt or truncated
  kTooLarge = -2004,     // larger than the caller allows
  kNoMemory = -108,
  kNoTarget = -2005,     // drawing asked before a bitmap was given
};

// Offscreen bitmap: pixels as bytes alpha, red, green, blue; the top row
// first, rows `rowBytes` apart. Bounds are (0, 0) to (right, bottom).
struct Bitmap {
  int left, top, right, bottom;
  int rowBytes;
  unsigned char *base;
};

struct Importer;

// Finds an importer for the file and reads it whole. Pictures with a side
// over maxEdge are refused before any pixel is decoded.
int importerForFile(const char *path, int maxEdge, Importer **out);
void importerBounds(const Importer *importer, int *left, int *top, int *right, int *bottom);
int importerSetBitmap(Importer *importer, Bitmap *target);
// Draws the picture at its natural size at (0, 0) of the bitmap, clipped.
int importerDraw(Importer *importer);
void closeImporter(Importer *importer);

int newBitmap(int width, int height, Bitmap **out);
void disposeBitmap(Bitmap *bitmap);

}  // namespace picimport

#endif
