// OpenGL contexts, their drawables, and the full screen.
//
// A full screen is a real display mode when the display offers the game's
// size at the asked rate. Otherwise (most desktops today, and virtual
// displays) a borderless window covers the display and each frame, drawn
// offscreen at the game's size, is shown centred on black at the largest
// whole scale that fits; pointer positions are mapped back into the game's
// picture.
#include <cstdio>

#include "WsInternal.h"

namespace ws {

namespace {

Context *gCurrent = nullptr;

struct FullScreen {
  SDL_Window *window = nullptr;
  Context *owner = nullptr;
  bool covering = false;
  int width = 0, height = 0;        // the game's picture
  int scale = 1, left = 0, top = 0;  // where it sits in the window, y down
  int windowWidth = 0, windowHeight = 0;
} gFull;
char gFullTitle[256] = "";
DisplayModeScript gModeScript = nullptr;
int gFullScreenAttempts = 0;

// Framebuffer calls are not part of OpenGL 1.x: fetched once.
PFNGLGENFRAMEBUFFERSPROC pGenFramebuffers;
PFNGLBINDFRAMEBUFFERPROC pBindFramebuffer;
PFNGLGENRENDERBUFFERSPROC pGenRenderbuffers;
PFNGLBINDRENDERBUFFERPROC pBindRenderbuffer;
PFNGLRENDERBUFFERSTORAGEPROC pRenderbufferStorage;
PFNGLFRAMEBUFFERRENDERBUFFERPROC pFramebufferRenderbuffer;
PFNGLBLITFRAMEBUFFERPROC pBlitFramebuffer;
PFNGLDELETEFRAMEBUFFERSPROC pDeleteFramebuffers;
PFNGLDELETERENDERBUFFERSPROC pDeleteRenderbuffers;

bool loadFramebufferCalls() {
  if (pBlitFramebuffer) return true;
  pGenFramebuffers = (PFNGLGENFRAMEBUFFERSPROC)SDL_GL_GetProcAddress("glGenFramebuffers");
  pBindFramebuffer = (PFNGLBINDFRAMEBUFFERPROC)SDL_GL_GetProcAddress("glBindFramebuffer");
  pGenRenderbuffers = (PFNGLGENRENDERBUFFERSPROC)SDL_GL_GetProcAddress("glGenRenderbuffers");
  pBindRenderbuffer = (PFNGLBINDRENDERBUFFERPROC)SDL_GL_GetProcAddress("glBindRenderbuffer");
  pRenderbufferStorage = (PFNGLRENDERBUFFERSTORAGEPROC)SDL_GL_GetProcAddress("glRenderbufferStorage");
  pFramebufferRenderbuffer = (PFNGLFRAMEBUFFERRENDERBUFFERPROC)SDL_GL_GetProcAddress("glFramebufferRenderbuffer");
  pDeleteFramebuffers = (PFNGLDELETEFRAMEBUFFERSPROC)SDL_GL_GetProcAddress("glDeleteFramebuffers");
  pDeleteRenderbuffers = (PFNGLDELETERENDERBUFFERSPROC)SDL_GL_GetProcAddress("glDeleteRenderbuffers");
  PFNGLBLITFRAMEBUFFERPROC blit = (PFNGLBLITFRAMEBUFFERPROC)SDL_GL_GetProcAddress("glBlitFramebuffer");
  if (!pGenFramebuffers || !pBindFramebuffer || !pGenRenderbuffers || !pBindRenderbuffer || !pRenderbufferStorage ||
      !pFramebufferRenderbuffer || !pDeleteFramebuffers || !pDeleteRenderbuffers || !blit)
    return false;
  pBlitFramebuffer = blit;
  return true;
}

bool covers(Context *c) { return gFull.owner == c && gFull.covering; }

SDL_Window *drawableOf(Context *c) {
  if (gFull.owner == c && gFull.window) return gFull.window;
  if (c->drawable) return c->drawable->sdl;
  return hostWindow();
}

// The offscreen frame of the covering full screen, made in the context that
// is current (framebuffers are not shared between contexts).
void bindFrame(Context *c) {
  if (!covers(c)) {
    if (c->frame) pBindFramebuffer(GL_FRAMEBUFFER, 0);
    return;
  }
  if (!loadFramebufferCalls()) return;
  if (c->frame && (c->frameWidth != gFull.width || c->frameHeight != gFull.height)) {
    pDeleteFramebuffers(1, &c->frame);
    pDeleteRenderbuffers(1, &c->frameColour);
    c->frame = c->frameColour = 0;
  }
  if (!c->frame) {
    pGenRenderbuffers(1, &c->frameColour);
    pBindRenderbuffer(GL_RENDERBUFFER, c->frameColour);
    pRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, gFull.width, gFull.height);
    pGenFramebuffers(1, &c->frame);
    pBindFramebuffer(GL_FRAMEBUFFER, c->frame);
    pFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, c->frameColour);
    c->frameWidth = gFull.width;
    c->frameHeight = gFull.height;
  }
  pBindFramebuffer(GL_FRAMEBUFFER, c->frame);
}

