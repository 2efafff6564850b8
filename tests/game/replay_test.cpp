// The replay harness as a developer runs it: a script of input in, one JSON
// line of game state per frame out.
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <regex>
#include <string>
#include <vector>

#include "e2e/PackageCopy.h"

namespace {

struct ReplayRun {
  int status = -1;
  std::vector<std::string> lines;
  std::string errors;
};

class ReplayTest : public ::testing::Test {
protected:
  PackageCopy package{QUARVEL_PACKAGE};

  ReplayRun replay(const std::string &script, const std::string &args) {
    std::string input = package.temp() + "/input.txt";
    std::ofstream(input) << script;
    std::string err = package.temp() + "/errors.txt";
    std::string cmd = "cd / && '" + package.path("quarvel-replay") + "' " + args + " '" + input + "' 2>'" + err + "'";
    ReplayRun run;
    FILE *p = popen(cmd.c_str(), "r");
    if (!p) return run;
    char buf[4096];
    while (fgets(buf, sizeof buf, p)) {
      std::string line(buf);
      if (!line.empty() && line.back() == '\n') line.pop_back();
      run.lines.push_back(line);
    }
    run.status = pclose(p);
    std::ifstream e(err);
    std::getline(e, run.errors, '\0');
    return run;
  }
};

std::string field(const std::string &json, const std::string &name) {
  std::smatch m;
  if (std::regex_search(json, m, std::regex("\"" + name + "\":(\\[[^\\]]*\\]|[^,}]+)"))) return m[1];
  return "<missing " + name + ">";
}

std::string repeat(const std::string &line, int times) {
  std::string out;
  for (int i = 0; i < times; i++) out += line + "\n";
  return out;
}

std::string printed(float v) {
  char buf[32];
  snprintf(buf, sizeof buf, "%.9g", (double)v);
  return buf;
}

TEST_F(ReplayTest, TheSeedDecidesBricksThenBackgroundThenTheBallAndRunsRepeat) {
  for (unsigned seed : {1u, 2u, 3u, 12345u}) {
    srand(seed);
    int brickType = rand() % 4;
    int ballColor = rand() % 2 == 1 ? 0 : 57;
    for (int i = 0; i < 5; i++) rand();  // the colour rows of the five lines
    float speedX = (float)((rand() % 100) - 50) / 20;

    ReplayRun run = replay("320 240 0\n", "--seed " + std::to_string(seed));
    ASSERT_EQ(run.status, 0) << run.errors;
    ASSERT_EQ(run.lines.size(), 1u);
    const std::string &f = run.lines[0];
    EXPECT_EQ(field(f, "brickType"), std::to_string(brickType)) << "seed " << seed;
    EXPECT_EQ(field(f, "ballColor"), std::to_string(ballColor)) << "seed " << seed;
    EXPECT_EQ(field(f, "speedX"), printed(speedX)) << "seed " << seed;
  }
  std::string script = repeat("100 300 0", 20) + "100 300 1\n" + repeat("250 300 0", 300);
  ReplayRun a = replay(script, "--seed 99"), b = replay(script, "--seed 99");
  ASSERT_EQ(a.lines.size(), 321u);
  EXPECT_EQ(a.lines, b.lines);
}

TEST_F(ReplayTest, EveryFrameReportsTheWholeState) {
  ReplayRun run = replay("# title screen\n\n10 20 0\n   \n600 20 0\n", "--seed 5");
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 2u) << "comments and blank lines are not frames";
  const std::string &f = run.lines[0];
  EXPECT_EQ(field(f, "frame"), "1");
  EXPECT_EQ(field(run.lines[1], "frame"), "2");
  EXPECT_EQ(field(f, "gameOver"), "true");
  EXPECT_EQ(field(f, "gScore"), "0");
  EXPECT_EQ(field(f, "gHighscore"), "0");
  EXPECT_EQ(field(f, "ballX"), "280");
  EXPECT_EQ(field(f, "ballY"), "240");
  EXPECT_EQ(field(f, "speedY"), "-2");
  EXPECT_EQ(field(f, "batX"), "17");
  EXPECT_EQ(field(run.lines[1], "batX"), "430");
  EXPECT_EQ(field(f, "difficultyTimer"), "0");
  EXPECT_EQ(field(f, "difficultyTimerStep"), "500");
  EXPECT_EQ(field(f, "logoAlpha"), "0.0500000007");
  // The five starting lines have already moved up one row.
  EXPECT_EQ(field(f, "rows"), "[4095,4095,4095,4095,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0]");
}

TEST_F(ReplayTest, AHeldSpaceBarStartsOneGameAndIsLetGoForTheWait) {
  ReplayRun run = replay(repeat("300 300 0", 5) + repeat("300 300 0 SPACE", 5), "--seed 8");
  ASSERT_EQ(run.status, 0) << run.errors;
  ASSERT_EQ(run.lines.size(), 10u);
  EXPECT_EQ(field(run.lines[4], "gameOver"), "true");
  EXPECT_EQ(field(run.lines[5], "gameOver"), "false");
  EXPECT_EQ(field(run.lines[5], "rows").substr(0, 31), "[4095,4095,4095,4095,4095,0,0,0");
  // Still held on the following lines: play goes on, no new start.
  for (int i = 6; i < 10; i++) EXPECT_EQ(field(run.lines[i], "difficultyTimer"), std::to_string(i - 5));
}

TEST_F(ReplayTest, EscapeOnTheTitleScreenEndsTheRunWithoutABestScoreFile) {
  ReplayRun run = replay(repeat("300 300 0", 3) + "300 300 0 ESCAPE\n" + repeat("300 300 0", 10), "--seed 3");
  ASSERT_EQ(run.status, 0) << run.errors;
  EXPECT_EQ(run.lines.size(), 4u);
  EXPECT_NE(access(package.dir.c_str(), F_OK), -1);
  EXPECT_EQ(access(package.scoresFile().c_str(), F_OK), -1) << "the harness wrote scores.raw";
}

TEST_F(ReplayTest, ALostBallEndsTheGameInTheReplay) {
  // The bat stays at the far left while the ball, started straight from
  // mid-field, comes back down.
  ReplayRun run = replay(repeat("0 300 0", 2) + "0 300 1\n" + repeat("0 300 0", 1500), "--seed 4");
  ASSERT_EQ(run.status, 0) << run.errors;
  int endedAt = 0;
  for (size_t i = 3; i < run.lines.size() && !endedAt; i++)
    if (field(run.lines[i], "gameOver") == "true") endedAt = (int)i + 1;
  ASSERT_GT(endedAt, 0) << "the game never ended";
  EXPECT_GT(std::stof(field(run.lines[endedAt - 1], "ballY")), 450);
}

TEST_F(ReplayTest, BadArgumentsAndInputAreRefused) {
  struct Case {
    std::string script, args;
  } cases[] = {
      {"1 2 0\n", ""},
      {"1 2 0\n", "--seed"},
      {"1 2 0\n", "--seed -4"},
      {"1 2 0\n", "--seed x"},
      {"1 2 3\n", "--seed 1"},
      {"1 2\n", "--seed 1"},
      {"1 2 0 SHIFT\n", "--seed 1"},
      {"a b 0\n", "--seed 1"},
  };
  for (const Case &c : cases) {
    ReplayRun run = replay(c.script, c.args);
    ASSERT_TRUE(WIFEXITED(run.status)) << c.args << " / " << c.script;
    EXPECT_EQ(WEXITSTATUS(run.status), 2) << c.args << " / " << c.script;
    EXPECT_TRUE(run.lines.empty());
    EXPECT_FALSE(run.errors.empty());
  }
}

}  // namespace
