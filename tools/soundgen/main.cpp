// Writes the game's sound effects into a folder (the source tree's data/ by
// default): quarvel_soundgen [folder]

#include <cstdio>
#include <string>

#include "SoundGen.h"

int main(int argc, char **argv) {
  std::string dir = argc > 1 ? argv[1] : QUARVEL_DATA_DIR;
  int status = 0;
  for (size_t i = 0; i < soundgen::effects().size(); i++) {
    std::vector<uint8_t> bytes = soundgen::makeEffect(i);
    std::string path = dir + "/" + soundgen::effects()[i].fileName;
    FILE *f = fopen(path.c_str(), "wb");
    if (bytes.empty() || !f || fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) {
      fprintf(stderr, "soundgen: cannot write %s\n", path.c_str());
      status = 1;
    } else {
      printf("%s: %zu bytes\n", path.c_str(), bytes.size());
    }
    if (f) fclose(f);
  }
  return status;
}
