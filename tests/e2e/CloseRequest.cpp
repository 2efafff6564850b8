// Kept apart: Xlib's macros clash with the test framework's names.
#include <X11/Xlib.h>

#include "e2e/GameProcess.h"

bool sendCloseRequest(unsigned long window) {
  Display *d = XOpenDisplay(nullptr);
  if (!d) return false;
  XEvent e = {};
  e.xclient.type = ClientMessage;
  e.xclient.window = window;
  e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  e.xclient.format = 32;
  e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
  e.xclient.data.l[1] = CurrentTime;
  Status ok = XSendEvent(d, window, False, NoEventMask, &e);
  XCloseDisplay(d);
  return ok != 0;
}
