// Start-up, the frame and the release of everything the game made.
#include <cstdlib>

#include "Game.h"
#include "KMiscTools.h"
#include "KVyk.h"

KWindow *gameWindow = nullptr;
KGraphic *surf_sprites = nullptr;
KGraphic *surf_panel = nullptr;
KGraphic *surf_background = nullptr;
KAudio *snd_down = nullptr;
KAudio *snd_break = nullptr;
KAudio *snd_wheel = nullptr;
KAudio *snd_gameov = nullptr;
bool gameOver = true;
int32_t brickType = 0;
int32_t ballColor = 0;

// A reserved example domain until the publisher has a page of its own.
const char *const kPublisherPage = "https://www.example.com/quarvel";

static KAudio *loadSound(const char *name) {
  KAudio *sound = new KAudio();
  sound->loadSample(KMiscTools::makeFilePath(name), 100, false, 1);
  return sound;
}

bool openGame(uint32_t (*seedSource)()) {
  KMiscTools::setFileSource(true);
  gameWindow = KVyk::createKWindow(K_OPENGL, false);
  // The frame loop needs a display and a drawing context: without them
  // there is nothing to run.
  if (!gameWindow->createGameWindow(640, 480, 16, false, "Quarvel")) return false;
  gameWindow->setMaxFrameRate(75);

  gHighscore = 0;
  loadScores();

  surf_panel = KVyk::createKGraphic();
  surf_panel->loadPicture(KMiscTools::makeFilePath("data\\panel.tga"), true, true);
  surf_sprites = KVyk::createKGraphic();
  surf_sprites->loadPicture(KMiscTools::makeFilePath("data\\sprites.tga"), true, true);

  srand(seedSource());
  surf_background = KVyk::createKGraphic();
  // The brick style takes its random number before the background does, so
  // one seed always gives the same brick style, background and ball colour.
  brickType = rand() % 4;
  if (rand() % 2 == 1) {
    surf_background->loadPicture(KMiscTools::makeFilePath("data\\background1.tga"), true, true);
    ballColor = 0;
  } else {
    surf_background->loadPicture(KMiscTools::makeFilePath("data\\background2.tga"), true, true);
    ballColor = 57;
  }

  snd_down = loadSound("data\\down.ogg");
  snd_break = loadSound("data\\break.ogg");
  snd_break->setVolume(50);
  snd_wheel = loadSound("data\\wall.ogg");
  snd_gameov = loadSound("data\\gameover.ogg");

  resetWallOfBricks();
  resetBall();
  gScore = 0;
  gameOver = true;
  return true;
}

void gameFrame() {
  gameWindow->setDefaultWorldView();
  surf_background->blitAlphaRect(0, 0, surf_background->getWidth(), surf_background->getHeight(), 20, 23, false,
                                 false);
  // The wall is tested before the ball moves and the ball before the bat
  // follows the mouse: each uses the other's state of the previous frame.
  displayWall();
  doBall();
  displayBat();
  surf_panel->blitAlphaRect(0, 0, 640, 480, 0, 0, false, false);
  doDifficulty();
  displayValue(gScore, 635, 333);
  displayValue(gHighscore, 635, 259);
  displayLogo();
  gameWindow->flipBackBuffer(true, true);
}

void releaseGame() {
  delete snd_gameov;
  delete snd_wheel;
  delete snd_break;
  delete snd_down;
  snd_gameov = snd_wheel = snd_break = snd_down = nullptr;
  if (surf_sprites) delete surf_sprites;
  if (surf_panel) delete surf_panel;
  if (surf_background) delete surf_background;
  surf_sprites = surf_panel = surf_background = nullptr;
  if (gameWindow) delete gameWindow;
  gameWindow = nullptr;
}

bool publisherPageDue() { return prefs.runCount > 8; }
