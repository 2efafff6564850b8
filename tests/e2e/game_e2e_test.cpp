// The packaged game played as a player plays it: started from its own copy
// of the package folder, driven with xdotool, watched through screenshots,
// and judged by its exit status and the best-score file it leaves.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <stb/stb_image.h>
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STB_IMAGE_WRITE_STATIC
#include <stb/stb_image_write.h>

#include "e2e/GameProcess.h"
#include "e2e/PackageCopy.h"
#include "support/Files.h"
#include "support/ScreenShot.h"

namespace {

// The test screen has no 640 by 480 mode: the picture stands centred on it.
const int kLeft = (1024 - 640) / 2, kTop = (768 - 480) / 2;

struct Picture {
  int w = 0, h = 0;
  std::vector<uint8_t> rgba;
  explicit Picture(const char *path) {
    int n;
    uint8_t *p = stbi_load(path, &w, &h, &n, 4);
    if (p) rgba.assign(p, p + (size_t)w * h * 4);
    stbi_image_free(p);
  }
};

const Picture &sprites() {
  static Picture p(QUARVEL_DATA_DIR "/sprites.tga");
  return p;
}

// Share of the sprite region's opaque pixels that the screen shows at
// (x, y) of the game's picture; gives up early once `floor` is out of reach.
double match(const ScreenShot &s, int sx, int sy, int w, int h, int x, int y, double floor = 0) {
  const Picture &p = sprites();
  int opaque = 0, same = 0, total = 0;
  for (int j = 0; j < h; j++)
    for (int i = 0; i < w; i++)
      if (p.rgba[((size_t)(sy + j) * p.w + sx + i) * 4 + 3] == 255) total++;
  for (int j = 0; j < h; j++)
    for (int i = 0; i < w; i++) {
      const uint8_t *q = &p.rgba[((size_t)(sy + j) * p.w + sx + i) * 4];
      if (q[3] != 255) continue;
      opaque++;
      auto c = s.at(kLeft + x + i, kTop + y + j);
      if (abs(c[0] - q[0]) <= 24 && abs(c[1] - q[1]) <= 24 && abs(c[2] - q[2]) <= 24) same++;
      if (floor > 0 && (double)(same + total - opaque) / total < floor) return 0;
    }
  return total ? (double)same / total : 0;
}

double logoShown(const ScreenShot &s) { return match(s, 0, 174, 289, 88, 130, 150); }

// Where the ball stands in the picture (its best match), or x -1 when it is
// not seen.
std::pair<int, int> findBall(const ScreenShot &s) {
  std::pair<int, int> best{-1, -1};
  double bestMatch = 0.9;
  for (int colour : {0, 57})
    for (int y = 18; y <= 452; y++)
      for (int x = 18; x <= 487; x++) {
        double m = match(s, 205 + colour, 132, 17, 14, x, y, bestMatch);
        if (m > bestMatch) bestMatch = m, best = {x, y};
      }
  return best;
}

int findBat(const ScreenShot &s) {
  int best = -1;
  double bestMatch = 0.9;
  for (int x = 17; x <= 430; x++) {
    double m = match(s, 165, 3, 74, 26, x, 440, bestMatch);
    if (m > bestMatch) bestMatch = m, best = x;
  }
  return best;
}

bool run(const std::string &cmd) { return system(cmd.c_str()) == 0; }

void pointTo(int x, int y) { run("xdotool mousemove " + std::to_string(kLeft + x) + " " + std::to_string(kTop + y)); }

// Up to `seconds` of screenshots until `ready` holds.
template <typename Ready>
bool watch(double seconds, Ready ready) {
  ScreenShot s;
  for (int i = 0; i < seconds * 10; i++) {
    if (s.grab() && ready(s)) return true;
    usleep(100000);
  }
  return false;
}

// Holds Escape over the title screen until the game has seen it and ended;
// its exit status is then in game.status.
bool quitWithEscape(GameProcess &game, const std::string &window) {
  if (!run("xdotool mousemove --window " + window + " 320 240 keydown Escape")) return false;
  bool ended = game.waitExit(15);
  run("xdotool keyup Escape");
  return ended;
}

void saveForReadme(const ScreenShot &s) {
  std::vector<uint8_t> rgb(640 * 480 * 3);
  for (int y = 0; y < 480; y++)
    for (int x = 0; x < 640; x++) {
      auto c = s.at(kLeft + x, kTop + y);
      for (int k = 0; k < 3; k++) rgb[((size_t)y * 640 + x) * 3 + k] = c[k];
    }
  stbi_write_png(QUARVEL_SCREENSHOT, 640, 480, 3, rgb.data(), 640 * 3);
}

TEST(GamePlay, TitleThenAGameThatEndsWithTheLostBallThenEscape) {
  ASSERT_FALSE(sprites().rgba.empty());
  PackageCopy package(QUARVEL_PACKAGE);
  GameProcess game;
  ASSERT_TRUE(game.start(package.path("quarvel").c_str(), "/"));
  std::string id = findWindow("Quarvel");
  ASSERT_FALSE(id.empty());
  pointTo(300, 300);

  // The title screen: the logo fades in over about a quarter of a second.
  ASSERT_TRUE(watch(10, [](const ScreenShot &s) { return logoShown(s) > 0.9; })) << "no logo";

  // A click starts a game: the logo fades out and the ball flies.
  // The button is held until the game has seen it, however slowly frames
  // come on a loaded machine.
  ASSERT_TRUE(run("xdotool mousedown 1"));
  bool fading = watch(15, [](const ScreenShot &s) { return logoShown(s) < 0.9; });
  ASSERT_TRUE(run("xdotool mouseup 1"));
  ASSERT_TRUE(fading) << "the click did not start a game";
  // Meanwhile the bat stays under the ball, so a slow screen grab on a busy
  // machine never misses the fade-out because the game already ended.
  auto keepBallInPlay = [](const ScreenShot &s) {
    auto b = findBall(s);
    if (b.first >= 0) pointTo(b.first + 8 - 37, 300);  // bat centre under the ball's
    return b;
  };
  ASSERT_TRUE(watch(10, [&](const ScreenShot &s) {
    keepBallInPlay(s);
    // Dark outline pixels of the logo match the darker background by
    // chance (up to about a fifth of them): gone means well below that
    // faded-in picture, not zero.
    return logoShown(s) < 0.4;
  })) << "the logo stayed";
  ScreenShot first;
  std::pair<int, int> at{-1, -1}, then{-1, -1};
  ASSERT_TRUE(watch(5, [&](const ScreenShot &s) {
    first = s;
    return (at = keepBallInPlay(s)).first >= 0;
  })) << "no ball in play";
  saveForReadme(first);
  ASSERT_TRUE(watch(5, [&](const ScreenShot &s) {
    then = keepBallInPlay(s);
    return then.first >= 0 && then != at;
  })) << "the ball stands still at " << at.first << "," << at.second;

  // The bat follows the pointer, held inside the field.
  for (int x : {100, 400, 5}) {
    pointTo(x + 0, 300);
    int want = x < 17 ? 17 : x;
    int seen = -1;
    EXPECT_TRUE(watch(5, [&](const ScreenShot &s) { return (seen = findBat(s)) == want; }))
        << "pointer at " << x << ", bat at " << seen;
  }

  // Keep the bat away from the ball until it is lost: the logo comes back.
  bool over = watch(60, [&](const ScreenShot &s) {
    if (logoShown(s) > 0.9) return true;
    auto b = findBall(s);
    if (b.first >= 0) pointTo(b.first < 250 ? 430 : 17, 300);
    return false;
  });
  ASSERT_TRUE(over) << "the game never ended";

  ASSERT_TRUE(quitWithEscape(game, id)) << "still running after Escape";
  ASSERT_TRUE(WIFEXITED(game.status));
  EXPECT_EQ(WEXITSTATUS(game.status), 0);
  std::vector<uint8_t> scores = readFile(package.scoresFile());
  ASSERT_EQ(scores.size(), 8u);
  uint32_t best = (uint32_t)scores[0] << 24 | scores[1] << 16 | scores[2] << 8 | scores[3];
  EXPECT_LE(best, 60u) << "more bricks than the wall held";
  EXPECT_EQ(std::vector<uint8_t>(scores.begin() + 4, scores.end()), (std::vector<uint8_t>{0, 0, 0, 1}));
}

TEST(GameExit, EscapeOnTheTitleCountsRunsAndOpensThePageFromTheNinth) {
  PackageCopy package(QUARVEL_PACKAGE);
  // A stand-in browser opener that only writes down what it was asked.
  std::string bin = package.temp() + "/bin", opened = package.temp() + "/opened.txt";
  ASSERT_EQ(mkdir(bin.c_str(), 0755), 0);
  {
    std::ofstream opener(bin + "/xdg-open");
    opener << "#!/bin/sh\necho \"$*\" >> '" << opened << "'\n";
  }
  ASSERT_EQ(chmod((bin + "/xdg-open").c_str(), 0755), 0);
  std::string oldPath = getenv("PATH") ? getenv("PATH") : "/usr/bin:/bin";
  setenv("PATH", (bin + ":" + oldPath).c_str(), 1);

  for (int runNumber = 1; runNumber <= 9; runNumber++) {
    SCOPED_TRACE("run " + std::to_string(runNumber));
    GameProcess game;
    ASSERT_TRUE(game.start(package.path("quarvel").c_str(), "/tmp"));
    std::string id = findWindow("Quarvel");
    ASSERT_FALSE(id.empty());
    ASSERT_TRUE(watch(10, [](const ScreenShot &s) { return logoShown(s) > 0.5; }));
    ASSERT_TRUE(quitWithEscape(game, id)) << "still running after Escape";
    ASSERT_TRUE(WIFEXITED(game.status));
    EXPECT_EQ(WEXITSTATUS(game.status), 0);
    EXPECT_EQ(readFile(package.scoresFile()), (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0, (uint8_t)runNumber}));
    if (runNumber < 9) {
      EXPECT_EQ(access(opened.c_str(), F_OK), -1) << "page opened early";
    }
  }
  // The opener runs beside the game's exit: give it time.
  std::string asked;
  for (int i = 0; i < 100 && asked.empty(); i++, usleep(100000)) {
    std::ifstream in(opened);
    std::getline(in, asked, '\0');
  }
  setenv("PATH", oldPath.c_str(), 1);
  EXPECT_EQ(asked, "https://www.example.com/quarvel\n");
}

}  // namespace
