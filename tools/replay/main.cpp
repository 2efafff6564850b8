// quarvel-replay --seed N INPUT: runs the game's own frame code against the
// engine, from scripted input, with a fixed random seed and the sound mixer
// advanced by exactly one frame's worth of sound per game frame, and writes
// one JSON line of game state per frame. It never writes the best-score file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "AppServices.h"
#include "Game.h"
#include "ReplayScript.h"
#include "sound/SoundOutput.h"
#include "window/WindowSystem.h"

namespace {

// 1/75 s at 44100 Hz: sound lengths count in game frames.
const int kSoundFramesPerFrame = 588;
// Virtual key codes in the scripted key map.
const int kSpaceKey = 0x31;
const int kEscapeKey = 0x35;

uint32_t gSeed = 0;
uint32_t fixedSeed() { return gSeed; }

ws::ScriptedInput gScript;

void setKey(int code, bool down) {
  uint8_t bit = (uint8_t)(1u << (code & 7));
  if (down)
    gScript.keyMap[code >> 3] |= bit;
  else
    gScript.keyMap[code >> 3] &= (uint8_t)~bit;
}

// A space bar held on a line is let go as soon as the game waits for it.
void releaseThenWait(EKeyboardLayout key) {
  if (key == K_SPACE) setKey(kSpaceKey, false);
  KInput::waitForKeyRelease(key);
}

// A clock that moves on a millisecond a reading: the frame pacing's wait is
// over at once, and nothing the game does depends on real time.
uint64_t gTicks = 0;
uint64_t steppingClock() { return gTicks += 1000; }

void printFrame(int frame) {
  printf("{\"frame\":%d,\"gameOver\":%s,\"gScore\":%d,\"gHighscore\":%d,\"ballX\":%.9g,\"ballY\":%.9g,"
         "\"speedX\":%.9g,\"speedY\":%.9g,\"batX\":%d,\"difficultyTimer\":%d,\"difficultyTimerStep\":%d,"
         "\"logoAlpha\":%.9g,\"brickType\":%d,\"ballColor\":%d,\"rows\":[",
         frame, gameOver ? "true" : "false", (int)gScore, (int)gHighscore, (double)ballX, (double)ballY,
         (double)speedX, (double)speedY, (int)batX, (int)difficultyTimer, (int)difficultyTimerStep,
         (double)logoAlpha, (int)brickType, (int)ballColor);
  for (int r = 0; r < kWallRows; r++) {
    int bits = 0;
    for (int c = 0; c < kWallColumns; c++)
      if (wallOfBricks[r][c].alive) bits |= 1 << c;
    printf(r ? ",%d" : "%d", bits);
  }
  printf("]}\n");
}

int usage() {
  fprintf(stderr, "usage: quarvel-replay --seed N INPUT\n");
  return 2;
}

}  // namespace

int main(int argc, char **argv) {
  const char *inputPath = nullptr;
  bool haveSeed = false;
  for (int i = 1; i < argc; i++) {
    if (strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      char *end;
      unsigned long long v = strtoull(argv[++i], &end, 10);
      if (*argv[i] == 0 || *argv[i] == '-' || *end != 0 || v > 0xFFFFFFFFull) return usage();
      gSeed = (uint32_t)v;
      haveSeed = true;
    } else if (!inputPath && argv[i][0] != '-') {
      inputPath = argv[i];
    } else {
      return usage();
    }
  }
  if (!haveSeed || !inputPath) return usage();

  FILE *in = fopen(inputPath, "r");
  if (!in) {
    fprintf(stderr, "quarvel-replay: cannot open %s\n", inputPath);
    return 2;
  }
  std::vector<ReplayFrame> frames;
  std::string error;
  bool parsed = parseReplayScript(in, frames, error);
  fclose(in);
  if (!parsed) {
    fprintf(stderr, "quarvel-replay: %s: %s\n", inputPath, error.c_str());
    return 2;
  }

  memset(&gScript, 0, sizeof gScript);
  ws::setScriptedInput(&gScript);
  snd::setPullMode(true);
  appsvc::setClock(steppingClock);
  spaceReleaseWait = releaseThenWait;

  if (!openGame(fixedSeed)) {
    releaseGame();
    return 1;
  }
  std::vector<int16_t> pcm(kSoundFramesPerFrame * 2);
  for (size_t i = 0; i < frames.size(); i++) {
    const ReplayFrame &f = frames[i];
    gScript.pointerX = f.x;
    gScript.pointerY = f.y;
    gScript.button = f.button;
    setKey(kSpaceKey, f.space);
    setKey(kEscapeKey, f.escape);
    gameFrame();
    printFrame((int)i + 1);
    snd::render(pcm.data(), kSoundFramesPerFrame);
    if (gameWindow->isQuit()) break;
  }
  fflush(stdout);
  releaseGame();
  ws::setScriptedInput(nullptr);
  return 0;
}
