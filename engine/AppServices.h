#ifndef APPSERVICES_H
#define APPSERVICES_H

#include <cstddef>
#include <cstdint>

// Application services the utilities stand on: where the package is, a
// monotonic clock, a modal message, and the user's web browser. Tests replace
// the clock and the message sink here, never in the engine classes.
namespace appsvc {

// The running program's own file (not the current directory).
bool executablePath(char *out, size_t size);

// Microseconds since an arbitrary start, monotonic.
uint64_t microseconds();
typedef uint64_t (*ClockFn)();
// Replace the clock (null restores the real one).
void setClock(ClockFn fn);

// Modal alert with two texts (either may be null, shown as empty). Where no
// display can be opened both texts go to standard error.
void alert(const char *text1, const char *text2);
typedef void (*MessageSink)(const char *text1, const char *text2);
// Replace where alerts go (null restores the real dialog).
void setMessageSink(MessageSink sink);

// Open an address in the user's browser, without a shell. False when no
// opener could be started.
bool openURL(const char *url);

}  // namespace appsvc

#endif
