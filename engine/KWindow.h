#ifndef KWINDOW_H
#define KWINDOW_H

#include <cstdint>

#include "KPlatformTypes.h"
#include "KInput.h"

// Rendering back ends a window can be made for. OpenGL is the only one.
enum Erenderer {
  K_OPENGL = 1,
};

// Event type codes handed to the engine-level callback.
enum {
  K_EVENT_NONE = 0,
  K_EVENT_MOUSEMOVE = 1,
  K_EVENT_MOUSEUP = 2,
  K_EVENT_MOUSEDOWN = 3,
  K_EVENT_KEYPRESS = 5,
  K_EVENT_KEYDOWN = 6,
  K_EVENT_KEYUP = 7,
  K_EVENT_WHEEL = 11,
};

// The record passed to the callback installed with setVykCallBack. It lives
// on the event handler's stack: a callback must not keep its address.
struct KEvent {
  int32_t type;
  int32_t mouseX;
  int32_t mouseY;
  int32_t mouseButton;
  int16_t wheelDelta;
  uint8_t charCode;
  uint32_t macKeyCode;
  EventRef platformEvent;
  EKeyboardLayout key;
};

// The game's window with its drawing context. Abstract: made by
// KVyk::createKWindow, deleted by its owner.
class KWindow {
public:
  virtual void setDefaultWorldView() = 0;
  virtual void setWorldView(float offsetX, float offsetY, float angle, float zoom, bool clear) = 0;
  virtual void setClearColor(float red, float green, float blue, float alpha) = 0;
  virtual ~KWindow() {}
  virtual bool createGameWindow(short width, short height, short depth, bool windowed, const char *title) = 0;
  virtual void terminate() = 0;
  virtual void toggleFullScreen(bool fullScreen) = 0;
  virtual bool hasFocus() = 0;
  virtual void setTitle(const char *title) = 0;
  virtual void flipBackBuffer(bool waitWhileInactive, bool restoreView) = 0;
  virtual void processEvents() = 0;
  virtual bool isQuit() = 0;
  virtual WindowRef getWindowHandle() = 0;
  virtual void setMaxFrameRate(long framesPerSecond) = 0;
  virtual bool getRectangleTexCap() = 0;
  virtual bool getAccelerationCap() = 0;
  virtual void setRectangleTexCap(bool cap) = 0;
  virtual void setGamma(float gamma) = 0;
  virtual short getWindowWidth() = 0;
  virtual short getWindowHeight() = 0;
  virtual void restore() = 0;
  virtual void minimize() = 0;
  virtual void setCallBack(bool (*callBack)(EventRef)) = 0;
  virtual void setVykCallBack(bool (*callBack)(KEvent *)) = 0;
};

#endif
