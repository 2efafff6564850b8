// The title and game-over screen: logo fades, starting and quitting, and the
// difficulty bar.
#include <atomic>
#include <chrono>
#include <thread>

#include "GameFixture.h"

namespace {

using TitleTest = GameTest;

float logoAlphaDrawn(const RecordingGraphic &g) {
  auto logo = g.withSource(0, 174);
  EXPECT_LE(logo.size(), 1u);
  if (logo.empty()) return -1;
  EXPECT_EQ(logo[0].op, "blitFx");
  EXPECT_EQ(logo[0].x, 130);
  EXPECT_EQ(logo[0].y, 150);
  EXPECT_EQ(logo[0].sx2, 289);
  EXPECT_EQ(logo[0].sy2, 262);
  return logo[0].alpha;
}

TEST_F(TitleTest, TheLogoFadesInOverTwentyFramesWhileTheWallLeaves) {
  std::vector<float> alphas;
  for (int i = 1; i <= 32; i++) {
    frame();
    alphas.push_back(logoAlphaDrawn(sprites));
    // No ball on the title screen; the starting wall moves up a row a frame.
    EXPECT_TRUE(sprites.withSource(205 + 57, 132).empty());
    EXPECT_EQ(rowBits(0), i < 5 ? 0xFFF : 0) << "frame " << i;
  }
  EXPECT_FLOAT_EQ(alphas[0], 0.05f);
  EXPECT_LT(alphas[18], 1);
  for (int i = 19; i < 32; i++) EXPECT_EQ(alphas[i], 1) << "frame " << i + 1;
}

TEST_F(TitleTest, AStartedGameFadesTheLogoOutInTenFramesThenIgnoresKeysAndClicks) {
  for (int i = 0; i < 20; i++) frame();
  startGame();
  EXPECT_EQ(gScore, 0);
  EXPECT_EQ(rowBits(4), 0xFFF);
  EXPECT_EQ(rowBits(5), 0);
  std::vector<float> alphas;
  for (int i = 0; i < 12; i++) {
    frame();
    alphas.push_back(logoAlphaDrawn(sprites));
  }
  EXPECT_FLOAT_EQ(alphas[0], 0.9f);
  EXPECT_EQ(alphas[9], 0) << "the tenth frame draws it at opacity 0";
  EXPECT_EQ(alphas[10], -1) << "then it is not drawn at all";
  // During play, Escape and the button are not looked at.
  setKey(kEscape, true);
  script.button = true;
  int timer = difficultyTimer;
  frame();
  EXPECT_FALSE(window.quit);
  EXPECT_FALSE(gameOver);
  EXPECT_EQ(difficultyTimer, timer + 1) << "no restart";
}

TEST_F(TitleTest, EscapeOnTheTitleScreenEndsTheLoop) {
  frame();
  EXPECT_FALSE(window.quit);
  setKey(kEscape, true);
  frame();
  EXPECT_TRUE(window.quit);
  EXPECT_TRUE(gameOver);
}

TEST_F(TitleTest, NoRestartWhileTheGameOverSoundPlays) {
  startGame();
  ballX = 100, ballY = 449, speedX = 0, speedY = 2;
  script.pointerX = 400;
  frame();
  frame();  // the bat moved away on the frame before the loss
  ASSERT_TRUE(gameOver);
  ASSERT_TRUE(snd_gameov->isPlaying());
  // The same press held on: let go only once the start waits for it.
  static ws::ScriptedInput *held;
  held = &script;
  spaceReleaseWait = [](EKeyboardLayout key) {
    held->keyMap[kSpace >> 3] &= (uint8_t)~(1u << (kSpace & 7));
    KInput::waitForKeyRelease(key);
  };
  setKey(kSpace, true);
  int blocked = 0;
  while (gameOver && blocked < 2000) {
    bool playing = snd_gameov->isPlaying();
    frame();
    if (gameOver) {
      EXPECT_TRUE(playing);
      blocked++;
    } else {
      EXPECT_FALSE(playing) << "started while the sound still played";
    }
  }
  spaceReleaseWait = KInput::waitForKeyRelease;
  EXPECT_FALSE(gameOver);
  EXPECT_GT(blocked, 20);
}

TEST_F(TitleTest, AHeldSpaceBarKeepsTheStartWaitingUntilItIsLetGo) {
  for (int i = 0; i < 10; i++) frame();
  memset(wallOfBricks, 0, sizeof wallOfBricks);
  setKey(kSpace, true);
  std::atomic<bool> done{false};
  std::thread player([&] {
    gameFrame();
    done = true;
  });
  // Still waiting after a while: the frame has not come back.
  for (int i = 0; i < 30 && !done; i++) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_FALSE(done);
  EXPECT_TRUE(gameOver);
  setKey(kSpace, false);
  player.join();
  EXPECT_FALSE(gameOver);
  EXPECT_EQ(rowBits(4), 0xFFF) << "the new wall stands";
  EXPECT_EQ(ballY, 240);
}

TEST_F(TitleTest, TheDifficultyBarGrowsWithTheTimer) {
  startGame();
  script.pointerX = 200;
  auto barEnd = [&] {
    for (const DrawCall &c : sprites.calls)
      if (c.op == "rect") {
        EXPECT_EQ(c.sx1, 549);
        EXPECT_EQ(c.sy1, 409);
        EXPECT_EQ(c.sy2, 424);
        EXPECT_EQ(c.alpha, 0.5f);
        return c.sx2;
      }
    ADD_FAILURE() << "no bar drawn";
    return 0.0f;
  };
  // The start frame itself ran with the timer at 0.
  EXPECT_EQ(barEnd(), 549);
  for (int i = 0; i < 250; i++) {
    ballX = 280, ballY = 240, speedX = 0, speedY = 0;  // keep the ball in the field
    frame();
  }
  EXPECT_EQ(difficultyTimer, 250);
  EXPECT_FLOAT_EQ(barEnd(), 591.5f);
}

}  // namespace
