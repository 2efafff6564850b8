// The digits on the panel and the best-score file.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "GameFixture.h"
#include "KMiscTools.h"
#include "support/Files.h"

namespace {

using ScoresTest = GameTest;

std::vector<float> glyphStarts(const RecordingGraphic &g) {
  std::vector<float> xs;
  for (const DrawCall &c : g.calls) xs.push_back(c.x);
  return xs;
}

TEST_F(ScoresTest, NumbersAreRightAlignedGlyphByGlyph) {
  struct Case {
    long value;
    std::vector<float> starts;
  } cases[] = {
      {0, {622}},
      {1234, {594, 601, 612, 624}},
      {7, {625}},
      {-5, {624}},  // a minus sign has no glyph: not drawn, no room taken
  };
  for (const Case &c : cases) {
    sprites.calls.clear();
    displayValue(c.value, 635, 333);
    EXPECT_EQ(glyphStarts(sprites), c.starts) << c.value;
    for (const DrawCall &d : sprites.calls) {
      EXPECT_EQ(d.y, 333);
      EXPECT_EQ(d.sy1, 154);
      EXPECT_EQ(d.sy2, 171);
    }
  }
  sprites.calls.clear();
  displayValue(0, 635, 259);
  ASSERT_EQ(sprites.calls.size(), 1u);
  EXPECT_EQ(sprites.calls[0].sx1, 10);
  EXPECT_EQ(sprites.calls[0].sx2, 23);
}

TEST_F(ScoresTest, OnlyDigitsHaveGlyphs) {
  for (int i = 0; i < 10; i++) EXPECT_EQ(getCIndex((char)('0' + i)), i);
  for (char c : {'-', ' ', 'a', '\0', '/', ':'}) EXPECT_EQ(getCIndex(c), -1) << (int)c;
}

// The best-score file in a package folder of the test's own.
class ScoreFileTest : public GameTest {
protected:
  std::string dir, file;
  char savedApp[260], savedFile[260];
  void SetUp() override {
    GameTest::SetUp();
    char tmpl[] = "/tmp/quarvel-scores-XXXXXX";
    ASSERT_NE(mkdtemp(tmpl), nullptr);
    dir = tmpl;
    ASSERT_EQ(system(("mkdir -p " + dir + "/Contents/Resources").c_str()), 0);
    file = dir + "/Contents/Resources/scores.raw";
    memcpy(savedApp, KMiscTools::currentAppPath, 260);
    memcpy(savedFile, KMiscTools::currentFilePath, 260);
    snprintf(KMiscTools::currentAppPath, 260, "%s", dir.c_str());
    snprintf(KMiscTools::currentFilePath, 260, "/tmp");
    KMiscTools::setFileSource(true);
    prefs = {0, 0};
  }
  void TearDown() override {
    memcpy(KMiscTools::currentAppPath, savedApp, 260);
    memcpy(KMiscTools::currentFilePath, savedFile, 260);
    ASSERT_EQ(system(("rm -rf " + dir).c_str()), 0);
    GameTest::TearDown();
  }
  void write(const std::vector<uint8_t> &bytes) { writeFileAt(file, bytes); }
  std::vector<uint8_t> read() { return readFile(file); }
};

struct FileCase {
  const char *name;
  bool exists;
  std::vector<uint8_t> before;
  int highscoreRead, runCountRead;
  int scoreReached;
  std::vector<uint8_t> after;
  bool pageOpens;
};

TEST_F(ScoreFileTest, ReadAtStartWrittenAtExit) {
  const FileCase cases[] = {
      {"no file", false, {}, 0, 0, 12, {0, 0, 0, 12, 0, 0, 0, 1}, false},
      {"run count 25", true, {0, 0, 0, 5, 0, 0, 0, 25}, 5, 10, 3, {0, 0, 0, 5, 0, 0, 0, 10}, true},
      {"four bytes", true, {0, 0, 0, 9}, 9, 0, 0, {0, 0, 0, 9, 0, 0, 0, 1}, false},
      {"empty", true, {}, 0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 1}, false},
      {"byte order", true, {0, 0, 1, 2, 0, 0, 0, 0}, 258, 0, 0, {0, 0, 1, 2, 0, 0, 0, 1}, false},
      {"seven runs", true, {0, 0, 0, 1, 0, 0, 0, 7}, 1, 7, 0, {0, 0, 0, 1, 0, 0, 0, 8}, false},
      {"eight runs", true, {0, 0, 0, 1, 0, 0, 0, 8}, 1, 8, 0, {0, 0, 0, 1, 0, 0, 0, 9}, true},
      {"ten runs", true, {0, 0, 0, 1, 0, 0, 0, 10}, 1, 10, 0, {0, 0, 0, 1, 0, 0, 0, 10}, true},
      {"negative run count", true, {0, 0, 0, 1, 0xFF, 0xFF, 0xFF, 0xFE}, 1, 0, 0, {0, 0, 0, 1, 0, 0, 0, 1}, false},
      {"longer file", true, {0, 0, 0, 4, 0, 0, 0, 2, 0xAA}, 4, 2, 0, {0, 0, 0, 4, 0, 0, 0, 3}, false},
  };
  for (const FileCase &c : cases) {
    SCOPED_TRACE(c.name);
    unlink(file.c_str());
    if (c.exists) write(c.before);
    prefs = {0, 0};
    gHighscore = 0;
    loadScores();
    EXPECT_EQ(gHighscore, c.highscoreRead);
    EXPECT_EQ(prefs.runCount, c.runCountRead);
    if (c.scoreReached > gHighscore) gHighscore = c.scoreReached;
    saveScores();
    EXPECT_EQ(read(), c.after);
    EXPECT_EQ(publisherPageDue(), c.pageOpens);
  }
}

TEST_F(ScoreFileTest, TheBestScoreReadIsOnThePanelFromTheFirstFrame) {
  write({0, 0, 1, 2, 0, 0, 0, 3});
  gHighscore = 0;
  loadScores();
  frame();
  // 258 right-aligned to 635 at y 259: '2' '5' '8', 11 + 11 + 12 wide.
  std::vector<float> starts;
  for (const DrawCall &d : sprites.calls)
    if (d.sy1 == 154 && d.y == 259) starts.push_back(d.x);
  EXPECT_EQ(starts, (std::vector<float>{601, 612, 623}));
}

TEST_F(ScoreFileTest, AFileThatCannotBeWrittenKeepsTheOldOneAndStillCountsTheRun) {
  write({0, 0, 0, 40, 0, 0, 0, 2});
  loadScores();
  gHighscore = 50;
  // A folder where the new file would go: no file of that name can be made,
  // whoever runs the test.
  std::string blocker = file + ".new";
  ASSERT_EQ(mkdir(blocker.c_str(), 0755), 0);
  saveScores();
  EXPECT_EQ(read(), (std::vector<uint8_t>{0, 0, 0, 40, 0, 0, 0, 2}));
  EXPECT_EQ(prefs.runCount, 3);
  rmdir(blocker.c_str());
}

}  // namespace
