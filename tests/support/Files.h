#ifndef FILES_H
#define FILES_H

// Whole files in and out, for tests that make fixtures or check output.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

// The file's bytes; empty when it cannot be read.
inline std::vector<uint8_t> readFile(const std::string &path) {
  std::vector<uint8_t> bytes;
  FILE *f = fopen(path.c_str(), "rb");
  if (!f) return bytes;
  uint8_t buf[65536];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) bytes.insert(bytes.end(), buf, buf + n);
  fclose(f);
  return bytes;
}

// Writes (or replaces) the file with exactly these bytes.
inline bool writeFileAt(const std::string &path, const std::vector<uint8_t> &bytes) {
  FILE *f = fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return fclose(f) == 0 && ok;
}

#endif
