// The window-system layer on SDL2. See WindowSystem.h for the model.
#include "WindowSystem.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <vector>

#include "WsInternal.h"

namespace ws {

namespace {

bool gTried = false;
bool gVideo = false;
WsWindow *gPort = nullptr;
std::vector<Handler *> gHandlers;
std::deque<WsEvent> gPosted;
ScriptedInput *gScript = nullptr;
GammaObserver gGammaObserver = nullptr;
CursorCalls gCursorCalls = {0, 0, 0, 0};
int gDisplayCursorLevel = 0;  // 0 shown, below 0 hidden
int gCursorLevel = 0;

void applyCursor() {
  if (!videoAvailable()) return;
  SDL_ShowCursor((gDisplayCursorLevel >= 0 && gCursorLevel >= 0) ? SDL_ENABLE : SDL_DISABLE);
}

// Virtual key codes of the old platform's US keyboard, by SDL scan code.
struct KeyMapEntry {
  SDL_Scancode scancode;
  uint8_t mac;
};
const KeyMapEntry kKeys[] = {
    {SDL_SCANCODE_A, 0x00}, {SDL_SCANCODE_S, 0x01}, {SDL_SCANCODE_D, 0x02}, {SDL_SCANCODE_F, 0x03},
    {SDL_SCANCODE_H, 0x04}, {SDL_SCANCODE_G, 0x05}, {SDL_SCANCODE_Z, 0x06}, {SDL_SCANCODE_X, 0x07},
    {SDL_SCANCODE_C, 0x08}, {SDL_SCANCODE_V, 0x09}, {SDL_SCANCODE_NONUSBACKSLASH, 0x0A}, {SDL_SCANCODE_B, 0x0B},
    {SDL_SCANCODE_Q, 0x0C}, {SDL_SCANCODE_W, 0x0D}, {SDL_SCANCODE_E, 0x0E}, {SDL_SCANCODE_R, 0x0F},
    {SDL_SCANCODE_Y, 0x10}, {SDL_SCANCODE_T, 0x11}, {SDL_SCANCODE_1, 0x12}, {SDL_SCANCODE_2, 0x13},
    {SDL_SCANCODE_3, 0x14}, {SDL_SCANCODE_4, 0x15}, {SDL_SCANCODE_6, 0x16}, {SDL_SCANCODE_5, 0x17},
    {SDL_SCANCODE_EQUALS, 0x18}, {SDL_SCANCODE_9, 0x19}, {SDL_SCANCODE_7, 0x1A}, {SDL_SCANCODE_MINUS, 0x1B},
    {SDL_SCANCODE_8, 0x1C}, {SDL_SCANCODE_0, 0x1D}, {SDL_SCANCODE_RIGHTBRACKET, 0x1E}, {SDL_SCANCODE_O, 0x1F},
    {SDL_SCANCODE_U, 0x20}, {SDL_SCANCODE_LEFTBRACKET, 0x21}, {SDL_SCANCODE_I, 0x22}, {SDL_SCANCODE_P, 0x23},
    {SDL_SCANCODE_RETURN, 0x24}, {SDL_SCANCODE_L, 0x25}, {SDL_SCANCODE_J, 0x26}, {SDL_SCANCODE_APOSTROPHE, 0x27},
    {SDL_SCANCODE_K, 0x28}, {SDL_SCANCODE_SEMICOLON, 0x29}, {SDL_SCANCODE_BACKSLASH, 0x2A},
    {SDL_SCANCODE_COMMA, 0x2B}, {SDL_SCANCODE_SLASH, 0x2C}, {SDL_SCANCODE_N, 0x2D}, {SDL_SCANCODE_M, 0x2E},
    {SDL_SCANCODE_PERIOD, 0x2F}, {SDL_SCANCODE_TAB, 0x30}, {SDL_SCANCODE_SPACE, 0x31}, {SDL_SCANCODE_GRAVE, 0x32},
    {SDL_SCANCODE_BACKSPACE, 0x33}, {SDL_SCANCODE_ESCAPE, 0x35},
    // Either Super key is Command, so Command-Q works with both hands.
    {SDL_SCANCODE_LGUI, 0x37}, {SDL_SCANCODE_RGUI, 0x37},
    {SDL_SCANCODE_LSHIFT, 0x38}, {SDL_SCANCODE_CAPSLOCK, 0x39}, {SDL_SCANCODE_LALT, 0x3A},
    {SDL_SCANCODE_LCTRL, 0x3B}, {SDL_SCANCODE_RSHIFT, 0x3C}, {SDL_SCANCODE_RALT, 0x3D},
    {SDL_SCANCODE_RCTRL, 0x3E}, {SDL_SCANCODE_KP_PERIOD, 0x41}, {SDL_SCANCODE_KP_MULTIPLY, 0x43},
    {SDL_SCANCODE_KP_PLUS, 0x45}, {SDL_SCANCODE_NUMLOCKCLEAR, 0x47}, {SDL_SCANCODE_KP_DIVIDE, 0x4B},
    {SDL_SCANCODE_KP_ENTER, 0x4C}, {SDL_SCANCODE_KP_MINUS, 0x4E}, {SDL_SCANCODE_KP_EQUALS, 0x51},
    {SDL_SCANCODE_KP_0, 0x52}, {SDL_SCANCODE_KP_1, 0x53}, {SDL_SCANCODE_KP_2, 0x54}, {SDL_SCANCODE_KP_3, 0x55},
    {SDL_SCANCODE_KP_4, 0x56}, {SDL_SCANCODE_KP_5, 0x57}, {SDL_SCANCODE_KP_6, 0x58}, {SDL_SCANCODE_KP_7, 0x59},
    {SDL_SCANCODE_KP_8, 0x5B}, {SDL_SCANCODE_KP_9, 0x5C}, {SDL_SCANCODE_F5, 0x60}, {SDL_SCANCODE_F6, 0x61},
    {SDL_SCANCODE_F7, 0x62}, {SDL_SCANCODE_F3, 0x63}, {SDL_SCANCODE_F8, 0x64}, {SDL_SCANCODE_F9, 0x65},
    {SDL_SCANCODE_F11, 0x67}, {SDL_SCANCODE_F13, 0x69}, {SDL_SCANCODE_F14, 0x6B}, {SDL_SCANCODE_F10, 0x6D},
    {SDL_SCANCODE_F12, 0x6F}, {SDL_SCANCODE_F15, 0x71}, {SDL_SCANCODE_INSERT, 0x72}, {SDL_SCANCODE_HOME, 0x73},
    {SDL_SCANCODE_PAGEUP, 0x74}, {SDL_SCANCODE_DELETE, 0x75}, {SDL_SCANCODE_F4, 0x76}, {SDL_SCANCODE_END, 0x77},
    {SDL_SCANCODE_F2, 0x78}, {SDL_SCANCODE_PAGEDOWN, 0x79}, {SDL_SCANCODE_F1, 0x7A}, {SDL_SCANCODE_LEFT, 0x7B},
    {SDL_SCANCODE_RIGHT, 0x7C}, {SDL_SCANCODE_DOWN, 0x7D}, {SDL_SCANCODE_UP, 0x7E},
};

bool translate(const SDL_Event &e, WsEvent *out) {
  memset(out, 0, sizeof *out);
  out->kind = kEventOther;
  switch (e.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      out->kind = e.type == SDL_MOUSEBUTTONDOWN ? kEventMouseDown : kEventMouseUp;
      out->hasButton = true;
      // The old numbering puts the secondary (right) button second.
      int b = e.button.button;
      out->button = b == SDL_BUTTON_RIGHT ? 2 : b == SDL_BUTTON_MIDDLE ? 3 : b;
      break;
    }
    case SDL_MOUSEMOTION:
      out->kind = kEventMouseMoved;
      break;
    case SDL_MOUSEWHEEL:
      out->kind = kEventMouseWheel;
      out->hasWheel = true;
      out->wheelDelta = e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -e.wheel.y : e.wheel.y;
      break;
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
      out->kind = e.type == SDL_KEYUP ? kEventKeyUp : e.key.repeat ? kEventKeyRepeat : kEventKeyDown;
      int mac = macKeyForScancode(e.key.keysym.scancode);
      if (mac >= 0) {
        out->hasKey = true;
        out->macKeyCode = (uint32_t)mac;
      }
      SDL_Keycode sym = e.key.keysym.sym;
      if (sym > 0 && sym < 128) {
        out->hasChar = true;
        out->charCode = (uint8_t)sym;
      }
      break;
    }
    case SDL_WINDOWEVENT:
      if (e.window.event == SDL_WINDOWEVENT_CLOSE) out->kind = kEventWindowClose;
      break;
    case SDL_QUIT:  // the desktop asks the program to end (signals too)
      out->kind = kEventWindowClose;
      break;
    default:
      break;
  }
  return true;
}

}  // namespace

