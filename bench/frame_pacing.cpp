// Frame pacing as the game runs it: 600 flips of a real window at 75 frames
// per second, timed from the outside with a steady clock. Prints the mean,
// median and 99th-percentile frame period in milliseconds.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "KVyk.h"

int main() {
  KWindow *window = KVyk::createKWindow(K_OPENGL, false);
  if (!window->createGameWindow(640, 480, 32, true, "pacing")) {
    fprintf(stderr, "no window\n");
    return 1;
  }
  window->setMaxFrameRate(75);
  const int frames = 600;
  std::vector<double> periods;
  auto last = std::chrono::steady_clock::now();
  for (int i = 0; i <= frames; i++) {
    window->setDefaultWorldView();
    window->flipBackBuffer(false, true);
    auto now = std::chrono::steady_clock::now();
    if (i > 0) periods.push_back(std::chrono::duration<double, std::milli>(now - last).count());
    last = now;
  }
  delete window;

  double sum = 0;
  for (double p : periods) sum += p;
  std::sort(periods.begin(), periods.end());
  double median = periods[periods.size() / 2];
  double p99 = periods[(size_t)(periods.size() * 0.99)];
  printf("frame pacing at setMaxFrameRate(75), %d frames: mean %.3f ms, median %.3f ms, p99 %.3f ms\n", frames,
         sum / periods.size(), median, p99);
  return 0;
}
