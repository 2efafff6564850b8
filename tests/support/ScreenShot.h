#ifndef SCREENSHOT_H
#define SCREENSHOT_H

// What the X server shows: the whole screen grabbed with xwd and decoded,
// so tests check the pixels a player would see.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

struct ScreenShot {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;  // 0x00RRGGBB, rows from the top

  bool grab() {
    char path[] = "/tmp/quarvel-shot-XXXXXX";
    int fd = mkstemp(path);
    if (fd < 0) return false;
    close(fd);
    std::string cmd = std::string("xwd -root -silent > ") + path;
    bool ok = system(cmd.c_str()) == 0 && decode(path);
    unlink(path);
    return ok;
  }

  // The X server draws what a client sent when it gets to it: grab until
  // the screen satisfies `ready`, for at most about two seconds.
  template <typename Ready>
  bool grabUntil(Ready ready) {
    for (int i = 0; i < 40; i++) {
      if (grab() && ready(*this)) return true;
      usleep(50000);
    }
    return false;
  }

  std::array<uint8_t, 3> at(int x, int y) const {
    uint32_t p = pixels[(size_t)y * width + x];
    return {(uint8_t)(p >> 16), (uint8_t)(p >> 8), (uint8_t)p};
  }

private:
  static uint32_t be32(const uint8_t *p) { return (uint32_t)p[0] << 24 | p[1] << 16 | p[2] << 8 | p[3]; }

  // A ZPixmap of three or four bytes a pixel, as a 24-bit screen gives.
  bool decode(const char *path) {
    FILE *f = fopen(path, "rb");
    if (!f) return false;
    std::vector<uint8_t> d;
    uint8_t buf[65536];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, f)) > 0) d.insert(d.end(), buf, buf + n);
    fclose(f);
    if (d.size() < 100) return false;
    uint32_t headerSize = be32(&d[0]), format = be32(&d[8]);
    width = (int)be32(&d[16]);
    height = (int)be32(&d[20]);
    uint32_t byteOrder = be32(&d[28]), bitsPerPixel = be32(&d[44]), bytesPerLine = be32(&d[48]);
    uint32_t colours = be32(&d[76]);
    size_t start = headerSize + (size_t)colours * 12;
    const uint32_t bytesPerPixel = bitsPerPixel / 8;
    if (format != 2 || (bytesPerPixel != 3 && bytesPerPixel != 4) || width <= 0 ||
        bytesPerLine < (uint32_t)width * bytesPerPixel || start + (size_t)bytesPerLine * height > d.size())
      return false;
    pixels.resize((size_t)width * height);
    for (int y = 0; y < height; y++)
      for (int x = 0; x < width; x++) {
        const uint8_t *p = &d[start + (size_t)y * bytesPerLine + (size_t)x * bytesPerPixel];
        uint32_t v = byteOrder ? (bytesPerPixel == 4 ? be32(p) : (uint32_t)p[0] << 16 | p[1] << 8 | p[2])
                               : (uint32_t)p[2] << 16 | p[1] << 8 | p[0];
        pixels[(size_t)y * width + x] = v & 0xFFFFFF;
      }
    return true;
  }
};

#endif
