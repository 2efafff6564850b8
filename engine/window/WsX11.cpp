// Live pointer and button state straight from the X server. SDL keeps the
// desktop-wide pointer position cached until it sees certain input events,
// which a pointer moved by another program (or by a test) may never send;
// asking the server is always current.
#include <SDL_syswm.h>
#include <X11/Xlib.h>

#include "WsInternal.h"

namespace ws {

bool x11Pointer(int *x, int *y, bool *primaryDown) {
  SDL_Window *host = hostWindow();
  if (!host) return false;
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (!SDL_GetWindowWMInfo(host, &info) || info.subsystem != SDL_SYSWM_X11) return false;
  Display *display = info.info.x11.display;
  Window root, child;
  int rootX, rootY, winX, winY;
  unsigned int mask;
  if (!XQueryPointer(display, DefaultRootWindow(display), &root, &child, &rootX, &rootY, &winX, &winY, &mask))
    return false;
  *x = rootX;
  *y = rootY;
  *primaryDown = (mask & Button1Mask) != 0;
  return true;
}

}  // namespace ws
