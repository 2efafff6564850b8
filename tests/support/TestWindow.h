#ifndef TESTWINDOW_H
#define TESTWINDOW_H

// A real window with a current OpenGL context for tests that look at
// pixels, and a sink that collects message boxes instead of showing them.
#include <GL/gl.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "AppServices.h"
#include "KVyk.h"

struct CapturedMessages {
  static std::vector<std::string> &list() {
    static std::vector<std::string> messages;
    return messages;
  }
  static void sink(const char *a, const char *b) { list().push_back(std::string(a) + "|" + b); }
  CapturedMessages() {
    list().clear();
    appsvc::setMessageSink(sink);
  }
  ~CapturedMessages() { appsvc::setMessageSink(nullptr); }
};

struct TestWindow {
  KWindow *window;
  int width, height;
  explicit TestWindow(int w = 640, int h = 480, const char *title = "test") : width(w), height(h) {
    window = KVyk::createKWindow(K_OPENGL, false);
    opened = window->createGameWindow((short)w, (short)h, 32, true, title);
    window->setDefaultWorldView();
  }
  ~TestWindow() { delete window; }
  bool opened;

  // Colour of a pixel of the frame being drawn, x from the left, y from the
  // top, as red, green, blue, alpha.
  std::array<uint8_t, 4> pixel(int x, int y) const {
    std::array<uint8_t, 4> p{};
    glFinish();
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, height - 1 - y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, p.data());
    return p;
  }
  void clear(float r, float g, float b) {
    window->setClearColor(r, g, b, 1);
    window->setWorldView(0, 0, 0, 1, true);
  }
};

#endif
