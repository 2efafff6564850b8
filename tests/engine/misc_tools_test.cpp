#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "AppServices.h"
#include "KMiscTools.h"
#include "support/TestWindow.h"

namespace {

void setBases(const char *app, const char *parent) {
  snprintf(KMiscTools::currentAppPath, 260, "%s", app);
  snprintf(KMiscTools::currentFilePath, 260, "%s", parent);
}

struct PathCase {
  bool inPackage;
  const char *name;
  const char *expected;
};

TEST(MakeFilePath, BuildsPathsFromEitherBase) {
  setBases("/Apps/Game.app", "/Apps");
  const PathCase cases[] = {
      {true, "data\\panel.tga", "/Apps/Game.app/Contents/Resources/data/panel.tga"},
      {true, "data/panel.tga", "/Apps/Game.app/Contents/Resources/data/panel.tga"},
      {false, "scores.raw", "/Apps/scores.raw"},
      {false, "\\scores.raw", "/Apps/scores.raw"},
      {true, "\\/tmp/x.tga", "/tmp/x.tga"},
      {false, "/abs\\dir\\file.ogg", "/abs/dir/file.ogg"},
      {true, "", "/Apps/Game.app/Contents/Resources/"},
  };
  for (const PathCase &c : cases) {
    KMiscTools::setFileSource(c.inPackage);
    EXPECT_STREQ(KMiscTools::makeFilePath(c.name), c.expected) << c.name;
  }
}

TEST(MakeFilePath, SharesOneBufferAndCutsAt259) {
  setBases("/Apps/Game.app", "/Apps");
  KMiscTools::setFileSource(false);
  char *first = KMiscTools::makeFilePath("a");
  char *second = KMiscTools::makeFilePath("b");
  EXPECT_EQ(first, second);
  EXPECT_STREQ(first, "/Apps/b");

  std::string longName(400, 'x');
  longName[100] = '\\';
  const char *cut = KMiscTools::makeFilePath(longName.c_str());
  ASSERT_EQ(strlen(cut), 259u);
  EXPECT_EQ(std::string(cut).substr(0, 6), "/Apps/");
  EXPECT_EQ(cut[6 + 100], '/');  // backslashes are turned even in a cut path
}

TEST(InitMiscTools, FindsThePackageFromTheExecutableOnce) {
  setBases("", "");
  KMiscTools::initMiscTools();
  char exe[4096];
  ASSERT_TRUE(appsvc::executablePath(exe, sizeof exe));
  std::string e(exe);
  std::string app = e.substr(0, e.rfind('/'));
  std::string parent = app.substr(0, app.rfind('/'));
  EXPECT_EQ(KMiscTools::currentAppPath, app);
  EXPECT_EQ(KMiscTools::currentFilePath, parent);

  setBases("/changed", "/changed-parent");
  KMiscTools::initMiscTools();  // filled already: left alone
  EXPECT_STREQ(KMiscTools::currentAppPath, "/changed");
}

TEST(ByteOrder, FlipsShortsAndLongs) {
  EXPECT_EQ(KMiscTools::flipShort(0x0102), 0x0201);
  EXPECT_EQ(KMiscTools::flipShort((short)0x80FF), (short)0xFF80);
  EXPECT_LT(KMiscTools::flipShort((short)0x80FF), 0);
  EXPECT_EQ(KMiscTools::flipLong(0x01020304), 0x04030201);
  EXPECT_EQ(KMiscTools::flipLong((int32_t)0xFF000080), (int32_t)0x800000FF);
}

uint64_t gFakeMicros = 0;
uint64_t fakeClock() { return gFakeMicros; }

TEST(GetMilliseconds, UsesTheLow32BitsOfTheMicrosecondCount) {
  appsvc::setClock(fakeClock);
  const struct {
    uint64_t micros;
    uint32_t ms;
  } cases[] = {
      {0, 0}, {999, 0}, {1000, 1}, {(1ull << 32) + 5000, 5}, {(1ull << 32) - 1, 4294967}, {(7ull << 32) + 123456, 123},
  };
  for (auto &c : cases) {
    gFakeMicros = c.micros;
    EXPECT_EQ(KMiscTools::getMilliseconds(), c.ms) << c.micros;
  }
  appsvc::setClock(nullptr);
  uint32_t a = KMiscTools::getMilliseconds();
  usleep(20000);
  uint32_t b = KMiscTools::getMilliseconds();
  EXPECT_GE(b - a, 19u);
  EXPECT_LT(b - a, 1000u);
}

TEST(MessageBox, PassesBothTextsWithNullShownAsEmpty) {
  CapturedMessages captured;
  KMiscTools::messageBox("erreur", nullptr);
  KMiscTools::messageBox(nullptr, "detail");
  ASSERT_EQ(captured.list().size(), 2u);
  EXPECT_EQ(captured.list()[0], "erreur|");
  EXPECT_EQ(captured.list()[1], "|detail");
}

TEST(LaunchURL, StartsTheOpenerWithTheAddressAndNothingForNull) {
  // A stand-in opener on PATH records what it was asked to open.
  char dir[] = "/tmp/quarvel-url-XXXXXX";
  ASSERT_NE(mkdtemp(dir), nullptr);
  std::string log = std::string(dir) + "/log";
  std::string opener = std::string(dir) + "/xdg-open";
  {
    std::ofstream f(opener);
    f << "#!/bin/sh\nprintf '%s\\n' \"$1\" >> " << log << "\n";
  }
  chmod(opener.c_str(), 0755);
  std::string oldPath = getenv("PATH");
  setenv("PATH", (std::string(dir) + ":" + oldPath).c_str(), 1);

  KMiscTools::launchURL(nullptr, true);
  KMiscTools::launchURL("https://quarvel.example.com/?a=1&b=$(touch pwned)", true);
  for (int i = 0; i < 100 && access(log.c_str(), F_OK) != 0; i++) usleep(20000);
  usleep(50000);
  setenv("PATH", oldPath.c_str(), 1);

  std::ifstream in(log);
  std::string line, all;
  while (std::getline(in, line)) all += line + "\n";
  EXPECT_EQ(all, "https://quarvel.example.com/?a=1&b=$(touch pwned)\n");
  EXPECT_NE(access("pwned", F_OK), 0);
}

}  // namespace
