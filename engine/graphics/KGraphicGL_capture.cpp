// Screen capture and picture export. Not built yet: each answers false and
// leaves the picture as it was. (A grab that makes a texture must also set
// _oldBindedText to -1 and clear arrayHeld.)
#include "KGraphicGL.h"

bool KGraphicGL::grabBackBuffer() { return false; }
bool KGraphicGL::grabFrontBuffer() { return false; }
bool KGraphicGL::saveBackBuffer(const char *path, long format, long w, long h) {
  return savePicFile(path, format, w, h);
}
bool KGraphicGL::savePicFile(const char *, long, long, long) { return false; }
