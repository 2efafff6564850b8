// The ball, which bounces off the sides, the top and the bat, and the bat,
// which follows the mouse.
#include <cstdlib>

#include "Game.h"

float ballX = 0, ballY = 0;
float speedX = 0, speedY = 0;
int32_t batX = 0;

void resetBall() {
  ballX = 280;
  ballY = 240;
  int n = rand();
  speedY = -2;
  speedX = (float)((n % 100) - 50) / 20;
}

void doBall() {
  if (gameOver) return;

  ballX += speedX;
  if (ballX <= 18) {
    speedX = -speedX;
    snd_wheel->playSample();
    ballX = 18;
  }
  if (ballX >= 487) {
    speedX = -speedX;
    snd_wheel->playSample();
    ballX = 487;
  }
  ballY += speedY;
  if (ballY <= 18) {
    ballY = 18;
    speedY = -speedY;
    snd_wheel->playSample();
  }

  // Kept on purpose: the bat is where the previous frame left it, and a
  // ball still in the band after a bounce is struck again.
  if (ballY >= 433 && ballY <= 450 && ballX + 8 >= batX && ballX <= batX + 74) {
    snd_wheel->playSample();
    speedY *= -1.05f;
    if (speedY > 0) speedY = -speedY;
    speedX = ((ballX + 8 - batX) - 37) / 37 * 5;
    if (speedX < -5) speedX = -5;
    if (speedX > 5) speedX = 5;
    if (speedY < -7) speedY = -7;
  } else if (ballY > 450) {
    gameOver = true;
    snd_gameov->playSample();
  }

  surf_sprites->blitAlphaRect((float)(205 + ballColor), 132, (float)(222 + ballColor), 146, (short)(int)ballX,
                              (short)(int)ballY, false, false);
}

void displayBat() {
  int x = (short)KInput::getMouseX();
  if (x < 17) x = 17;
  if (x > 430) x = 430;
  batX = x;
  surf_sprites->blitAlphaRect(165, 3, 239, 29, (short)batX, 440, false, false);
}
