// Quarvel's globals and game steps: free functions over file-scope state,
// each concern in its own source file.
#ifndef QUARVEL_GAME_H
#define QUARVEL_GAME_H

#include <cstdint>

#include "KAudio.h"
#include "KGraphic.h"
#include "KInput.h"
#include "KWindow.h"

// ---- program (Game.cpp) ----------------------------------------------------
extern KWindow *gameWindow;
extern KGraphic *surf_sprites;     // bricks, bat, ball, digits, logo
extern KGraphic *surf_panel;       // drawn over the whole screen every frame
extern KGraphic *surf_background;  // the play field's background
extern KAudio *snd_down;           // a new line of bricks
extern KAudio *snd_break;          // a broken brick
extern KAudio *snd_wheel;          // a bounce off a side, the top or the bat
extern KAudio *snd_gameov;         // a lost ball
extern bool gameOver;              // true on the title and game-over screen
extern int32_t brickType;          // column of the brick pictures, fixed per run
extern int32_t ballColor;          // 0 or 57: offset of the ball picture

// The publisher's web page, opened at exit from the ninth exit on.
extern const char *const kPublisherPage;

// Start-up up to the first title screen. The seed source is read where the
// random generator is seeded (the clock for the game, a fixed number for
// tools). False when the window could not be opened; the engine has already
// said why.
bool openGame(uint32_t (*seedSource)());
// One frame: draw everything back to front, advance the game one step and
// present the frame.
void gameFrame();
// Releases the sounds, the pictures and the window, in that order.
void releaseGame();
// True when the exit just saved is the ninth or a later one.
bool publisherPageDue();

// ---- brick wall (Wall.cpp) ---------------------------------------------------
struct Brick {
  bool alive;
  int16_t srcX1, srcY1;  // picture's corner in the sprite sheet
  int16_t srcX2, srcY2;  // opposite corner, exclusive
  int16_t x, y;          // corner on the screen, written when drawn
};
enum { kWallRows = 33, kWallColumns = 12 };  // row 32 is the spare row
extern Brick wallOfBricks[kWallRows][kWallColumns];
extern int32_t difficultyTimer;      // frames of play since the last new line
extern int32_t difficultyTimerStep;  // frames between new lines, 500 down to 30

void resetWallOfBricks();
void addALineOfBricks();
void displayWall();

// ---- ball and bat (Ball.cpp) -------------------------------------------------
extern float ballX, ballY;  // top-left corner of the ball picture
extern float speedX, speedY;
extern int32_t batX;  // left edge of the bat

void resetBall();
void doBall();
void displayBat();

// ---- title screen and difficulty bar (Title.cpp) ---------------------------
extern float logoAlpha;
// How the start of a game waits for the space bar to be let go. Tools that
// script the keys put their own in front, since a scripted key cannot change
// while the game spins in the wait.
extern void (*spaceReleaseWait)(EKeyboardLayout key);

void displayLogo();
void doDifficulty();

// ---- scores (Scores.cpp) ---------------------------------------------------
struct Glyph {
  char c;
  int16_t x1, x2;  // edges in the sprite sheet, x2 exclusive
};
struct Prefs {
  int32_t highscore;
  int32_t runCount;
};
extern const Glyph nombres[10];
extern int32_t gScore;
extern int32_t gHighscore;
extern Prefs prefs;

void displayValue(long value, long rightX, long y);
int getCIndex(char c);
void loadScores();
void saveScores();

#endif
