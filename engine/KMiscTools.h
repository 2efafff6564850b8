#ifndef KMISCTOOLS_H
#define KMISCTOOLS_H

#include <cstdint>

// Data file paths, a millisecond clock, byte order, a message box and the
// user's web browser. Static members only.
class KMiscTools {
public:
  static void initMiscTools();
  static void setFileSource(bool inPackage);
  // Answers the one shared result buffer: copy it before the next call.
  static char *makeFilePath(const char *name);
  // Low 32 bits of a monotonic microsecond count, divided by 1000: wraps
  // after about 71.6 minutes.
  static uint32_t getMilliseconds();
  static short flipShort(short value);
  static int32_t flipLong(int32_t value);
  static void messageBox(const char *text1, const char *text2);
  static void launchURL(const char *url, bool flag);

  static bool _inPackage;
  static char currentAppPath[260];   // the package folder
  static char currentFilePath[260];  // the folder that holds the package
  static char filePathBuffer[260];   // every makeFilePath answer
};

#endif
