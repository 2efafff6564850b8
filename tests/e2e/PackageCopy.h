#ifndef PACKAGECOPY_H
#define PACKAGECOPY_H

// A private copy of the game's package folder, removed at the end, so that
// the best-score file one test leaves never reaches another test or the
// build's own package.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

struct PackageCopy {
  std::string dir;  // the copy's package folder

  explicit PackageCopy(const char *package) {
    char tmpl[] = "/tmp/quarvel-package-XXXXXX";
    if (!mkdtemp(tmpl)) {
      ADD_FAILURE() << "no temporary folder";
      return;
    }
    root = tmpl;
    dir = root + "/Quarvel";
    std::string cmd = "cp -r '" + std::string(package) + "' '" + dir + "'";
    EXPECT_EQ(system(cmd.c_str()), 0) << cmd;
    // A best score the build's package may hold from a manual run stays out.
    unlink(scoresFile().c_str());
  }
  ~PackageCopy() {
    if (!root.empty()) (void)!system(("rm -rf '" + root + "'").c_str());
  }
  std::string scoresFile() const { return dir + "/Contents/Resources/scores.raw"; }
  std::string path(const char *name) const { return dir + "/" + name; }
  const std::string &temp() const { return root; }

private:
  std::string root;
};

#endif
