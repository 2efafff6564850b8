// Entering full screen, the refresh-rate search, and switching modes.
#include "KInput.h"
#include "KMiscTools.h"
#include "KWindowGL.h"
#include "graphics/KGraphicGL.h"

bool KWindowGL::SwitchToResolution(short width, short height, short depth) {
  ws::hideMenuBar();
  // Black the display out while the mode changes. No timer: the fade lasts
  // as long as 1001 table updates take.
  for (float v = 1.0f; v >= 0.0f; v -= 0.001f) fadeToIntensity(v);

  _fullScreenContext = SetupAGLFullScreen(0, &depth, &width, &height);
  if (!_fullScreenContext) return false;  // stays dark; the destructor restores the tables
  _currentContext = _fullScreenContext;
  KGraphicGL::setScreenSize(width, height, depth);
  detectCaps();
  fadeToIntensity(1.0f);
  setUpEventHandlers();
  return true;
}

ws::Context *KWindowGL::SetupAGLFullScreen(int device, short *depth, short *width, short *height) {
  const int attributes[] = {ws::kAttrRGBA,       ws::kAttrDoubleBuffer, ws::kAttrAccelerated,
                            ws::kAttrFullScreen, ws::kAttrSingleRenderer, ws::kAttrPixelSize,
                            *depth,              ws::kAttrNoRecovery,   ws::kAttrNone};
  if (!ws::openGLPresent()) {
    KMiscTools::messageBox("OpenGL not installed", "openGL error");
    return nullptr;
  }
  ws::PixelFormat *format = ws::choosePixelFormat(1, attributes);
  if (!format) {
    KMiscTools::messageBox("Could not find valid pixel format", "openGL error");
    return nullptr;
  }
  ws::Context *context = ws::createContext(format, _windowContext);
  ws::destroyPixelFormat(format);
  if (!context) {
    KMiscTools::messageBox("Could not create context", "openGL");
    return nullptr;
  }

  // The first rate the display takes, searching down from 75 Hz; when only
  // "any rate" (or nothing) works, search up from 75 Hz, and fall back on
  // any rate unchecked.
  int rate = -1;
  for (int r = 75; r >= 0; r--)
    if (ws::setFullScreen(context, *width, *height, r)) {
      rate = r;
      break;
    }
  if (rate <= 0) {
    rate = -1;
    for (int r = 75; r <= 199; r++)
      if (ws::setFullScreen(context, *width, *height, r)) {
        rate = r;
        break;
      }
    if (rate < 0) {
      ws::setFullScreen(context, *width, *height, 0);
      rate = 0;
    }
  }
  _fullScreenFrequency = (short)rate;

  if (!ws::makeCurrent(context)) {
    KMiscTools::messageBox("SetCurrentContext failed", "openGL error");
    ws::setDrawable(context, nullptr);
    return nullptr;
  }
  return context;
}

void KWindowGL::toggleFullScreen(bool fullScreen) {
  if (fullScreen == _fullScreen) return;
  // Each context has its own bound texture: the picture class's record of
  // the last one bound says nothing about the context switched to.
  KGraphicGL::_oldBindedText = -1;
  _fullScreen = fullScreen;
  if (fullScreen) {
    ws::hideMenuBar();
    if (_windowContext) ws::setDrawable(_windowContext, nullptr);
    if (!_fullScreenContext)
      SwitchToResolution(_windowWidth, _windowHeight, _windowDepth);
    else
      ws::setFullScreen(_fullScreenContext, _windowWidth, _windowHeight, _fullScreenFrequency);
    _currentContext = _fullScreenContext;
    ws::makeCurrent(_currentContext);
    ws::updateContext(_currentContext);
  } else {
    ws::showMenuBar();
    if (_fullScreenContext) ws::setDrawable(_fullScreenContext, nullptr);
    if (!_windowContext) createGameWindow(_windowWidth, _windowHeight, _windowDepth, true, _title);
    _currentContext = _windowContext;
    ws::makeCurrent(_currentContext);
    ws::updateContext(_currentContext);
    if (_windowHandle) {
      ws::setCurrentPort(_windowHandle);
      ws::raiseWindow(_windowHandle);
      ws::setDrawable(_currentContext, _windowHandle);
    }
  }
}
