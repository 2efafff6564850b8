#ifndef WSINTERNAL_H
#define WSINTERNAL_H

// What the layer's own files share; nothing outside the layer includes it.
#include <SDL.h>
#include <SDL_opengl.h>

#include <vector>

#include "WindowSystem.h"

struct WsWindow {
  SDL_Window *sdl;
};

namespace ws {

struct PixelFormat {
  bool doubleBuffer;
  bool fullScreen;
  int pixelSize;
};

struct Context {
  SDL_GLContext gl;
  WsWindow *drawable;  // attached window, or null
  int swapInterval;
  // Where the picture is drawn while the context covers the display: an
  // offscreen frame of the game's size, shown centred at each swap.
  GLuint frame, frameColour;
  int frameWidth, frameHeight;
};

struct HandlerProc {
  HandlerFn fn;
};

struct Handler {
  WsWindow *target;
  HandlerProc *proc;
  std::vector<EventKind> kinds;
  void *userData;
};

// The hidden window that contexts are made on and that stands in for "no
// drawable".
SDL_Window *hostWindow();
// In full screen, turns a position on the display into one in the game's
// picture; false when not in full screen.
bool fullScreenPointer(int displayX, int displayY, int *x, int *y);

// The pointer on the whole display and the primary button, asked of the X
// server; false where the desktop is not X11.
bool x11Pointer(int *x, int *y, bool *primaryDown);

}  // namespace ws

#endif
