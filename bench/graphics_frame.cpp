// The game's busiest frame drawn 500 times: background, 32 full rows of
// bricks, ball, bat, panel, difficulty bar, two four-digit numbers and the
// logo. Prints milliseconds and texture binds per frame, beside an empty
// frame (clear and swap only).
#include <chrono>
#include <cstdio>

#include "KVyk.h"
#include "graphics/KGraphicGL.h"

namespace {

const short kDigits[10][2] = {{10, 23},  {28, 35},  {41, 52},  {55, 67},   {70, 81},
                              {85, 96},  {99, 111}, {115, 125}, {128, 140}, {143, 155}};

void drawNumber(KGraphic *sprites, int value, int rightX, int y) {
  char text[16];
  int n = snprintf(text, sizeof text, "%d", value);
  int x = rightX;
  for (int i = 0; i < n; i++) x -= kDigits[text[i] - '0'][1] - kDigits[text[i] - '0'][0];
  for (int i = 0; i < n; i++) {
    const short *g = kDigits[text[i] - '0'];
    sprites->blitAlphaRect(g[0], 154, g[1], 171, (short)x, (short)y, false, false);
    x += g[1] - g[0];
  }
}

template <typename Frame>
double msPerFrame(KWindow *window, int frames, Frame frame) {
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < frames; i++) {
    window->setWorldView(0, 0, 0, 1, true);
    frame();
    window->flipBackBuffer(false, true);
  }
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count() / frames;
}

}  // namespace

int main() {
  KWindow *window = KVyk::createKWindow(K_OPENGL, false);
  if (!window->createGameWindow(640, 480, 32, true, "busiest frame")) return 1;
  window->setMaxFrameRate(0);  // measure drawing, not pacing

  KGraphic *background = KVyk::createKGraphic(), *sprites = KVyk::createKGraphic(), *panel = KVyk::createKGraphic();
  const char *names[3] = {"background1.tga", "sprites.tga", "panel.tga"};
  KGraphic *pictures[3] = {background, sprites, panel};
  for (int i = 0; i < 3; i++) {
    char path[512];
    snprintf(path, sizeof path, "%s/%s", QUARVEL_DATA_DIR, names[i]);
    if (!pictures[i]->loadPicture(path, true, true)) {
      fprintf(stderr, "cannot load %s\n", path);
      return 1;
    }
  }

  const int frames = 500;
  double empty = msPerFrame(window, frames, [] {});
  unsigned long bindsBefore = KGraphicGL::bindCount;
  double busiest = msPerFrame(window, frames, [&] {
    background->blitAlphaRect(0, 0, background->getWidth(), background->getHeight(), 20, 23, false, false);
    for (int r = 0; r < 32; r++)
      for (int c = 0; c < 12; c++)
        sprites->blitAlphaRect(40, 15 * (r % 9), 81, 15 * (r % 9) + 15, (short)(20 + 40 * c), (short)(20 + 15 * r),
                               false, false);
    sprites->blitAlphaRect(205, 132, 222, 146, 300, 300, false, false);
    sprites->blitAlphaRect(165, 3, 239, 29, 220, 440, false, false);
    panel->blitAlphaRect(0, 0, 640, 480, 0, 0, false, false);
    sprites->drawRect(549, 409, 549 + 85 * 0.6f, 424, 1, 0.8f, 0.8f, 0.5f);
    drawNumber(sprites, 1234, 635, 333);
    drawNumber(sprites, 9876, 635, 259);
    sprites->blitAlphaRectFx(0, 174, 289, 262, 130, 150, 0, 1, 0.5f, false, false);
  });
  double binds = (double)(KGraphicGL::bindCount - bindsBefore) / frames;

  printf("busiest frame: %.3f ms per frame, %.2f texture binds per frame (%d frames)\n", busiest, binds, frames);
  printf("empty frame (clear and swap): %.3f ms per frame\n", empty);
  delete background;
  delete sprites;
  delete panel;
  delete window;
  return 0;
}
