#ifndef KINPUT_H
#define KINPUT_H

#include <cstdint>

#include "KPlatformTypes.h"

// The engine's key codes, one per key. The values are part of the API:
// games store and compare them.
enum EKeyboardLayout {
  K_LEFT = 0, K_UP, K_DOWN, K_RIGHT,
  K_SPACE,                                     // 4
  K_LSHIFT, K_RSHIFT,
  K_RETURN,
  K_RCONTROL, K_LCONTROL,
  K_F1, K_F2, K_F3, K_F4, K_F5, K_F6, K_F7, K_F8, K_F9, K_F10, K_F11, K_F12,
  K_BACKSPACE,
  K_TAB,
  K_ESCAPE,                                    // 24
  K_A, K_B, K_C, K_D, K_E, K_F, K_G, K_H, K_I, K_J, K_K, K_L, K_M,
  K_N, K_O, K_P, K_Q, K_R, K_S, K_T, K_U, K_V, K_W, K_X, K_Y, K_Z,
  K_0, K_1, K_2, K_3, K_4, K_5, K_6, K_7, K_8, K_9,
  K_NUMPAD0, K_NUMPAD1, K_NUMPAD2, K_NUMPAD3, K_NUMPAD4,
  K_NUMPAD5, K_NUMPAD6, K_NUMPAD7, K_NUMPAD8, K_NUMPAD9,
  K_MULTIPLY, K_ADD, K_SUBTRACT, K_DECIMAL, K_DIVIDE,
  K_CLEAR,
  K_COMMAND,                                   // 77
  K_LOPTION, K_ROPTION,
  K_CAPSLOCK,
  K_F14,
  K_SEMICOLON, K_EQUALS, K_COMMA, K_MINUS, K_PERIOD, K_SLASH, K_GRAVE,
  K_LBRACKET, K_BACKSLASH, K_RBRACKET, K_QUOTE,
  K_NONE                                       // 93: no key
};

// One entry of the key table: the engine's code and the virtual key code
// of that key position on a US keyboard.
struct KeyboardLayoutEntry {
  int32_t code;
  uint16_t macKeyCode;
};
extern const KeyboardLayoutEntry KeyboardLayout[94];

// Live keyboard and mouse state, read by polling. Static members only.
class KInput {
public:
  static void initInput(WindowRef window);
  static bool isPressed(EKeyboardLayout key);
  static void waitForKeyRelease(EKeyboardLayout key);
  static EKeyboardLayout getVykKey(unsigned short macKeyCode);
  static int getMouseX();
  static int getMouseY();
  static bool getLeftButtonState();
  static void showPointer();
  static void hidePointer();
  static void setLastWheelValue(short value);

  static bool _cursorVisibility;  // the pointer is wanted visible
  static int32_t _cursorVis;      // show/hide balance: 0 shown, -1 hidden
  static bool _rbuttonstate;      // secondary button held (event handler)
  static short _lastWheelValue;   // last wheel delta (event handler)
  static bool joystick[2];
  static WindowRef _hwnd;
};

#endif
