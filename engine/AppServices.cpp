#include "AppServices.h"

#include <SDL.h>
#include <spawn.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <thread>

extern char **environ;

namespace appsvc {

namespace {
ClockFn gClock = nullptr;
MessageSink gSink = nullptr;
}  // namespace

bool executablePath(char *out, size_t size) {
  if (size == 0) return false;
  ssize_t n = readlink("/proc/self/exe", out, size - 1);
  if (n <= 0) {
    out[0] = 0;
    return false;
  }
  out[n] = 0;
  return true;
}

uint64_t microseconds() {
  if (gClock) return gClock();
  struct timespec ts;
  clock_gettime(CLOCK_MONOTONIC, &ts);
  return (uint64_t)ts.tv_sec * 1000000u + (uint64_t)ts.tv_nsec / 1000u;
}

void setClock(ClockFn fn) { gClock = fn; }

void setMessageSink(MessageSink sink) { gSink = sink; }

void alert(const char *text1, const char *text2) {
  const char *a = text1 ? text1 : "";
  const char *b = text2 ? text2 : "";
  if (gSink) {
    gSink(a, b);
    return;
  }
  // A dialog needs the video subsystem; without a display the texts still
  // reach the user on standard error.
  char both[600];
  // Each text is cut at 255 characters, as the alert always has.
  snprintf(both, sizeof both, "%.255s%s%.255s", a, (a[0] && b[0]) ? "\n" : "", b);
  // The dialog opens its own connection to the desktop, so it works before
  // (and without) the video side being up.
  bool shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, "Quarvel", both, nullptr) == 0;
  if (!shown) {
    for (char *c = both; *c; c++)
      if (*c == '\n') *c = ' ';
    fprintf(stderr, "Quarvel: %s\n", both);
    fflush(stderr);
  }
}

bool openURL(const char *url) {
  // xdg-open is found on PATH and started directly: no shell sees the
  // address, and no fork copies this (threaded) program. The opener gets
  // none of our descriptors beyond the standard three, so it can never hold
  // the display connection or a caller's pipe.
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addclosefrom_np(&actions, 3);
  char *const argv[] = {(char *)"xdg-open", (char *)url, nullptr};
  pid_t pid;
  int rc = posix_spawnp(&pid, "xdg-open", &actions, nullptr, argv, environ);
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) return false;
  // Reaped on the side: an opener that waits for the browser holds nobody up.
  std::thread([pid] {
    int status;
    waitpid(pid, &status, 0);
  }).detach();
  return true;
}

}  // namespace appsvc