SDL_Window *hostWindow() {
  static SDL_Window *host = nullptr;
  if (!host && videoAvailable())
    host = SDL_CreateWindow("", 0, 0, 1, 1, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
  return host;
}

// ---- start-up ---------------------------------------------------------------

bool videoAvailable() {
  if (gTried) return gVideo;
  gTried = true;
  SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");
  // A desktop is needed: never fall back on an invisible off-screen driver.
  // SDL_VIDEODRIVER in the environment still wins.
  const char *wayland = getenv("WAYLAND_DISPLAY");
  SDL_SetHint(SDL_HINT_VIDEODRIVER, wayland && wayland[0] ? "wayland,x11" : "x11");
  SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
    fprintf(stderr, "Quarvel: no display can be opened (%s)\n", SDL_GetError());
    return false;
  }
  gVideo = true;
  // Key presses are read as keys; no text input events are wanted.
  SDL_StopTextInput();
  // Every window gets the same visual, so any context can draw into any
  // window. No depth buffer: the engine draws in 2D.
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 5);
  SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 5);
  SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 5);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 0);
  return true;
}

// ---- display -----------------------------------------------------------------

bool displayBounds(int *width, int *height) {
  SDL_Rect r;
  if (!videoAvailable() || SDL_GetDisplayBounds(0, &r) != 0) return false;
  *width = r.w;
  *height = r.h;
  return true;
}

