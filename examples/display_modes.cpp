// Window and full screen, display fades and the gamma overlay.
//   F        switch between the window and full screen (no picture reloaded)
//   D        fade the display out and back in
//   G        step the gamma overlay: 1.0, 0.75, 0.5, 0.25
//   Escape   quit
// Usage: display_modes [--frames N]   (N frames, then quit by itself)
#include <cstdlib>
#include <cstring>

#include "KInput.h"
#include "KVyk.h"
#include "window/KWindowGL.h"

namespace {

// True on the frame the key goes down.
bool pressedNow(EKeyboardLayout key, bool &wasDown) {
  bool down = KInput::isPressed(key);
  bool now = down && !wasDown;
  wasDown = down;
  return now;
}

}  // namespace

int main(int argc, char **argv) {
  long frames = -1;
  if (argc == 3 && strcmp(argv[1], "--frames") == 0) frames = atol(argv[2]);

  KWindowGL *window = (KWindowGL *)KVyk::createKWindow(K_OPENGL, false);
  if (!window->createGameWindow(640, 480, 32, true, "Display modes")) return 1;
  window->setMaxFrameRate(75);
  window->setClearColor(0.05f, 0.07f, 0.15f, 1);

  KGraphic *sprites = KVyk::createKGraphic();
  sprites->loadPicture(QUARVEL_DATA_DIR "/sprites.tga", true, true);

  const float gammas[] = {1.0f, 0.75f, 0.5f, 0.25f};
  int gammaIndex = 0;
  bool fullScreen = false, fDown = false, dDown = false, gDown = false;
  float x = 100, y = 100, dx = 2.5f, dy = 1.75f;

  for (long frame = 0; !window->isQuit() && frame != frames; frame++) {
    window->setWorldView(0, 0, 0, 1, true);
    // The logo bounces around the screen; the bricks stand still.
    for (int k = 0; k < 9; k++) sprites->blitAlphaRect(0, 15 * k, 41, 15 * k + 15, 20 + 60 * k, 440, false, false);
    sprites->blitAlphaRect(0, 174, 289, 262, (short)x, (short)y, false, false);
    x += dx;
    y += dy;
    if (x < 0 || x > 640 - 289) dx = -dx;
    if (y < 0 || y > 400 - 88) dy = -dy;

    if (pressedNow(K_F, fDown)) {
      fullScreen = !fullScreen;
      window->toggleFullScreen(fullScreen);
    }
    if (pressedNow(K_D, dDown)) {
      for (float v = 1.0f; v >= 0.0f; v -= 0.01f) window->fadeToIntensity(v);
      window->fadeToIntensity(1.0f);
    }
    if (pressedNow(K_G, gDown)) {
      gammaIndex = (gammaIndex + 1) % 4;
      window->setGamma(gammas[gammaIndex]);
    }
    if (KInput::isPressed(K_ESCAPE)) window->terminate();
    window->flipBackBuffer(true, true);
  }
  delete sprites;
  delete window;
  return 0;
}
