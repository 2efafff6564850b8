// The brick wall: a grid that a timer pushes down one line at a time, ever
// sooner, and that the ball breaks brick by brick.
#include <cstdlib>

#include "Game.h"

Brick wallOfBricks[kWallRows][kWallColumns];
int32_t difficultyTimer = 0;
int32_t difficultyTimerStep = 0;

void resetWallOfBricks() {
  difficultyTimer = 0;
  difficultyTimerStep = 500;
  // The spare row 32 is left as it is on purpose: only the visible wall
  // is cleared.
  for (int r = 0; r < 32; r++)
    for (int c = 0; c < kWallColumns; c++) wallOfBricks[r][c].alive = false;
  for (int i = 0; i < 5; i++) addALineOfBricks();
}

void addALineOfBricks() {
  if (!snd_down->isPlaying()) snd_down->playSample();
  for (int r = 32; r >= 1; r--)
    for (int c = 0; c < kWallColumns; c++) wallOfBricks[r][c] = wallOfBricks[r - 1][c];
  int k = rand() % 9;
  for (int c = 0; c < kWallColumns; c++) {
    Brick &b = wallOfBricks[0][c];
    b.alive = true;
    b.srcX1 = (int16_t)(40 * brickType);
    // 41 pixels wide for a grid step of 40: neighbours overlap by one pixel.
    b.srcX2 = (int16_t)(b.srcX1 + 41);
    b.srcY1 = (int16_t)(15 * k);
    b.srcY2 = (int16_t)(15 * k + 15);
  }
}

void displayWall() {
  if (!gameOver) {
    difficultyTimer++;
    if (difficultyTimer > difficultyTimerStep) {
      difficultyTimerStep -= 10;
      if (difficultyTimerStep < 30) difficultyTimerStep = 30;
      difficultyTimer = 0;
      addALineOfBricks();
    }
  }

  // Kept on purpose: the point is where the ball's centre will be after its
  // next move, taken once, and not moved when a hit reverses the ball.
  const float nx = ballX + 8 + speedX;
  const float ny = ballY + 7 + speedY;

  for (int r = 0; r < 32; r++) {
    for (int c = 0; c < kWallColumns; c++) {
      Brick &b = wallOfBricks[r][c];
      if (!b.alive) continue;
      if (r == 31 && !gameOver) gameOver = true;
      b.x = (int16_t)(20 + 40 * c);
      b.y = (int16_t)(20 + 15 * r);
      surf_sprites->blitAlphaRect(b.srcX1, b.srcY1, b.srcX2, b.srcY2, b.x, b.y, false, false);
      // Kept on purpose: the test also runs on the title screen, so a wall
      // moving up breaks the bricks that pass over the resting ball; and
      // every hit reverses the ball, so two in one frame keep its direction.
      if (nx >= b.x && nx <= b.x + 40 && ny >= b.y && ny <= b.y + 15) {
        b.alive = false;
        speedY = -speedY;
        snd_break->playSample();
        gScore++;
      }
    }
  }
  if (gScore > gHighscore) gHighscore = gScore;
}
