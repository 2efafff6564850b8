#include "KMiscTools.h"

#include <cstdio>
#include <cstring>

#include "AppServices.h"

bool KMiscTools::_inPackage = false;
char KMiscTools::currentAppPath[260] = "";
char KMiscTools::currentFilePath[260] = "";
char KMiscTools::filePathBuffer[260] = "";

// Copies at most 259 bytes and a terminating zero.
static void copyPath(char *dst, const char *src, size_t len) {
  if (len > 259) len = 259;
  memcpy(dst, src, len);
  dst[len] = 0;
}

void KMiscTools::initMiscTools() {
  if (currentFilePath[0] != 0) return;  // filled once per run

  // The package is the folder the executable runs from as a unit; the
  // parent folder is the one that holds it. A path too long for the
  // 260-byte buffers is cut, like every path the engine builds.
  char exe[4096];
  if (!appsvc::executablePath(exe, sizeof exe)) return;
  char *slash = strrchr(exe, '/');
  if (!slash) return;
  size_t appLen = slash == exe ? 1 : (size_t)(slash - exe);
  copyPath(currentAppPath, exe, appLen);

  char *parentSlash = nullptr;
  for (char *c = exe; c < exe + appLen; c++)
    if (*c == '/') parentSlash = c;
  size_t parentLen = (!parentSlash || parentSlash == exe) ? 1 : (size_t)(parentSlash - exe);
  copyPath(currentFilePath, exe, parentLen);
}

void KMiscTools::setFileSource(bool inPackage) { _inPackage = inPackage; }

// Cutting an overlong path at 259 characters is the rule, not an accident.
#pragma GCC diagnostic ignored "-Wformat-truncation"
char *KMiscTools::makeFilePath(const char *name) {
  if (!name) name = "";
  if (name[0] == '\\') name++;
  if (name[0] == '/')
    snprintf(filePathBuffer, sizeof filePathBuffer, "%s", name);
  else if (_inPackage)
    snprintf(filePathBuffer, sizeof filePathBuffer, "%s/Contents/Resources/%s", currentAppPath, name);
  else
    snprintf(filePathBuffer, sizeof filePathBuffer, "%s/%s", currentFilePath, name);
  for (char *c = filePathBuffer; *c; c++)
    if (*c == '\\') *c = '/';
  return filePathBuffer;
}

uint32_t KMiscTools::getMilliseconds() {
  uint32_t low = (uint32_t)appsvc::microseconds();
  return low / 1000u;
}

short KMiscTools::flipShort(short value) {
  uint16_t v = (uint16_t)value;
  return (short)(uint16_t)((v >> 8) | (v << 8));
}

int32_t KMiscTools::flipLong(int32_t value) {
  uint32_t v = (uint32_t)value;
  return (int32_t)((v >> 24) | ((v >> 8) & 0xFF00u) | ((v << 8) & 0xFF0000u) | (v << 24));
}

void KMiscTools::messageBox(const char *text1, const char *text2) { appsvc::alert(text1, text2); }

void KMiscTools::launchURL(const char *url, bool) {
  if (!url) return;
  // Addresses are cut at 255 characters, as the browser service has always
  // taken them.
  char address[256];
  snprintf(address, sizeof address, "%s", url);
  appsvc::openURL(address);
}
