#include "KInput.h"

#include "input/KHid.h"
#include "window/WindowSystem.h"

bool KInput::_cursorVisibility = true;
int32_t KInput::_cursorVis = 0;
bool KInput::_rbuttonstate = false;
short KInput::_lastWheelValue = 0;
bool KInput::joystick[2] = {false, false};
WindowRef KInput::_hwnd = nullptr;

void KInput::initInput(WindowRef window) {
  _cursorVis = 0;
  _hwnd = window;
  initHID();
  joystick[0] = joystick[1] = false;
}

bool KInput::isPressed(EKeyboardLayout key) {
  // K_NONE and anything outside the table have no bit in the key map.
  if ((int)key < 0 || (int)key >= (int)K_NONE) return false;
  unsigned c = KeyboardLayout[key].macKeyCode;
  uint8_t map[16];
  ws::readKeyMap(map);
  return (map[c >> 3] >> (c & 7)) & 1;
}

void KInput::waitForKeyRelease(EKeyboardLayout key) {
  // Reading the key map pumps the platform's events, so the map stays live
  // while this spins.
  while (isPressed(key)) {
  }
}

EKeyboardLayout KInput::getVykKey(unsigned short macKeyCode) {
  for (int i = 0; i < 94; i++) {
    if (KeyboardLayout[i].macKeyCode == macKeyCode) return (EKeyboardLayout)KeyboardLayout[i].code;
    if (KeyboardLayout[i].code == K_NONE) return K_NONE;
  }
  return K_NONE;
}

int KInput::getMouseX() {
  int x, y;
  ws::readPointer(&x, &y);
  return (short)x;
}

int KInput::getMouseY() {
  int x, y;
  ws::readPointer(&x, &y);
  return (short)y;
}

bool KInput::getLeftButtonState() { return ws::primaryButtonDown(); }

void KInput::showPointer() {
  _cursorVisibility = true;
  while (_cursorVis < 0) {
    ws::displayShowCursor();
    ws::showCursor();
    _cursorVis++;
  }
}

void KInput::hidePointer() {
  _cursorVisibility = false;
  while (_cursorVis >= 0) {
    ws::displayHideCursor();
    ws::hideCursor();
    _cursorVis--;
  }
}

void KInput::setLastWheelValue(short value) { _lastWheelValue = value; }
