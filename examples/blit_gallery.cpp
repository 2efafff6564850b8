// Every way a picture can be drawn, on one screen: plain, blended, turned,
// zoomed, flipped, tinted, stretched, tiled, mapped onto a quadrilateral,
// and the untextured lines, pixels and rectangles.
//   blit_gallery [--frames N] [--shot file.ppm]
// Escape or the close box ends it; --shot writes the last frame as a PPM.
#include <GL/gl.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "KInput.h"
#include "KVyk.h"

static std::string dataFile(const char *name) { return std::string(QUARVEL_DATA_DIR) + "/" + name; }

static void writeShot(const char *path, int w, int h) {
  std::vector<unsigned char> rgb((size_t)w * h * 3);
  glPixelStorei(GL_PACK_ALIGNMENT, 1);
  glReadBuffer(GL_BACK);
  glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
  FILE *f = fopen(path, "wb");
  if (!f) return;
  fprintf(f, "P6\n%d %d\n255\n", w, h);
  for (int y = h - 1; y >= 0; y--) fwrite(&rgb[(size_t)y * w * 3], 1, (size_t)w * 3, f);
  fclose(f);
}

int main(int argc, char **argv) {
  long frames = -1;
  const char *shot = nullptr;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (!strcmp(argv[i], "--frames")) frames = atol(argv[i + 1]);
    if (!strcmp(argv[i], "--shot")) shot = argv[i + 1];
  }
  KWindow *window = KVyk::createKWindow(K_OPENGL, false);
  if (!window->createGameWindow(640, 480, 32, true, "Blit gallery")) return 1;
  window->setMaxFrameRate(60);

  KGraphic *sprites = KVyk::createKGraphic();
  KGraphic *background = KVyk::createKGraphic();
  KGraphic *pattern = KVyk::createKGraphic();
  sprites->loadPicture(dataFile("sprites.tga").c_str(), true, true);
  background->loadPicture(dataFile("background2.tga").c_str(), true, true);

  // A 16 by 16 checker made in memory, repeated by the tiled blit.
  std::vector<uint32_t> checker(16 * 16);
  for (int y = 0; y < 16; y++)
    for (int x = 0; x < 16; x++) checker[y * 16 + x] = ((x / 4 + y / 4) % 2) ? 0xFF40C0FFu : 0xFF603020u;
  pattern->makePictureFromArray(checker.data(), 16, 16, true);
  pattern->allowTextureWrap(true);

  for (long frame = 0; frames < 0 || frame < frames; frame++) {
    window->setDefaultWorldView();
    float t = frame * 0.02f;
    float spin = std::fmod(frame * 2.0f, 360.0f);

    background->blitRect(0, 0, 484, 457, 0, 0, false, false);  // plain copy
    for (int k = 0; k < 9; k++)                                   // blended, one brick of each colour
      sprites->blitAlphaRect(40 * (k % 4), 15 * k, 40 * (k % 4) + 41, 15 * k + 15, (short)(20 + 40 * k), 20, false,
                             false);
    sprites->blitRectFx(165, 3, 239, 29, 40, 70, spin, 1, false, false);              // turned
    sprites->blitAlphaRectFx(205, 132, 222, 146, 180, 70, 0, 2 + std::sin(t), 0.8f, false, false);  // zoomed
    sprites->blitAlphaRect(165, 3, 239, 29, 260, 60, true, false);   // mirrored
    sprites->blitAlphaRect(165, 3, 239, 29, 260, 90, false, true);   // upside down
    sprites->blitAlphaRect(165, 3, 239, 29, 350, 60, true, true);    // half a turn
    sprites->setBlitColor(0.4f, 1, 0.5f, 1);                         // tinted
    sprites->blitAlphaRect(165, 3, 239, 29, 350, 90, false, false);
    sprites->setBlitColor(1, 1, 1, 1);
    sprites->stretchAlphaRect(0, 174, 289, 262, 20, 140, 330, 240, 0.5f + 0.5f * std::sin(t), 0);  // stretched
    sprites->stretchAlphaRect(205 + 57, 132, 222 + 57, 146, 380, 150, 440, 200, -1, spin);         // stretched, turned
    pattern->blitTiledRect(470, 40, 150, 150, 4, spin / 8);                                         // tiled
    float w = 30 * std::sin(t * 2);
    sprites->blitArbitraryQuad(0, 174, 289, 174, 289, 262, 0, 262,  // mapped onto a quadrilateral
                               60 + w, 270, 340 - w, 270, 380, 360, 20, 360);
    for (int i = 0; i < 10; i++)                                     // lines
      sprites->drawLine(420, 260 + i * 10, 620, 360 - i * 10, i / 10.0f, 1 - i / 10.0f, 1, 1);
    for (int i = 0; i < 200; i++)                                    // pixels
      sprites->plotPixel(420 + i, 380 + 20 * std::sin(i * 0.1f + t * 3), 1, 1, 0.3f, 1);
    sprites->drawRect(20, 390, 180, 460, 0.9f, 0.2f, 0.3f, 1);       // rectangles, solid and blended
    sprites->drawRect(120, 410, 300, 470, 0.2f, 0.6f, 1, 0.5f);
    for (int d = 0; d < 10; d++) {                                   // the score digits
      static const short edges[10][2] = {{10, 23}, {28, 35}, {41, 52}, {55, 67}, {70, 81},
                                         {85, 96}, {99, 111}, {115, 125}, {128, 140}, {143, 155}};
      static short x = 0;
      if (d == 0) x = 320;
      sprites->blitAlphaRect(edges[d][0], 154, edges[d][1], 171, x, 440, false, false);
      x += edges[d][1] - edges[d][0];
    }
    bool last = frames >= 0 && frame == frames - 1;
    if (last && shot) writeShot(shot, 640, 480);
    window->flipBackBuffer(true, true);
    if (window->isQuit() || KInput::isPressed(K_ESCAPE)) break;
  }
  delete pattern;
  delete background;
  delete sprites;
  delete window;
  return 0;
}
