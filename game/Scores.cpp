// The score digits on the panel and the best-score file "scores.raw":
// best score then run count, each 32-bit big-endian.
#include <cstdio>
#include <cstring>

#include "Game.h"
#include "KMiscTools.h"

const Glyph nombres[10] = {
    {'0', 10, 23}, {'1', 28, 35},   {'2', 41, 52},   {'3', 55, 67},   {'4', 70, 81},
    {'5', 85, 96}, {'6', 99, 111}, {'7', 115, 125}, {'8', 128, 140}, {'9', 143, 155},
};
int32_t gScore = 0;
int32_t gHighscore = 0;
Prefs prefs = {0, 0};

int getCIndex(char c) {
  for (int i = 0; i < 10; i++)
    if (nombres[i].c == c) return i;
  return -1;
}

void displayValue(long value, long rightX, long y) {
  char text[32];
  snprintf(text, sizeof text, "%d", (int)value);
  // A character without a glyph (the minus of a damaged best score) is
  // neither drawn nor given room.
  long width = 0;
  for (const char *p = text; *p; p++) {
    int i = getCIndex(*p);
    if (i >= 0) width += nombres[i].x2 - nombres[i].x1;
  }
  long x = rightX - width;
  for (const char *p = text; *p; p++) {
    int i = getCIndex(*p);
    if (i < 0) continue;
    surf_sprites->blitAlphaRect(nombres[i].x1, 154, nombres[i].x2, 171, (short)x, (short)y, false, false);
    x += nombres[i].x2 - nombres[i].x1;
  }
}

static void putBigEndian(uint8_t *out, int32_t v) {
  uint32_t u = (uint32_t)v;
  out[0] = (uint8_t)(u >> 24);
  out[1] = (uint8_t)(u >> 16);
  out[2] = (uint8_t)(u >> 8);
  out[3] = (uint8_t)u;
}

static int32_t getBigEndian(const uint8_t *in) {
  return (int32_t)((uint32_t)in[0] << 24 | (uint32_t)in[1] << 16 | (uint32_t)in[2] << 8 | in[3]);
}

static void holdRunCount() {
  if (prefs.runCount < 0) prefs.runCount = 0;
  if (prefs.runCount > 10) prefs.runCount = 10;
}

void loadScores() {
  char path[260];
  snprintf(path, sizeof path, "%s", KMiscTools::makeFilePath("scores.raw"));
  FILE *f = fopen(path, "rb");
  if (!f) {
    prefs.highscore = 0;
    prefs.runCount = 0;
    return;
  }
  // Bytes the file does not have keep the value they had.
  uint8_t bytes[8];
  putBigEndian(bytes, prefs.highscore);
  putBigEndian(bytes + 4, prefs.runCount);
  size_t got = fread(bytes, 1, sizeof bytes, f);
  (void)got;
  prefs.highscore = getBigEndian(bytes);
  prefs.runCount = getBigEndian(bytes + 4);
  holdRunCount();
  gHighscore = prefs.highscore;
  fclose(f);
}

void saveScores() {
  prefs.runCount++;
  char path[260], temp[272];
  snprintf(path, sizeof path, "%s", KMiscTools::makeFilePath("scores.raw"));
  // Written beside the file and renamed over it, so a full disk or a crash
  // halfway never costs the stored best score.
  snprintf(temp, sizeof temp, "%s.new", path);
  FILE *f = fopen(temp, "wb");
  if (!f) return;
  prefs.highscore = gHighscore;
  holdRunCount();
  uint8_t bytes[8];
  putBigEndian(bytes, prefs.highscore);
  putBigEndian(bytes + 4, prefs.runCount);
  bool ok = fwrite(bytes, 1, sizeof bytes, f) == sizeof bytes;
  ok = fflush(f) == 0 && ok;
  ok = fclose(f) == 0 && ok;
  if (!ok || rename(temp, path) != 0) remove(temp);
}
