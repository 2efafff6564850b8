// The ball's bounces, the bat's arithmetic and the loss of the ball.
#include "GameFixture.h"

namespace {

using BallTest = GameTest;

TEST_F(BallTest, ResetPutsTheBallMidFieldRisingWithAHundredthStepSideways) {
  for (int seed = 0; seed < 200; seed++) {
    srand(seed);
    int n = rand();
    srand(seed);
    resetBall();
    EXPECT_EQ(ballX, 280);
    EXPECT_EQ(ballY, 240);
    EXPECT_EQ(speedY, -2);
    EXPECT_FLOAT_EQ(speedX, ((n % 100) - 50) / 20.0f);
    EXPECT_GE(speedX, -2.5f);
    EXPECT_LE(speedX, 2.45f);
  }
}

struct WallBounce {
  float x, y, sx, sy;        // before the move
  float endX, endY, endSx, endSy;
};

TEST_F(BallTest, SidesAndTopPutTheBallBackOnTheLimitAndReverseIt) {
  const WallBounce cases[] = {
      {19, 200, -2, 1, 18, 201, 2, 1},      // left
      {18.5f, 200, -0.5f, 1, 18, 201, 0.5f, 1},
      {486, 200, 2, 1, 487, 201, -2, 1},    // right
      {300, 19, 1, -2, 301, 18, 1, 2},      // top
      {300, 100, 1, -2, 301, 98, 1, -2},    // free flight
  };
  gameOver = false;
  for (const WallBounce &b : cases) {
    snd_wheel->stopSample();
    ballX = b.x, ballY = b.y, speedX = b.sx, speedY = b.sy;
    doBall();
    EXPECT_EQ(ballX, b.endX) << b.x << "," << b.y;
    EXPECT_EQ(ballY, b.endY) << b.x << "," << b.y;
    EXPECT_EQ(speedX, b.endSx) << b.x << "," << b.y;
    EXPECT_EQ(speedY, b.endSy) << b.x << "," << b.y;
    EXPECT_EQ(snd_wheel->isPlaying(), b.sx != b.endSx || b.sy != b.endSy);
  }
}

// The bat stands at x 100; the ball ends its move at y 440 with its centre
// `offset` pixels right of the bat's left end.
struct BatHit {
  float offset, speedYBefore;
  float speedXAfter, speedYAfter;
};

TEST_F(BallTest, TheBatSendsTheBallUpAngledByWhereItHit) {
  const BatHit cases[] = {
      {37, 2, 0, -2.1f},           // centre: straight up, five per cent faster
      {0, 2, -5, -2.1f},           // left end
      {74, 2, 5, -2.1f},           // right end
      {80, 2, 5, -2.1f},           // right of centre by 37 or more: held at 5
      {60, 2, 3.10810804f, -2.1f},
      {18.5f, 2, -2.5f, -2.1f},
      {37, -2, 0, -2.1f},          // still in the band while rising: struck again
      {37, 6.9f, 0, -7},           // never beyond 7 upwards
  };
  gameOver = false;
  for (const BatHit &h : cases) {
    batX = 100;
    speedX = 0;
    speedY = h.speedYBefore;
    ballX = 100 + h.offset - 8;
    ballY = 440 - h.speedYBefore;
    doBall();
    EXPECT_FLOAT_EQ(speedX, h.speedXAfter) << "offset " << h.offset;
    EXPECT_FLOAT_EQ(speedY, h.speedYAfter) << "offset " << h.offset;
    EXPECT_FALSE(gameOver);
  }
}

TEST_F(BallTest, TheBatIsTestedWhereThePreviousFrameLeftIt) {
  startGame();
  batX = 17;
  script.pointerX = 300;  // the bat only gets there after the ball's step
  ballX = 300, ballY = 438, speedX = 0, speedY = 2;
  frame();
  EXPECT_EQ(batX, 300);
  EXPECT_EQ(speedY, 2) << "the ball passed the old bat";
}

TEST_F(BallTest, ABallPastTheBatEndsTheGameOnThatFrameWithOneGameOverSound) {
  startGame();
  script.pointerX = 400;
  frame();
  ballX = 100, ballY = 449, speedX = 0, speedY = 2;
  frame();
  EXPECT_TRUE(gameOver);
  EXPECT_TRUE(snd_gameov->isPlaying());
  ASSERT_EQ(sprites.withSource(205 + 57, 132).size(), 1u) << "the lost ball is still drawn";
  EXPECT_EQ(sprites.withSource(205 + 57, 132)[0].y, 451);
  // From then on the ball stands still and is not drawn, and the sound is
  // not started again once it has ended.
  bool ended = false;
  for (int i = 0; i < 600; i++) {
    frame();
    EXPECT_EQ(ballY, 451);
    EXPECT_TRUE(sprites.withSource(205 + 57, 132).empty());
    if (!snd_gameov->isPlaying()) ended = true;
    if (ended) {
      ASSERT_FALSE(snd_gameov->isPlaying()) << "played again at frame " << i;
    }
  }
  EXPECT_TRUE(ended);
}

TEST_F(BallTest, TheBatFollowsTheMouseWithinTheField) {
  const int mouse[][2] = {{0, 17}, {16, 17}, {17, 17}, {200, 200}, {430, 430}, {600, 430}, {-300, 17}};
  for (const auto &m : mouse) {
    script.pointerX = m[0];
    sprites.calls.clear();
    displayBat();
    EXPECT_EQ(batX, m[1]) << "mouse " << m[0];
    auto bat = sprites.withSource(165, 3);
    ASSERT_EQ(bat.size(), 1u);
    EXPECT_EQ(bat[0].x, m[1]);
    EXPECT_EQ(bat[0].y, 440);
    EXPECT_EQ(bat[0].sx2, 239);
    EXPECT_EQ(bat[0].sy2, 29);
  }
}

}  // namespace