bool displayDepth(int *bits) {
  SDL_DisplayMode mode;
  if (!videoAvailable() || SDL_GetDesktopDisplayMode(0, &mode) != 0) return false;
  *bits = SDL_BITSPERPIXEL(mode.format);
  return true;
}

bool setDisplayDepth(int bits) {
  // Desktops here keep their own depth; the drawing context converts.
  return false;
}

bool readGammaTables(float red[256], float green[256], float blue[256]) {
  Uint16 r[256], g[256], b[256];
  bool ok = hostWindow() && SDL_GetWindowGammaRamp(hostWindow(), r, g, b) == 0;
  for (int i = 0; i < 256; i++) {
    red[i] = ok ? r[i] / 65535.0f : i / 255.0f;
    green[i] = ok ? g[i] / 65535.0f : i / 255.0f;
    blue[i] = ok ? b[i] / 65535.0f : i / 255.0f;
  }
  return ok;
}

bool writeGammaTables(const float red[256], const float green[256], const float blue[256]) {
  if (gGammaObserver) gGammaObserver(red, green, blue);
  if (!hostWindow()) return false;
  Uint16 r[256], g[256], b[256];
  auto level = [](float v) { return (Uint16)(std::min(std::max(v, 0.0f), 1.0f) * 65535.0f + 0.5f); };
  for (int i = 0; i < 256; i++) {
    r[i] = level(red[i]);
    g[i] = level(green[i]);
    b[i] = level(blue[i]);
  }
  return SDL_SetWindowGammaRamp(hostWindow(), r, g, b) == 0;
}

void setGammaObserver(GammaObserver observer) { gGammaObserver = observer; }

// ---- windows ------------------------------------------------------------------

