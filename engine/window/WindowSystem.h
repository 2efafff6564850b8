#ifndef WINDOWSYSTEM_H
#define WINDOWSYSTEM_H

// The window-system layer: windows, OpenGL contexts, the event queue with its
// handlers, live key/pointer/button state, the pointer, and the display's
// gamma tables and depth. The engine's window and input classes reach the
// platform only through here; one implementation sits on SDL2.
//
// The model is that of a context that lives apart from what it draws into:
// a context is made from a pixel format, then attached to a window (or the
// full screen), detached, and attached again, keeping its textures.

#include <cstdint>

#include "KPlatformTypes.h"

namespace ws {

// ---- start-up ---------------------------------------------------------

// Brings the video side up on first use. False when no display can be
// opened (no X server, say); every other call then fails quietly.
bool videoAvailable();

// ---- display ------------------------------------------------------------

// Size of the main display: the area a new window is centred in.
bool displayBounds(int *width, int *height);
// Current colour depth of the main display in bits per pixel.
bool displayDepth(int *bits);
// Asks the display for another depth; displays that cannot switch ignore it.
bool setDisplayDepth(int bits);
// The display's colour transfer tables: 256 levels from 0 to 1 per channel.
// Where the display has no tables, reading gives the identity ramp and
// writing still reaches the table observer below.
bool readGammaTables(float red[256], float green[256], float blue[256]);
bool writeGammaTables(const float red[256], const float green[256], const float blue[256]);
typedef void (*GammaObserver)(const float red[256], const float green[256], const float blue[256]);
void setGammaObserver(GammaObserver observer);

// ---- windows ------------------------------------------------------------

// A document window with its content area at (left, top) of the display,
// hidden until showWindow. Null on failure.
WsWindow *createWindow(int left, int top, int width, int height, bool closeBox, bool collapseBox);
void destroyWindow(WsWindow *window);
void showWindow(WsWindow *window);
// Bring to the front and give it the keyboard.
void raiseWindow(WsWindow *window);
void setWindowTitle(WsWindow *window, const char *title);
void collapseWindow(WsWindow *window);
void expandWindow(WsWindow *window);
// Where the content area of the window is on the display, and its size.
void windowBounds(WsWindow *window, int *left, int *top, int *width, int *height);
// The title the full-screen covering window shows to the desktop.
void setFullScreenTitle(const char *title);
// The window has the keyboard focus (it is the highlighted, active window).
bool windowHasFocus(WsWindow *window);

// The area pointer positions are measured in: a window's content area, or
// the whole display when null.
void setCurrentPort(WsWindow *window);

// The menu bar does not exist here; these keep the engine's calls honest.
void hideMenuBar();
void showMenuBar();

// ---- OpenGL contexts ------------------------------------------------------

// Attribute list values, ending with kAttrNone.
enum {
  kAttrNone = 0,
  kAttrRGBA = 4,
  kAttrDoubleBuffer = 5,
  kAttrPixelSize = 50,
  kAttrFullScreen = 54,
  kAttrSingleRenderer = 71,
  kAttrNoRecovery = 72,
  kAttrAccelerated = 73,
};

struct PixelFormat;
struct Context;

// False when no OpenGL library can be loaded at all.
bool openGLPresent();
PixelFormat *choosePixelFormat(int deviceCount, const int *attributes);
void destroyPixelFormat(PixelFormat *format);
// A context that shares texture objects with `share` (when given).
Context *createContext(PixelFormat *format, Context *share);
void destroyContext(Context *context);
// Attach to a window's content area, or detach with null (which also ends
// full screen).
bool setDrawable(Context *context, WsWindow *window);
// Attach to the full screen at width by height and a refresh rate in Hz
// (0: any rate). False when the display refuses.
bool setFullScreen(Context *context, int width, int height, int refreshHz);
// Makes the context current (null: none). False on failure.
bool makeCurrent(Context *context);
void updateContext(Context *context);
void setSwapInterval(Context *context, int interval);
int swapInterval(Context *context);
void swapBuffers(Context *context);

// ---- events --------------------------------------------------------------

enum EventKind {
  kEventOther = 0,
  kEventMouseDown,
  kEventMouseUp,
  kEventMouseMoved,
  kEventMouseWheel,
  kEventKeyDown,
  kEventKeyRepeat,
  kEventKeyUp,
  kEventWindowClose,
};

}  // namespace ws

// One platform event. Parameters an event does not carry are marked absent.
struct WsEvent {
  ws::EventKind kind;
  bool hasButton;
  int button;  // 1 primary, 2 secondary, 3 third
  bool hasWheel;
  int32_t wheelDelta;
  bool hasKey;
  uint32_t macKeyCode;
  bool hasChar;
  uint8_t charCode;
};

namespace ws {

// Answers of a handler: the event was handled, or handling goes on.
enum { kHandled = 0, kNotHandled = -9874 };
typedef int (*HandlerFn)(EventHandlerCallRef call, EventRef event, void *userData);
struct HandlerProc;
struct Handler;
struct EventType {
  EventKind kind;
};

HandlerProc *newHandlerProc(HandlerFn fn);
void disposeHandlerProc(HandlerProc *proc);
// Installs on a window, or on the application when window is null.
Handler *installHandler(WsWindow *window, HandlerProc *proc, const EventType *types, int count, void *userData);
void removeHandler(Handler *handler);

// Takes the next pending event without waiting; false when none.
bool receiveNextEvent(WsEvent **event);
// Runs the installed handlers for the event, then the standard handling.
void dispatchEvent(WsEvent *event);
void releaseEvent(WsEvent *event);

// ---- live input ------------------------------------------------------------

// The 128-bit key map: bit (c mod 8) of byte (c div 8) set while the key of
// virtual key code c is down.
void readKeyMap(uint8_t map[16]);
// Pointer position in the current port, y downwards.
void readPointer(int *x, int *y);
bool primaryButtonDown();

// Virtual key code of a platform scan code, or -1 when the key has none.
int macKeyForScancode(int scancode);

// Pointer visibility: the display's and the toolbox's show/hide each nest.
void initCursor();
void displayShowCursor();
void displayHideCursor();
void showCursor();
void hideCursor();

// ---- test seams -------------------------------------------------------------

// A scripted input source replaces the live key map, pointer, button and
// event queue, so tests and tools drive the engine without a person.
struct ScriptedInput {
  uint8_t keyMap[16];
  int pointerX, pointerY;  // in the current port
  bool button;
};
// Null returns to live input.
void setScriptedInput(ScriptedInput *input);
ScriptedInput *scriptedInput();
// Queues an event ahead of the platform's own.
void postEvent(const WsEvent &event);
// Counts of calls that reached the pointer: tests check the balance.
struct CursorCalls {
  int displayShow, displayHide, show, hide;
};
CursorCalls cursorCalls();
// A display whose modes the test decides: the script answers whether the
// game's size at a rate (0: any) is accepted. Null returns to the real one.
typedef bool (*DisplayModeScript)(int width, int height, int refreshHz);
void setDisplayModeScript(DisplayModeScript script);
// Full-screen attach attempts so far.
int fullScreenAttempts();
// Whether the pointer is visible after all nesting.
bool cursorVisible();

}  // namespace ws

#endif
