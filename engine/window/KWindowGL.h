#ifndef KWINDOWGL_H
#define KWINDOWGL_H

#include <cstdint>

#include "KWindow.h"
#include "WindowSystem.h"

// The OpenGL window: a window or the whole screen, with its contexts, frame
// pacing, events and display fades. One exists at a time; its size, depth,
// quit flag and rectangle-texture capability are class-wide.
class KWindowGL : public KWindow {
public:
  KWindowGL();

  void setDefaultWorldView() override;
  void setWorldView(float offsetX, float offsetY, float angle, float zoom, bool clear) override;
  void setClearColor(float red, float green, float blue, float alpha) override;
  ~KWindowGL() override;
  bool createGameWindow(short width, short height, short depth, bool windowed, const char *title) override;
  void terminate() override;
  void toggleFullScreen(bool fullScreen) override;
  bool hasFocus() override;
  void setTitle(const char *title) override;
  void flipBackBuffer(bool waitWhileInactive, bool restoreView) override;
  void processEvents() override;
  bool isQuit() override;
  WindowRef getWindowHandle() override;
  void setMaxFrameRate(long framesPerSecond) override;
  bool getRectangleTexCap() override;
  bool getAccelerationCap() override;
  void setRectangleTexCap(bool cap) override;
  void setGamma(float gamma) override;
  short getWindowWidth() override;
  short getWindowHeight() override;
  void restore() override;
  void minimize() override;
  void setCallBack(bool (*callBack)(EventRef)) override;
  void setVykCallBack(bool (*callBack)(KEvent *)) override;

  void detectCaps();
  void doGammaAdjustment();
  void fadeToIntensity(float intensity);
  bool SwitchToResolution(short width, short height, short depth);
  // The display is always the main one here, so the device is its index.
  ws::Context *SetupAGLFullScreen(int device, short *depth, short *width, short *height);
  void setUpEventHandlers();
  void disposeHandlers();
  static void utiliser(EventRef event);
  static int VykMainWindowEventHandler(EventHandlerCallRef callRef, EventRef event, void *userData);

  // Fields, public so that tests can see the state the operations leave.
  float _savedRed[256];
  float _savedGreen[256];
  float _savedBlue[256];
  ws::Context *_currentContext;
  ws::Context *_windowContext;
  ws::Context *_fullScreenContext;
  WsWindow *_windowHandle;
  bool (*_eventCallBack)(EventRef);
  bool (*_vykCallBack)(KEvent *);
  short _fullScreenFrequency;
  char _title[256];
  bool _minimized;
  uint32_t _frameDelay;
  bool _fullScreen;
  bool _accelerationCap;
  float _gamma;

  static bool _quitGL;
  static bool hasRectangleText;
  static short _windowWidth;
  static short _windowHeight;
  static short _windowDepth;
  static uint32_t _lastFlipTime;
};

// The installed engine handler and its procedure, none when not installed.
extern ws::Handler *vykHandler1;
extern ws::HandlerProc *VykHandlerUpp1;

#endif
