// Quarvel: start-up, the frame loop and shut-down.
#include "Game.h"
#include "KMiscTools.h"

int main() {
  if (!openGame(KMiscTools::getMilliseconds)) {
    releaseGame();
    return 1;
  }

  do {
    gameFrame();
  } while (!gameWindow->isQuit());

  // The best score is saved before anything is released.
  saveScores();
  releaseGame();
  if (publisherPageDue()) KMiscTools::launchURL(kPublisherPage, true);
  return 0;
}
