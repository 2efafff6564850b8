#ifndef GAMEPROCESS_H
#define GAMEPROCESS_H

// The packaged game as a player starts it: its own process, found on the
// screen by its window title, driven with xdotool.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

struct GameProcess {
  pid_t pid = -1;
  int status = -1;

  // Starts the binary with `dir` as its current directory.
  bool start(const char *binary, const char *dir) {
    pid = fork();
    if (pid == 0) {
      if (chdir(dir) != 0) _exit(126);
      execl(binary, binary, (char *)nullptr);
      _exit(127);
    }
    return pid > 0;
  }

  // Waits up to `seconds` for the process to end; true when it did.
  bool waitExit(double seconds) {
    for (int i = 0; i < seconds * 100; i++) {
      if (waitpid(pid, &status, WNOHANG) == pid) {
        pid = -1;
        return true;
      }
      usleep(10000);
    }
    return false;
  }

  ~GameProcess() {
    if (pid > 0) {
      kill(pid, SIGKILL);
      waitpid(pid, &status, 0);
    }
  }
};

// Output of a shell command, trailing newline removed.
inline std::string commandOutput(const std::string &cmd) {
  std::string out;
  FILE *p = popen(cmd.c_str(), "r");
  if (!p) return out;
  char buf[256];
  while (fgets(buf, sizeof buf, p)) out += buf;
  pclose(p);
  while (!out.empty() && (out.back() == '\n' || out.back() == '\r')) out.pop_back();
  return out;
}

// The id of the visible window titled exactly `title`, waiting for it up to
// about ten seconds; empty when none appeared.
inline std::string findWindow(const char *title) {
  for (int i = 0; i < 100; i++) {
    std::string id = commandOutput(std::string("xdotool search --onlyvisible --name '^") + title + "$' 2>/dev/null | head -n 1");
    if (!id.empty()) return id;
    usleep(100000);
  }
  return "";
}

// Asks a window to close the way a window manager's close button does.
bool sendCloseRequest(unsigned long window);

#endif
