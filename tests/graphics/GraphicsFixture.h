#ifndef GRAPHICSFIXTURE_H
#define GRAPHICSFIXTURE_H

// A real window for picture tests, pictures made from small arrays, and
// picture files written on the fly.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <functional>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "graphics/KGraphicGL.h"
#include "support/Files.h"
#include "support/TestWindow.h"
#include "window/KWindowGL.h"

using RGBA = std::array<uint8_t, 4>;

// One pixel as it lies in memory: red, green, blue, alpha.
inline uint32_t px(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255) {
  uint32_t v;
  uint8_t bytes[4] = {r, g, b, a};
  memcpy(&v, bytes, 4);
  return v;
}

const uint32_t kRed = px(255, 0, 0), kGreen = px(0, 255, 0), kBlue = px(0, 0, 255), kWhite = px(255, 255, 255);

// w by h picture in four quadrants: red top-left, green top-right, blue
// bottom-left, white bottom-right. Every turn and mirror of it differs.
inline std::vector<uint32_t> quadrants(int w, int h) {
  std::vector<uint32_t> p((size_t)w * h);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) {
      bool right = x >= w / 2, bottom = y >= h / 2;
      p[(size_t)y * w + x] = bottom ? (right ? kWhite : kBlue) : (right ? kGreen : kRed);
    }
  return p;
}

// Writes an uncompressed 32-bit TGA, top row first in the file.
inline std::string writeTga(const std::string &name, int w, int h, const std::vector<uint32_t> &rgba) {
  std::string path = std::string(::testing::TempDir()) + name;
  FILE *f = fopen(path.c_str(), "wb");
  uint8_t header[18] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, (uint8_t)(w & 255), (uint8_t)(w >> 8),
                        (uint8_t)(h & 255), (uint8_t)(h >> 8), 32, 0x28};
  fwrite(header, 1, 18, f);
  for (uint32_t v : rgba) {
    uint8_t c[4];
    memcpy(c, &v, 4);
    uint8_t bgra[4] = {c[2], c[1], c[0], c[3]};
    fwrite(bgra, 1, 4, f);
  }
  fclose(f);
  return path;
}

inline std::string writeBytes(const std::string &name, const std::vector<uint8_t> &bytes) {
  std::string path = std::string(::testing::TempDir()) + name;
  writeFileAt(path, bytes);
  return path;
}

class GraphicsTest : public ::testing::Test {
protected:
  TestWindow tw;
  CapturedMessages messages;
  void SetUp() override {
    ASSERT_TRUE(tw.opened);
    tw.clear(0, 0, 0);
  }
  void TearDown() override { KWindowGL::hasRectangleText = true; }
  RGBA at(int x, int y) { return tw.pixel(x, y); }
  static RGBA rgb(uint32_t v) {
    RGBA c;
    memcpy(c.data(), &v, 4);
    c[3] = 255;
    return c;
  }
  // Colour without the frame buffer's alpha.
  RGBA colour(int x, int y) {
    RGBA c = tw.pixel(x, y);
    c[3] = 255;
    return c;
  }
};

#endif
