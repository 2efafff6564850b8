// Quarvel: start-up, the frame loop and shut-down.
#include <cstdlib>

#include "KMiscTools.h"
#include "KVyk.h"

KWindow *gameWindow = nullptr;

// One pass of the frame loop: everything between two presented frames.
static void gameFrame() {
  gameWindow->setDefaultWorldView();
  gameWindow->flipBackBuffer(true, true);
}

int main() {
  KMiscTools::setFileSource(true);
  gameWindow = KVyk::createKWindow(K_OPENGL, false);
  // Without a display and a drawing context there is nothing to run; the
  // window has already told the user why.
  if (!gameWindow->createGameWindow(640, 480, 16, false, "Quarvel")) {
    delete gameWindow;
    return 1;
  }
  gameWindow->setMaxFrameRate(75);

  do {
    gameFrame();
  } while (!gameWindow->isQuit());

  delete gameWindow;
  gameWindow = nullptr;
  return 0;
}
