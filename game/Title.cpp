// The title and game-over screen (one and the same) and the difficulty bar.
#include "Game.h"

float logoAlpha = 0;
void (*spaceReleaseWait)(EKeyboardLayout key) = KInput::waitForKeyRelease;

void displayLogo() {
  if (!gameOver && logoAlpha <= 0) return;

  if (gameOver) {
    // The wall moves up and out of the field, one row a frame.
    for (int r = 0; r < 32; r++)
      for (int c = 0; c < kWallColumns; c++) wallOfBricks[r][c] = wallOfBricks[r + 1][c];
    logoAlpha += 0.05f;
    if (logoAlpha > 1) logoAlpha = 1;
  } else {
    logoAlpha -= 0.1f;
    if (logoAlpha < 0) logoAlpha = 0;
  }

  surf_sprites->blitAlphaRectFx(0, 174, 289, 262, 130, 150, 0, 1, logoAlpha, false, false);

  if (KInput::isPressed(K_ESCAPE)) gameWindow->terminate();

  if ((KInput::isPressed(K_SPACE) || KInput::getLeftButtonState()) && gameOver && !snd_gameov->isPlaying()) {
    spaceReleaseWait(K_SPACE);
    resetWallOfBricks();
    resetBall();
    gameOver = false;
    gScore = 0;
  }
}

void doDifficulty() {
  float ratio = (float)difficultyTimer / (float)difficultyTimerStep;
  surf_sprites->drawRect(549, 409, 549 + 85 * ratio, 424, 1, 0.8f, 0.8f, 0.5f);
}
