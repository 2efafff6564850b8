// The replay's input file: one line per frame, "x y button [SPACE] [ESCAPE]";
// blank lines and lines starting with '#' are skipped.
#ifndef REPLAYSCRIPT_H
#define REPLAYSCRIPT_H

#include <cstdio>
#include <string>
#include <vector>

struct ReplayFrame {
  int x = 0, y = 0;
  bool button = false;
  bool space = false;
  bool escape = false;
};

// False with a message naming the line when a line does not read.
bool parseReplayScript(FILE *in, std::vector<ReplayFrame> &frames, std::string &error);

#endif
