// Module music and Ogg Vorbis streams: declared for the engine's public
// surface; they are built on the double buffer cycle in KAudio.cpp later.

#include "KAudio.h"

// Not built yet: no module can be loaded, so there is nothing to play.
bool KAudio::loadModule(const char *) { return false; }
void KAudio::playModule(bool) {}
void KAudio::stopModule() {}
bool KAudio::renderModuleToFile(const char *, unsigned long) { return false; }

// Not built yet: no stream can be loaded, so there is nothing to play.
bool KAudio::loadStream(const char *) { return false; }
bool KAudio::loadStreamFromMemory(const void *, long) { return false; }
void KAudio::playStream(bool) {}
void KAudio::stopStream() {}

// The refill steps of the double buffer cycle; no module or stream loads
// yet, so the cycle never runs.
void KAudio::renderModuleBuffer(int) {}
void KAudio::fillStreamBuffer(int) {}
