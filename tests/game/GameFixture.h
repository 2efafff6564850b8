#ifndef GAMEFIXTURE_H
#define GAMEFIXTURE_H

// The game's own code with a picture that records what it is asked to draw,
// a window that only remembers a quit, scripted keys and mouse, and its real
// sounds played by the mixer in pull mode, one frame's worth per frame.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Game.h"
#include "sound/SoundOutput.h"
#include "window/WindowSystem.h"

struct DrawCall {
  std::string op;  // "blit", "blitFx" or "rect"
  float sx1, sy1, sx2, sy2;  // source rectangle (rect: the drawn corners)
  float x, y;                // where it lands (blits)
  float alpha;               // blitFx and rect
};

class RecordingGraphic : public KGraphic {
public:
  std::vector<DrawCall> calls;
  float width = 460, height = 437;

  std::vector<DrawCall> withSource(float sx1, float sy1) const {
    std::vector<DrawCall> out;
    for (const DrawCall &c : calls)
      if (c.op != "rect" && c.sx1 == sx1 && c.sy1 == sy1) out.push_back(c);
    return out;
  }

  bool loadPicture(const char *, bool, bool) override { return true; }
  void freePicture() override {}
  float getWidth() override { return width; }
  float getHeight() override { return height; }
  void setTextureQuality(bool) override {}
  void drawRect(float x1, float y1, float x2, float y2, float, float, float, float a) override {
    calls.push_back({"rect", x1, y1, x2, y2, 0, 0, a});
  }
  void drawLine(float, float, float, float, float, float, float, float) override {}
  void plotPixel(float, float, float, float, float, float) override {}
  void blitRect(float, float, float, float, short, short, bool, bool) override {}
  void blitRectFx(float, float, float, float, short, short, float, float, bool, bool) override {}
  void blitAlphaRect(float x1, float y1, float x2, float y2, short dx, short dy, bool, bool) override {
    calls.push_back({"blit", x1, y1, x2, y2, (float)dx, (float)dy, 1});
  }
  void blitAlphaRectFx(float x1, float y1, float x2, float y2, short dx, short dy, float, float, float a, bool,
                       bool) override {
    calls.push_back({"blitFx", x1, y1, x2, y2, (float)dx, (float)dy, a});
  }
  void blitTiledRect(short, short, short, short, float, float) override {}
  void blitArbitraryQuad(float, float, float, float, float, float, float, float, float, float, float, float, float,
                         float, float, float) override {}
  void setAlphaMode(bool) override {}
  void stretchAlphaRect(float, float, float, float, float, float, float, float, float, float) override {}
  bool grabBackBuffer() override { return false; }
  bool grabFrontBuffer() override { return false; }
  void setColorKey(bool, unsigned char, unsigned char, unsigned char) override {}
  void allowTextureWrap(bool) override {}
  bool saveBackBuffer(const char *, long, long, long) override { return false; }
  void setBlitColor(float, float, float, float) override {}
  bool makePictureFromArray(uint32_t *, long, long, bool) override { return false; }
  void pollArray() override {}
  void selectTexture() override {}
};

class QuitOnlyWindow : public KWindow {
public:
  bool quit = false;
  void setDefaultWorldView() override {}
  void setWorldView(float, float, float, float, bool) override {}
  void setClearColor(float, float, float, float) override {}
  bool createGameWindow(short, short, short, bool, const char *) override { return true; }
  void terminate() override { quit = true; }
  void toggleFullScreen(bool) override {}
  bool hasFocus() override { return true; }
  void setTitle(const char *) override {}
  void flipBackBuffer(bool, bool) override {}
  void processEvents() override {}
  bool isQuit() override { return quit; }
  WindowRef getWindowHandle() override { return nullptr; }
  void setMaxFrameRate(long) override {}
  bool getRectangleTexCap() override { return true; }
  bool getAccelerationCap() override { return true; }
  void setRectangleTexCap(bool) override {}
  void setGamma(float) override {}
  short getWindowWidth() override { return 640; }
  short getWindowHeight() override { return 480; }
  void restore() override {}
  void minimize() override {}
  void setCallBack(bool (*)(EventRef)) override {}
  void setVykCallBack(bool (*)(KEvent *)) override {}
};

class GameTest : public ::testing::Test {
protected:
  RecordingGraphic sprites, panel, background;
  QuitOnlyWindow window;
  ws::ScriptedInput script;

  static KAudio *sound(const char *file) {
    KAudio *s = new KAudio();
    EXPECT_TRUE(s->loadSample((std::string(QUARVEL_DATA_DIR "/") + file).c_str(), 100, false, 1)) << file;
    return s;
  }

  static void SetUpTestSuite() {
    snd::setPullMode(true);
    snd_down = sound("down.ogg");
    snd_break = sound("break.ogg");
    snd_wheel = sound("wall.ogg");
    snd_gameov = sound("gameover.ogg");
  }
  static void TearDownTestSuite() {
    delete snd_gameov;
    delete snd_wheel;
    delete snd_break;
    delete snd_down;
    snd_gameov = snd_wheel = snd_break = snd_down = nullptr;
  }

  void SetUp() override {
    memset(&script, 0, sizeof script);
    ws::setScriptedInput(&script);
    gameWindow = &window;
    surf_sprites = &sprites;
    surf_panel = &panel;
    surf_background = &background;
    for (KAudio *s : {snd_down, snd_break, snd_wheel, snd_gameov}) s->stopSample();
    memset(wallOfBricks, 0, sizeof wallOfBricks);
    srand(1);
    brickType = 2;
    ballColor = 57;
    resetWallOfBricks();
    resetBall();
    gScore = gHighscore = 0;
    gameOver = true;
    logoAlpha = 0;
    batX = 0;
  }
  void TearDown() override {
    for (KAudio *s : {snd_down, snd_break, snd_wheel, snd_gameov}) s->stopSample();
    ws::setScriptedInput(nullptr);
    gameWindow = nullptr;
    surf_sprites = surf_panel = surf_background = nullptr;
  }

  // One frame of the game, then one frame's worth of sound.
  void frame() {
    sprites.calls.clear();
    gameFrame();
    int16_t pcm[588 * 2];
    snd::render(pcm, 588);
  }
  void setKey(int code, bool down) {
    if (down)
      script.keyMap[code >> 3] |= (uint8_t)(1u << (code & 7));
    else
      script.keyMap[code >> 3] &= (uint8_t)~(1u << (code & 7));
  }
  static constexpr int kSpace = 0x31, kEscape = 0x35;

  // Starts a game with a click on a title screen whose sounds are over.
  void startGame() {
    script.button = true;
    frame();
    script.button = false;
    ASSERT_FALSE(gameOver);
  }
  static int rowBits(int r) {
    int bits = 0;
    for (int c = 0; c < kWallColumns; c++)
      if (wallOfBricks[r][c].alive) bits |= 1 << c;
    return bits;
  }
};

#endif
