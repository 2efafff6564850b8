#ifndef KVYK_H
#define KVYK_H

#include "KGraphic.h"
#include "KWindow.h"

// The factory: the only way a game gets a window or a picture. The caller
// owns what it gets and deletes it through the virtual destructor.
class KVyk {
public:
  // Both arguments are accepted for compatibility; every value gives the
  // OpenGL window.
  static KWindow *createKWindow(Erenderer renderer, bool flag);
  static KGraphic *createKGraphic();
};

#endif