// Shows the offscreen frame centred on black, leaving the game's GL state
// as it was.
void presentCovering(Context *c) {
  if (!c->frame) return;
  GLfloat clear[4];
  GLboolean mask[4];
  glGetFloatv(GL_COLOR_CLEAR_VALUE, clear);
  glGetBooleanv(GL_COLOR_WRITEMASK, mask);
  GLboolean scissor = glIsEnabled(GL_SCISSOR_TEST);
  glDisable(GL_SCISSOR_TEST);
  glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
  pBindFramebuffer(GL_DRAW_FRAMEBUFFER, 0);
  pBindFramebuffer(GL_READ_FRAMEBUFFER, c->frame);
  glClearColor(0, 0, 0, 1);
  glClear(GL_COLOR_BUFFER_BIT);
  int x0 = gFull.left, y0 = gFull.windowHeight - gFull.top - gFull.height * gFull.scale;
  pBlitFramebuffer(0, 0, gFull.width, gFull.height, x0, y0, x0 + gFull.width * gFull.scale,
                   y0 + gFull.height * gFull.scale, GL_COLOR_BUFFER_BIT, GL_NEAREST);
  SDL_GL_SwapWindow(gFull.window);
  pBindFramebuffer(GL_FRAMEBUFFER, c->frame);
  glClearColor(clear[0], clear[1], clear[2], clear[3]);
  glColorMask(mask[0], mask[1], mask[2], mask[3]);
  if (scissor) glEnable(GL_SCISSOR_TEST);
}

bool findMode(int width, int height, int refreshHz, SDL_DisplayMode *found) {
  int n = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < n; i++) {
    SDL_DisplayMode m;
    if (SDL_GetDisplayMode(0, i, &m) != 0) continue;
    if (m.w == width && m.h == height && (refreshHz == 0 || m.refresh_rate == refreshHz)) {
      *found = m;
      return true;
    }
  }
  return false;
}

void leaveFullScreen() {
  Context *owner = gFull.owner;
  if (!gFull.window) return;
  gFull.owner = nullptr;
  if (owner && gCurrent == owner) {
    SDL_GL_MakeCurrent(drawableOf(owner), owner->gl);
    if (owner->frame) pBindFramebuffer(GL_FRAMEBUFFER, 0);
  }
  SDL_SetWindowFullscreen(gFull.window, 0);
  SDL_DestroyWindow(gFull.window);
  gFull.window = nullptr;
}

}  // namespace

bool openGLPresent() {
  if (!videoAvailable()) return false;
  return SDL_GL_GetProcAddress("glGetString") != nullptr;
}

PixelFormat *choosePixelFormat(int deviceCount, const int *attributes) {
  if (!openGLPresent()) return nullptr;
  PixelFormat f = {false, false, 0};
  bool rgba = false;
  for (const int *a = attributes; *a != kAttrNone; a++) {
    switch (*a) {
      case kAttrRGBA: rgba = true; break;
      case kAttrDoubleBuffer: f.doubleBuffer = true; break;
      case kAttrFullScreen: f.fullScreen = true; break;
      case kAttrPixelSize: f.pixelSize = *++a; break;
      default: break;
    }
  }
  if (!rgba) return nullptr;  // colour-index formats do not exist here
  return new PixelFormat(f);
}

void destroyPixelFormat(PixelFormat *format) { delete format; }

Context *createContext(PixelFormat *format, Context *share) {
  if (!format || !hostWindow()) return nullptr;
  Context *previous = gCurrent;
  if (share) {
    if (SDL_GL_MakeCurrent(drawableOf(share), share->gl) != 0) return nullptr;
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 1);
  } else {
    SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
  }
  SDL_GLContext gl = SDL_GL_CreateContext(hostWindow());
  SDL_GL_SetAttribute(SDL_GL_SHARE_WITH_CURRENT_CONTEXT, 0);
  // Making a context does not change which one is current.
  gCurrent = nullptr;
  if (previous)
    makeCurrent(previous);
  else
    SDL_GL_MakeCurrent(hostWindow(), nullptr);
  if (!gl) return nullptr;
  return new Context{gl, nullptr, 0, 0, 0, 0, 0};
}

