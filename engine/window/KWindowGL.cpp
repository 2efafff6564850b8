// Construction, destruction, opening the display and the simple getters.
#include "KWindowGL.h"

#include <GL/gl.h>

#include <cstdio>
#include <cstring>

#include "KInput.h"
#include "KMiscTools.h"
#include "graphics/KGraphicGL.h"
#include "input/KHid.h"

bool KWindowGL::_quitGL = false;
bool KWindowGL::hasRectangleText = false;
short KWindowGL::_windowWidth = 0;
short KWindowGL::_windowHeight = 0;
short KWindowGL::_windowDepth = 0;

KWindowGL::KWindowGL() {
  ws::readGammaTables(_savedRed, _savedGreen, _savedBlue);
  ws::initCursor();

  _currentContext = nullptr;
  _windowContext = nullptr;
  _fullScreenContext = nullptr;
  _windowHandle = nullptr;
  _eventCallBack = nullptr;
  _vykCallBack = nullptr;
  _fullScreenFrequency = 0;
  _title[0] = 0;
  _frameDelay = 0;
  _fullScreen = false;
  _minimized = false;
  _accelerationCap = true;
  _gamma = 1.0f;
  _quitGL = false;

  setMaxFrameRate(0);  // no context yet: only the delay is recorded
}

KWindowGL::~KWindowGL() {
  ws::showMenuBar();
  _eventCallBack = nullptr;
  _vykCallBack = nullptr;
  // The handler may sit on the application rather than on the window:
  // no event may reach this object once it is gone.
  disposeHandlers();
  closeHID();

  if (_fullScreen) {
    for (float v = 1.0f; v >= 0.0f; v -= 0.001f) fadeToIntensity(v);
  }

  ws::makeCurrent(nullptr);
  if (_windowContext) {
    ws::setDrawable(_windowContext, nullptr);
    ws::destroyContext(_windowContext);
    _windowContext = nullptr;
  }
  if (_fullScreenContext) {
    ws::setDrawable(_fullScreenContext, nullptr);
    ws::destroyContext(_fullScreenContext);
    _fullScreenContext = nullptr;
  }
  _currentContext = nullptr;

  ws::writeGammaTables(_savedRed, _savedGreen, _savedBlue);
  KInput::showPointer();

  _fullScreen = false;
  _quitGL = false;
  _eventCallBack = nullptr;

  if (_windowHandle) {
    ws::destroyWindow(_windowHandle);
    _windowHandle = nullptr;
  }
}

bool KWindowGL::createGameWindow(short width, short height, short depth, bool windowed, const char *title) {
  if (title != _title) snprintf(_title, sizeof _title, "%s", title ? title : "");
  // Full screen has no window title of its own, but the desktop still
  // names the program by it.
  ws::setFullScreenTitle(_title);

  // The window is centred on the display.
  int portWidth = 0, portHeight = 0;
  ws::displayBounds(&portWidth, &portHeight);

  _windowWidth = width;
  _windowHeight = height;
  _windowDepth = depth;

  KMiscTools::initMiscTools();

  int modeDepth = 0;
  if (!ws::displayDepth(&modeDepth)) {
    ws::setDisplayDepth(depth);
  } else {
    if (depth <= 0) depth = (short)modeDepth;
    if (modeDepth != depth) ws::setDisplayDepth(depth);
  }
  if (depth < 0) depth = 16;

  const int attributes[] = {ws::kAttrRGBA,           ws::kAttrDoubleBuffer, ws::kAttrAccelerated,
                            ws::kAttrPixelSize,      depth,                 ws::kAttrSingleRenderer,
                            ws::kAttrNoRecovery,     ws::kAttrNone};

  _fullScreen = false;
  if (!windowed) {
    _fullScreen = true;
    _windowHandle = nullptr;
    KInput::initInput(nullptr);
    return SwitchToResolution(width, height, depth);
  }

  int left = (portWidth - width) / 2;
  int top = (portHeight - height) / 2;
  _windowHandle = ws::createWindow(left, top, width, height, true, true);
  if (!_windowHandle) {
    KMiscTools::messageBox("could not create window", "");
    return false;
  }

  setUpEventHandlers();

  ws::showWindow(_windowHandle);
  setTitle(_title);

  ws::setCurrentPort(_windowHandle);
  ws::raiseWindow(_windowHandle);

  KInput::initInput(_windowHandle);

  ws::PixelFormat *format = ws::choosePixelFormat(0, attributes);
  if (format) {
    _windowContext = ws::createContext(format, _fullScreenContext);
    ws::destroyPixelFormat(format);
  }
  if (!_windowContext) return false;

  ws::setDrawable(_windowContext, _windowHandle);
  ws::makeCurrent(_windowContext);
  _currentContext = _windowContext;

  KGraphicGL::setScreenSize(width, height, depth);
  detectCaps();
  return true;
}

void KWindowGL::detectCaps() {
  const char *extensions = (const char *)glGetString(GL_EXTENSIONS);
  if (!extensions) return;
  if (strstr(extensions, "GL_EXT_texture_rectangle") || strstr(extensions, "GL_NV_texture_rectangle"))
    hasRectangleText = true;
}

void KWindowGL::terminate() { _quitGL = true; }

bool KWindowGL::isQuit() { return _quitGL; }

WindowRef KWindowGL::getWindowHandle() { return _windowHandle; }

bool KWindowGL::getRectangleTexCap() { return hasRectangleText; }

bool KWindowGL::getAccelerationCap() { return _accelerationCap; }

void KWindowGL::setRectangleTexCap(bool cap) { hasRectangleText = cap; }

short KWindowGL::getWindowWidth() { return _windowWidth; }

short KWindowGL::getWindowHeight() { return _windowHeight; }
