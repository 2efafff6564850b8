#include <gtest/gtest.h>

#include <cstring>
#include <chrono>
#include <set>
#include <thread>

#include "KInput.h"
#include "window/WindowSystem.h"

namespace {

struct ScriptedInputTest : ::testing::Test {
  ws::ScriptedInput script;
  void SetUp() override {
    memset(&script, 0, sizeof script);
    ws::setScriptedInput(&script);
  }
  void TearDown() override { ws::setScriptedInput(nullptr); }
};

TEST(KeyboardLayoutTable, HasEveryCodeInOrderWithDistinctKeyCodes) {
  std::set<int> seen;
  for (int i = 0; i < 94; i++) {
    EXPECT_EQ(KeyboardLayout[i].code, i);
    EXPECT_TRUE(seen.insert(KeyboardLayout[i].macKeyCode).second) << "code " << i;
  }
  const struct {
    EKeyboardLayout key;
    int code;
    uint16_t mac;
  } cases[] = {
      {K_LEFT, 0, 0x7B},  {K_SPACE, 4, 0x31},  {K_RETURN, 7, 0x24},    {K_F12, 21, 0x6F},  {K_ESCAPE, 24, 0x35},
      {K_A, 25, 0x00},    {K_Q, 41, 0x0C},     {K_Z, 50, 0x06},        {K_0, 51, 0x1D},    {K_9, 60, 0x19},
      {K_NUMPAD9, 70, 0x5C}, {K_CLEAR, 76, 0x47}, {K_COMMAND, 77, 0x37}, {K_F14, 81, 0x6B}, {K_QUOTE, 92, 0x27},
      {K_NONE, 93, 0xFF},
  };
  for (auto &c : cases) {
    EXPECT_EQ((int)c.key, c.code);
    EXPECT_EQ(KeyboardLayout[c.code].macKeyCode, c.mac) << c.code;
  }
}

TEST(GetVykKey, FindsTheEngineCodeOrNone) {
  EXPECT_EQ(KInput::getVykKey(0x0C), K_Q);
  EXPECT_EQ(KInput::getVykKey(0x00), K_A);
  EXPECT_EQ(KInput::getVykKey(0x35), K_ESCAPE);
  EXPECT_EQ(KInput::getVykKey(0xFF), K_NONE);
  EXPECT_EQ(KInput::getVykKey(0x74), K_NONE);  // Page Up has no engine code
  EXPECT_EQ(KInput::getVykKey(0xFFFF), K_NONE);
}

TEST_F(ScriptedInputTest, IsPressedReadsOneBitOfTheKeyMap) {
  EXPECT_FALSE(KInput::isPressed(K_ESCAPE));
  script.keyMap[6] = 1 << 5;  // virtual key 0x35
  EXPECT_TRUE(KInput::isPressed(K_ESCAPE));
  EXPECT_FALSE(KInput::isPressed(K_A));
  script.keyMap[0] = 1;  // virtual key 0
  EXPECT_TRUE(KInput::isPressed(K_A));
  memset(script.keyMap, 0xFF, 16);
  EXPECT_FALSE(KInput::isPressed(K_NONE));
  EXPECT_FALSE(KInput::isPressed((EKeyboardLayout)-1));
  EXPECT_FALSE(KInput::isPressed((EKeyboardLayout)94));
  EXPECT_FALSE(KInput::isPressed((EKeyboardLayout)100000));
}

TEST_F(ScriptedInputTest, WaitForKeyReleaseReturnsOnceTheKeyIsUp) {
  KInput::waitForKeyRelease(K_SPACE);  // up already: returns at once
  script.keyMap[0x31 >> 3] = 1 << (0x31 & 7);
  EXPECT_TRUE(KInput::isPressed(K_SPACE));
  // Let the key go from another thread while the wait spins.
  std::thread releaser([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    __atomic_store_n(&script.keyMap[0x31 >> 3], 0, __ATOMIC_SEQ_CST);
  });
  KInput::waitForKeyRelease(K_SPACE);
  releaser.join();
  EXPECT_FALSE(KInput::isPressed(K_SPACE));
}

TEST_F(ScriptedInputTest, PointerAndButtonAreReadLive) {
  script.pointerX = 320;
  script.pointerY = -5;
  script.button = true;
  EXPECT_EQ(KInput::getMouseX(), 320);
  EXPECT_EQ(KInput::getMouseY(), -5);
  EXPECT_TRUE(KInput::getLeftButtonState());
  script.pointerX = 70000;  // positions are 16-bit
  EXPECT_EQ(KInput::getMouseX(), 70000 - 65536);
}

TEST(Pointer, ShowAndHideKeepTheBalance) {
  KInput::initInput(nullptr);
  ws::CursorCalls before = ws::cursorCalls();
  KInput::hidePointer();
  KInput::hidePointer();
  EXPECT_FALSE(KInput::_cursorVisibility);
  EXPECT_EQ(KInput::_cursorVis, -1);
  EXPECT_FALSE(ws::cursorVisible());
  KInput::showPointer();
  EXPECT_TRUE(KInput::_cursorVisibility);
  EXPECT_EQ(KInput::_cursorVis, 0);
  EXPECT_TRUE(ws::cursorVisible());
  KInput::showPointer();
  ws::CursorCalls after = ws::cursorCalls();
  EXPECT_EQ(after.displayHide - before.displayHide, 1);
  EXPECT_EQ(after.hide - before.hide, 1);
  EXPECT_EQ(after.displayShow - before.displayShow, 1);
  EXPECT_EQ(after.show - before.show, 1);
}

TEST(InitInput, ResetsTheStateItOwns) {
  KInput::_cursorVis = -1;
  KInput::joystick[0] = KInput::joystick[1] = true;
  KInput::initInput(nullptr);
  EXPECT_EQ(KInput::_cursorVis, 0);
  EXPECT_FALSE(KInput::joystick[0]);
  EXPECT_FALSE(KInput::joystick[1]);
  EXPECT_EQ(KInput::_hwnd, nullptr);
}

}  // namespace