void destroyContext(Context *context) {
  if (!context) return;
  if (gFull.owner == context) leaveFullScreen();
  if (gCurrent == context) makeCurrent(nullptr);
  SDL_GL_DeleteContext(context->gl);  // its offscreen frame goes with it
  delete context;
}

bool setDrawable(Context *context, WsWindow *window) {
  if (!context) return false;
  if (gFull.owner == context) leaveFullScreen();
  context->drawable = window;
  if (gCurrent == context) makeCurrent(context);
  return true;
}

void setFullScreenTitle(const char *title) {
  snprintf(gFullTitle, sizeof gFullTitle, "%s", title);
  if (gFull.window) SDL_SetWindowTitle(gFull.window, gFullTitle);
}

bool setFullScreen(Context *context, int width, int height, int refreshHz) {
  gFullScreenAttempts++;
  if (!context || !videoAvailable() || width <= 0 || height <= 0) return false;
  SDL_DisplayMode mode;
  bool realMode = !gModeScript && findMode(width, height, refreshHz, &mode);
  bool accepted = gModeScript ? gModeScript(width, height, refreshHz) : (realMode || refreshHz == 0);
  if (!accepted) return false;

  if (gFull.owner && gFull.owner != context) leaveFullScreen();
  if (!gFull.window) {
    gFull.window = SDL_CreateWindow(gFullTitle, 0, 0, width, height,
                                    SDL_WINDOW_OPENGL | SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN);
    if (!gFull.window) return false;
  }
  gFull.owner = context;
  gFull.width = width;
  gFull.height = height;
  gFull.covering = !realMode;
  if (realMode) {
    SDL_SetWindowDisplayMode(gFull.window, &mode);
    SDL_SetWindowFullscreen(gFull.window, SDL_WINDOW_FULLSCREEN);
  } else {
    int dw = width, dh = height;
    displayBounds(&dw, &dh);
    SDL_SetWindowPosition(gFull.window, 0, 0);
    SDL_SetWindowSize(gFull.window, dw, dh);
  }
  SDL_ShowWindow(gFull.window);
  SDL_RaiseWindow(gFull.window);
  SDL_SetWindowInputFocus(gFull.window);

  SDL_GL_GetDrawableSize(gFull.window, &gFull.windowWidth, &gFull.windowHeight);
  if (gFull.covering) {
    int sx = gFull.windowWidth / width, sy = gFull.windowHeight / height;
    gFull.scale = sx < sy ? sx : sy;
    if (gFull.scale < 1) gFull.scale = 1;
    gFull.left = (gFull.windowWidth - width * gFull.scale) / 2;
    gFull.top = (gFull.windowHeight - height * gFull.scale) / 2;
  } else {
    gFull.scale = 1;
    gFull.left = gFull.top = 0;
  }
  if (gCurrent == context) makeCurrent(context);
  return true;
}

bool fullScreenPointer(int displayX, int displayY, int *x, int *y) {
  if (!gFull.owner || !gFull.window) return false;
  int wx, wy;
  SDL_GetWindowPosition(gFull.window, &wx, &wy);
  // Floor division, so positions left of or above the picture stay negative.
  auto toPicture = [](int v, int s) { return v >= 0 ? v / s : -((-v + s - 1) / s); };
  *x = toPicture(displayX - wx - gFull.left, gFull.scale);
  *y = toPicture(displayY - wy - gFull.top, gFull.scale);
  return true;
}

bool makeCurrent(Context *context) {
  if (!context) {
    gCurrent = nullptr;
    if (videoAvailable()) SDL_GL_MakeCurrent(hostWindow(), nullptr);
    return true;
  }
  if (SDL_GL_MakeCurrent(drawableOf(context), context->gl) != 0) return false;
  gCurrent = context;
  bindFrame(context);
  return true;
}

void updateContext(Context *context) {
  // SDL follows a drawable's size by itself; only the offscreen frame may
  // need remaking.
  if (context && gCurrent == context) bindFrame(context);
}

void setSwapInterval(Context *context, int interval) {
  if (!context) return;
  context->swapInterval = interval;
  if (gCurrent == context) SDL_GL_SetSwapInterval(interval);  // displays without it ignore it
}

int swapInterval(Context *context) { return context ? context->swapInterval : 0; }

void swapBuffers(Context *context) {
  if (!context) return;
  if (covers(context) && gCurrent == context)
    presentCovering(context);
  else if (gFull.owner == context && gFull.window)
    SDL_GL_SwapWindow(gFull.window);
  else if (context->drawable)
    SDL_GL_SwapWindow(context->drawable->sdl);
}

void setDisplayModeScript(DisplayModeScript script) { gModeScript = script; }

int fullScreenAttempts() { return gFullScreenAttempts; }

}  // namespace ws
