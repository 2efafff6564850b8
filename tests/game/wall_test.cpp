// The brick wall: its timer, the last row, and which bricks the ball breaks.
#include "GameFixture.h"

namespace {

using WallTest = GameTest;

// A ball whose test point is far from every brick.
void parkBall() {
  ballX = ballY = -1000;
  speedX = speedY = 0;
}

TEST_F(WallTest, ResetLeavesFiveFullRowsAndTheStartStep) {
  for (int r = 0; r < 32; r++) EXPECT_EQ(rowBits(r), r < 5 ? 0xFFF : 0) << "row " << r;
  EXPECT_EQ(difficultyTimer, 0);
  EXPECT_EQ(difficultyTimerStep, 500);
  // All bricks of a line share one picture: the run's column, one colour row.
  const Brick &b = wallOfBricks[0][3];
  EXPECT_EQ(b.srcX1, 80);
  EXPECT_EQ(b.srcX2, 121);
  EXPECT_EQ(b.srcY2 - b.srcY1, 15);
  EXPECT_EQ(b.srcY1 % 15, 0);
}

TEST_F(WallTest, NewLinesComeEverSoonerDownToEveryThirtyFirstFrame) {
  gameOver = false;
  parkBall();
  std::vector<int> framesBetween, stepAfter;
  int frames = 0;
  while (framesBetween.size() < 50) {
    displayWall();
    frames++;
    if (difficultyTimer == 0) {
      framesBetween.push_back(frames);
      stepAfter.push_back(difficultyTimerStep);
      frames = 0;
      // Keep the wall from reaching the last row, which would stop the timer.
      memset(wallOfBricks, 0, sizeof wallOfBricks);
    }
    ASSERT_FALSE(gameOver);
  }
  EXPECT_EQ(framesBetween[0], 501);
  EXPECT_EQ(stepAfter[0], 490);
  EXPECT_EQ(framesBetween[1], 491);
  EXPECT_EQ(stepAfter[45], 40);  // the 46th line
  EXPECT_EQ(stepAfter[46], 30);  // the 47th line
  EXPECT_EQ(framesBetween[46], 41);
  EXPECT_EQ(framesBetween[47], 31);
  EXPECT_EQ(stepAfter[49], 30);
}

TEST_F(WallTest, NoNewLineOnTheTitleScreen) {
  parkBall();
  for (int i = 0; i < 600; i++) displayWall();
  EXPECT_EQ(difficultyTimer, 0);
  EXPECT_EQ(rowBits(4), 0xFFF);
  EXPECT_EQ(rowBits(5), 0);
}

TEST_F(WallTest, ALinePushingRowThirtyIntoTheLastRowEndsTheGameInThatPass) {
  gameOver = false;
  parkBall();
  for (int c = 0; c < kWallColumns; c++) wallOfBricks[30][c].alive = c == 4;
  difficultyTimer = difficultyTimerStep;  // the line comes on this pass
  displayWall();
  EXPECT_TRUE(gameOver);
  EXPECT_EQ(rowBits(31), 1 << 4);
  EXPECT_FALSE(snd_gameov->isPlaying()) << "the wall ends a game without a sound";
}

TEST_F(WallTest, TheSpareRowIsNeverDrawnNorTested) {
  memset(wallOfBricks, 0, sizeof wallOfBricks);
  wallOfBricks[32][0] = {true, 0, 0, 41, 15, 0, 0};
  ballX = 20 - 8;
  ballY = 20 + 15 * 32 - 7;
  speedX = speedY = 0;
  displayWall();
  EXPECT_TRUE(sprites.calls.empty());
  EXPECT_TRUE(wallOfBricks[32][0].alive);
  EXPECT_EQ(gScore, 0);
}

// The brick of row 2, column 3 stands at (140, 50) to (180, 65), both edges
// counted; the test point is the ball's centre after its next move.
struct HitCase {
  float nx, ny;
  bool breaks;
};

TEST_F(WallTest, TheTestPointBreaksABrickUpToAndIncludingItsEdges) {
  const HitCase cases[] = {
      {140, 50, true},      {180, 65, true},      {160, 57, true},     {139.9f, 57, false},
      {180.1f, 57, false},  {160, 49.9f, false},  {160, 65.1f, false},
  };
  for (const HitCase &h : cases) {
    memset(wallOfBricks, 0, sizeof wallOfBricks);
    wallOfBricks[2][3] = {true, 0, 0, 41, 15, 0, 0};
    gScore = gHighscore = 0;
    speedX = 0.5f;
    speedY = -1.5f;
    ballX = h.nx - 8 - speedX;
    ballY = h.ny - 7 - speedY;
    displayWall();
    EXPECT_EQ(!wallOfBricks[2][3].alive, h.breaks) << h.nx << "," << h.ny;
    EXPECT_EQ(gScore, h.breaks ? 1 : 0);
    EXPECT_EQ(gHighscore, gScore);
    EXPECT_EQ(speedY, h.breaks ? 1.5f : -1.5f);
    EXPECT_EQ(speedX, 0.5f) << "bricks never turn the ball sideways";
  }
}

TEST_F(WallTest, TwoBricksInOneFrameBothScoreAndKeepTheVerticalDirection) {
  memset(wallOfBricks, 0, sizeof wallOfBricks);
  wallOfBricks[1][0] = {true, 0, 0, 41, 15, 0, 0};
  wallOfBricks[1][1] = {true, 0, 0, 41, 15, 0, 0};
  gHighscore = 1;
  // The shared edge of the two cells, x 60.
  speedX = 0;
  speedY = -2;
  ballX = 60 - 8;
  ballY = 40 - 7 + 2;
  displayWall();
  EXPECT_EQ(rowBits(1), 0);
  EXPECT_EQ(gScore, 2);
  EXPECT_EQ(gHighscore, 2);
  EXPECT_EQ(speedY, -2);
  EXPECT_TRUE(snd_break->isPlaying());
}

TEST_F(WallTest, ARisingWallOnTheGameOverScreenBreaksWhatPassesTheRestingBall) {
  // The ball rests at (280, 240) with its test point in row 14 or 15.
  gameOver = true;
  speedX = 0;
  speedY = -2;
  memset(wallOfBricks, 0, sizeof wallOfBricks);
  for (int c = 0; c < kWallColumns; c++) wallOfBricks[25][c] = {true, 0, 0, 41, 15, 0, 0};
  for (int i = 0; i < 26; i++) frame();
  EXPECT_EQ(gScore, 1);
  EXPECT_EQ(gHighscore, 1);
  EXPECT_EQ(speedY, 2) << "one brick, one reversal";
  for (int r = 0; r < 32; r++) EXPECT_EQ(rowBits(r), 0) << "the wall has left the field, row " << r;
}

}  // namespace
