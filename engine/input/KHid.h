#ifndef KHID_H
#define KHID_H

#include <cstdint>

// Joystick discovery: up to two joysticks are recorded with the cookies of
// their axes and buttons. Nothing reads them yet.
void initHID();
void closeHID();
int findGamepads();

extern char gProduct[2][256];
extern int32_t gXLow[2], gXHigh[2], gYLow[2], gYHigh[2];
extern int32_t gButtonCount[2];
extern int32_t gHidSlot;

// Debug messages of the search; they are never shown.
void noprintf(const char *format, ...);

#endif
