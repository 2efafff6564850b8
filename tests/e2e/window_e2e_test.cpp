// The packaged game under the test X server: it opens its display from any
// current directory and ends cleanly on every way a player asks it to.
#include <gtest/gtest.h>

#include <cstdlib>

#include "e2e/GameProcess.h"
#include "e2e/PackageCopy.h"

namespace {


TEST(GameWindow, OpensTitledQuarvelAndEndsOnSuperQ) {
  // Each run plays from its own package copy, so the exits these tests
  // cause never pile up in the build's best-score file.
  PackageCopy package(QUARVEL_PACKAGE);
  GameProcess game;
  ASSERT_TRUE(game.start(package.path("quarvel").c_str(), "/tmp"));
  std::string id = findWindow("Quarvel");
  ASSERT_FALSE(id.empty()) << "no window titled Quarvel";
  // The test screen has no 640 by 480 mode: the game covers the whole
  // 1024 by 768 screen instead.
  std::string geometry = commandOutput("xdotool getwindowgeometry " + id);
  EXPECT_NE(geometry.find("Position: 0,0"), std::string::npos) << geometry;
  EXPECT_NE(geometry.find("Geometry: 1024x768"), std::string::npos) << geometry;
  // Held as a person holds a shortcut, over a few frames.
  ASSERT_EQ(system(("xdotool mousemove --window " + id + " 320 240 keydown super+q sleep 0.2 keyup super+q").c_str()), 0);
  ASSERT_TRUE(game.waitExit(5)) << "still running after Super+Q";
  ASSERT_TRUE(WIFEXITED(game.status));
  EXPECT_EQ(WEXITSTATUS(game.status), 0);
}

TEST(GameWindow, EndsOnTheCloseButtonAndOnATerminationSignal) {
  for (int way = 0; way < 2; way++) {
    PackageCopy package(QUARVEL_PACKAGE);
    GameProcess game;
    ASSERT_TRUE(game.start(package.path("quarvel").c_str(), "/"));
    std::string id = findWindow("Quarvel");
    ASSERT_FALSE(id.empty());
    if (way == 0)
      ASSERT_TRUE(sendCloseRequest(std::stoul(id)));
    else
      kill(game.pid, SIGTERM);
    ASSERT_TRUE(game.waitExit(5)) << (way == 0 ? "close button" : "SIGTERM");
    ASSERT_TRUE(WIFEXITED(game.status));
    EXPECT_EQ(WEXITSTATUS(game.status), 0);
  }
}

TEST(GameWindow, WithoutADisplaySaysSoAndFails) {
  PackageCopy package(QUARVEL_PACKAGE);
  std::string out = commandOutput("cd /tmp && DISPLAY=:249 " + package.path("quarvel") + " 2>&1; echo \"status=$?\"");
  EXPECT_NE(out.find("status=1"), std::string::npos) << out;
  EXPECT_NE(out.find("no display can be opened"), std::string::npos) << out;
}

}  // namespace
