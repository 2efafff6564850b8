// Presenting a frame, holding the frame rate, and the world view.
#include <GL/gl.h>

#include "KInput.h"
#include "KMiscTools.h"
#include "KWindowGL.h"

uint32_t KWindowGL::_lastFlipTime = 0;

void KWindowGL::flipBackBuffer(bool waitWhileInactive, bool restoreView) {
  // Over the drawing area the pointer follows the game's wish; off it, the
  // pointer is always shown so the player can find it. Leaving clears the
  // wish, so a pointer the game left visible is hidden on its return.
  short mx = (short)KInput::getMouseX();
  short my = (short)KInput::getMouseY();
  if (mx < 0 || my < 0 || mx > _windowWidth || my > _windowHeight) {
    if (!KInput::_cursorVisibility) KInput::showPointer();
    KInput::_cursorVisibility = false;
  } else {
    if (!KInput::_cursorVisibility) KInput::hidePointer();
  }

  ws::makeCurrent(_currentContext);
  if (_frameDelay != 0) ws::setSwapInterval(_currentContext, 1);

  uint32_t t0 = KMiscTools::getMilliseconds();
  if (_gamma < 1.0f) doGammaAdjustment();
  ws::swapBuffers(_currentContext);
  processEvents();

  if (_frameDelay != 0) {
    // Busy wait, pumping events, so the program stays responsive. All
    // differences are unsigned 32-bit: a wrapped clock reads as late.
    if (t0 - _lastFlipTime <= _frameDelay) {
      uint32_t elapsed;
      do {
        uint32_t now = KMiscTools::getMilliseconds();
        elapsed = now - _lastFlipTime;
        processEvents();
      } while (elapsed < _frameDelay);
    }
    _lastFlipTime = KMiscTools::getMilliseconds();
  }

  if (restoreView) setDefaultWorldView();

  // Full screen never waits, even when it was entered from a window that
  // stays behind it (and so no longer has the keyboard).
  if (_windowHandle && !_fullScreen && waitWhileInactive && !ws::windowHasFocus(_windowHandle)) {
    for (;;) {
      processEvents();
      if (ws::windowHasFocus(_windowHandle)) break;
      if (isQuit()) break;
    }
  }
}

void KWindowGL::setMaxFrameRate(long framesPerSecond) {
  if (framesPerSecond > 0) {
    _frameDelay = (uint32_t)(1000 / framesPerSecond);
  } else {
    _frameDelay = 0;
    ws::setSwapInterval(_currentContext, 0);
  }
}

void KWindowGL::setWorldView(float offsetX, float offsetY, float angle, float zoom, bool clear) {
  const int w = _windowWidth, h = _windowHeight;
  glMatrixMode(GL_PROJECTION);
  glLoadIdentity();
  glOrtho(0, w, 0, h, -100, 100);
  glViewport(0, 0, w, h);
  glMatrixMode(GL_MODELVIEW);
  if (clear) glClear(GL_COLOR_BUFFER_BIT);
  glLoadIdentity();
  glTranslatef((float)(w / 2), (float)(h / 2), 0);
  glRotatef(angle, 0, 0, 1);
  glScalef(zoom, zoom, 0);  // all depth collapses onto z = 0
  glTranslatef((float)-(w / 2), (float)-(h / 2), 0);
  glTranslatef(offsetX, offsetY, 0);
}

void KWindowGL::setDefaultWorldView() {
  setWorldView(0, 0, 0, 1.0f, false);
  processEvents();
}

void KWindowGL::setClearColor(float red, float green, float blue, float alpha) {
  glClearColor(red, green, blue, alpha);
}
