#include "ReplayScript.h"

#include <cstdlib>
#include <cstring>
#include <sstream>

bool parseReplayScript(FILE *in, std::vector<ReplayFrame> &frames, std::string &error) {
  std::string line;
  int number = 0;
  int ch;
  bool more = true;
  while (more) {
    line.clear();
    while ((ch = fgetc(in)) != EOF && ch != '\n') line += (char)ch;
    more = ch != EOF;
    if (!more && line.empty()) break;
    number++;
    size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string::npos || line[first] == '#') continue;

    std::istringstream words(line);
    ReplayFrame f;
    std::string xs, ys, bs, word;
    words >> xs >> ys >> bs;
    char *end;
    long x = strtol(xs.c_str(), &end, 10);
    bool okX = !xs.empty() && *end == 0;
    long y = strtol(ys.c_str(), &end, 10);
    bool okY = !ys.empty() && *end == 0;
    if (!okX || !okY || (bs != "0" && bs != "1") || x < -32768 || x > 32767 || y < -32768 || y > 32767) {
      error = "line " + std::to_string(number) + ": expected \"x y button\" with button 0 or 1";
      return false;
    }
    f.x = (int)x;
    f.y = (int)y;
    f.button = bs == "1";
    while (words >> word) {
      if (word == "SPACE")
        f.space = true;
      else if (word == "ESCAPE")
        f.escape = true;
      else {
        error = "line " + std::to_string(number) + ": unknown key \"" + word + "\"";
        return false;
      }
    }
    frames.push_back(f);
  }
  return true;
}
