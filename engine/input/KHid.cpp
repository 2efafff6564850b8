#include "input/KHid.h"

#include <cstring>

char gProduct[2][256];
int32_t gXLow[2], gXHigh[2], gYLow[2], gYHigh[2];
int32_t gButtonCount[2];
int32_t gHidSlot = 0;

void noprintf(const char *, ...) {}

void initHID() {
  for (int slot = 0; slot < 2; slot++) {
    gXLow[slot] = gXHigh[slot] = gYLow[slot] = gYHigh[slot] = 0;
    gButtonCount[slot] = 0;
    strcpy(gProduct[slot], "None Found");
  }
  noprintf("THis is in the HID init code \n");
  findGamepads();
}

int findGamepads() {
  noprintf("Find Gamepads\n");
  // No device registry is wired in yet: no device can be listed, and both
  // slots stay "None Found".
  noprintf("No devices found!\n");
  return -1;
}

void closeHID() {}