WsWindow *createWindow(int left, int top, int width, int height, bool closeBox, bool collapseBox) {
  if (!videoAvailable()) return nullptr;
  hostWindow();
  SDL_Window *w = SDL_CreateWindow("", left, top, width, height, SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
  if (!w) return nullptr;
  WsWindow *win = new WsWindow;
  win->sdl = w;
  return win;
}

void destroyWindow(WsWindow *window) {
  if (!window) return;
  if (gPort == window) gPort = nullptr;
  for (Handler *h : gHandlers)
    if (h->target == window) h->target = nullptr;
  SDL_DestroyWindow(window->sdl);
  delete window;
}

void showWindow(WsWindow *window) { SDL_ShowWindow(window->sdl); }

void raiseWindow(WsWindow *window) {
  SDL_RaiseWindow(window->sdl);
  // Without a window manager nobody else hands out the keyboard.
  if (SDL_GetWindowFlags(window->sdl) & SDL_WINDOW_SHOWN) SDL_SetWindowInputFocus(window->sdl);
}

void windowBounds(WsWindow *window, int *left, int *top, int *width, int *height) {
  SDL_GetWindowPosition(window->sdl, left, top);
  SDL_GetWindowSize(window->sdl, width, height);
}

void setWindowTitle(WsWindow *window, const char *title) { SDL_SetWindowTitle(window->sdl, title); }

void collapseWindow(WsWindow *window) { SDL_MinimizeWindow(window->sdl); }

void expandWindow(WsWindow *window) { SDL_RestoreWindow(window->sdl); }

bool windowHasFocus(WsWindow *window) {
  SDL_PumpEvents();
  return (SDL_GetWindowFlags(window->sdl) & SDL_WINDOW_INPUT_FOCUS) != 0;
}

void setCurrentPort(WsWindow *window) { gPort = window; }

void hideMenuBar() {}

void showMenuBar() {}

// ---- events --------------------------------------------------------------------

HandlerProc *newHandlerProc(HandlerFn fn) { return fn ? new HandlerProc{fn} : nullptr; }

void disposeHandlerProc(HandlerProc *proc) { delete proc; }

Handler *installHandler(WsWindow *window, HandlerProc *proc, const EventType *types, int count, void *userData) {
  if (!proc) return nullptr;
  Handler *h = new Handler{window, proc, {}, userData};
  for (int i = 0; i < count; i++) h->kinds.push_back(types[i].kind);
  gHandlers.push_back(h);
  return h;
}

void removeHandler(Handler *handler) {
  auto it = std::find(gHandlers.begin(), gHandlers.end(), handler);
  if (it != gHandlers.end()) gHandlers.erase(it);
  delete handler;
}

bool receiveNextEvent(WsEvent **event) {
  if (!gPosted.empty()) {
    *event = new WsEvent(gPosted.front());
    gPosted.pop_front();
    return true;
  }
  if (!videoAvailable()) return false;
  SDL_Event e;
  if (!SDL_PollEvent(&e)) return false;
  WsEvent *out = new WsEvent;
  translate(e, out);
  *event = out;
  return true;
}

void dispatchEvent(WsEvent *event) {
  // Handlers may be removed or installed while one runs (a callback that
  // switches modes), so walk a copy and skip any that went away.
  std::vector<Handler *> snapshot = gHandlers;
  std::stable_partition(snapshot.begin(), snapshot.end(), [](Handler *h) { return h->target != nullptr; });
  for (Handler *h : snapshot) {
    if (std::find(gHandlers.begin(), gHandlers.end(), h) == gHandlers.end()) continue;
    if (std::find(h->kinds.begin(), h->kinds.end(), event->kind) == h->kinds.end()) continue;
    if (h->proc->fn(nullptr, event, h->userData) == kHandled) return;
  }
  // The standard handling of everything else is SDL's own.
}

void releaseEvent(WsEvent *event) { delete event; }

// ---- live input ------------------------------------------------------------------

int macKeyForScancode(int scancode) {
  for (const KeyMapEntry &k : kKeys)
    if (k.scancode == scancode) return k.mac;
  return -1;
}

void readKeyMap(uint8_t map[16]) {
  if (gScript) {
    memcpy(map, gScript->keyMap, 16);
    return;
  }
  memset(map, 0, 16);
  if (!videoAvailable()) return;
  SDL_PumpEvents();  // fresh state without taking events off the queue
  int n = 0;
  const Uint8 *state = SDL_GetKeyboardState(&n);
  for (const KeyMapEntry &k : kKeys)
    if (k.scancode < n && state[k.scancode]) map[k.mac >> 3] |= (uint8_t)(1u << (k.mac & 7));
}

void readPointer(int *x, int *y) {
  if (gScript) {
    *x = gScript->pointerX;
    *y = gScript->pointerY;
    return;
  }
  *x = *y = 0;
  if (!videoAvailable()) return;
  int gx, gy;
  bool down;
  if (!x11Pointer(&gx, &gy, &down)) SDL_GetGlobalMouseState(&gx, &gy);
  // Full screen: positions count from the picture's corner, in its pixels.
  if (fullScreenPointer(gx, gy, x, y)) return;
  int ox = 0, oy = 0;
  if (gPort) SDL_GetWindowPosition(gPort->sdl, &ox, &oy);
  *x = gx - ox;
  *y = gy - oy;
}

bool primaryButtonDown() {
  if (gScript) return gScript->button;
  if (!videoAvailable()) return false;
  int x, y;
  bool down;
  if (x11Pointer(&x, &y, &down)) return down;
  return (SDL_GetGlobalMouseState(nullptr, nullptr) & SDL_BUTTON_LMASK) != 0;
}

void initCursor() {
  gCursorLevel = 0;
  applyCursor();
}

void displayShowCursor() {
  gCursorCalls.displayShow++;
  if (gDisplayCursorLevel < 0) gDisplayCursorLevel++;
  applyCursor();
}

void displayHideCursor() {
  gCursorCalls.displayHide++;
  gDisplayCursorLevel--;
  applyCursor();
}

void showCursor() {
  gCursorCalls.show++;
  if (gCursorLevel < 0) gCursorLevel++;  // showing never goes above "shown"
  applyCursor();
}

void hideCursor() {
  gCursorCalls.hide++;
  gCursorLevel--;
  applyCursor();
}

// ---- test seams ----------------------------------------------------------------

void setScriptedInput(ScriptedInput *input) { gScript = input; }

ScriptedInput *scriptedInput() { return gScript; }

void postEvent(const WsEvent &event) { gPosted.push_back(event); }

CursorCalls cursorCalls() { return gCursorCalls; }

bool cursorVisible() { return gDisplayCursorLevel >= 0 && gCursorLevel >= 0; }

}  // namespace ws
