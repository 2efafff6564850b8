// Events through the engine's handler, the engine callbacks, the pointer
// visibility rule of a flip, focus, minimise and the quit shortcut.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "window/KWindowGL.h"
#include "support/TestWindow.h"

namespace {

std::vector<KEvent> gSeen;
int gConsume = -1;  // event type the callback consumes, -1 for none
bool recordEvent(KEvent *e) {
  gSeen.push_back(*e);
  return e->type != gConsume;
}
int gFiltered = 0;
bool dropAll(EventRef) {
  gFiltered++;
  return false;
}

WsEvent keyEvent(ws::EventKind kind, uint32_t mac, uint8_t ch) {
  WsEvent e;
  memset(&e, 0, sizeof e);
  e.kind = kind;
  e.hasKey = true;
  e.macKeyCode = mac;
  e.hasChar = ch != 0;
  e.charCode = ch;
  return e;
}
WsEvent buttonEvent(ws::EventKind kind, int button) {
  WsEvent e;
  memset(&e, 0, sizeof e);
  e.kind = kind;
  e.hasButton = true;
  e.button = button;
  return e;
}
WsEvent plainEvent(ws::EventKind kind) {
  WsEvent e;
  memset(&e, 0, sizeof e);
  e.kind = kind;
  return e;
}

struct EventsTest : ::testing::Test {
  ws::ScriptedInput script;
  TestWindow t{64, 64};
  void SetUp() override {
    memset(&script, 0, sizeof script);
    script.pointerX = 12;
    script.pointerY = 34;
    ws::setScriptedInput(&script);
    drain();
    gSeen.clear();
    gConsume = -1;
    t.window->setVykCallBack(recordEvent);
  }
  void TearDown() override { ws::setScriptedInput(nullptr); }
  // Handles what the platform queued on its own (window shown, focus).
  void drain() {
    for (int i = 0; i < 200; i++) t.window->processEvents();
  }
  std::vector<int> typesFor(const WsEvent &e) {
    gSeen.clear();
    ws::postEvent(e);
    t.window->processEvents();
    std::vector<int> types;
    for (const KEvent &k : gSeen) types.push_back(k.type);
    return types;
  }
};

TEST_F(EventsTest, KeyPressesGiveKeyDownThenKeyPress) {
  EXPECT_EQ(typesFor(keyEvent(ws::kEventKeyDown, 0x0C, 'q')), (std::vector<int>{6, 5}));
  ASSERT_EQ(gSeen.size(), 2u);
  EXPECT_EQ(gSeen[0].key, K_Q);
  EXPECT_EQ(gSeen[0].macKeyCode, 0x0Cu);
  EXPECT_EQ(gSeen[0].charCode, 'q');
  EXPECT_EQ(gSeen[0].mouseX, 12);  // the live pointer, not the event's
  EXPECT_EQ(gSeen[0].mouseY, 34);
  EXPECT_EQ(gSeen[0].mouseButton, 0);
  EXPECT_EQ(typesFor(keyEvent(ws::kEventKeyRepeat, 0x0C, 'q')), (std::vector<int>{6, 5}));
  EXPECT_EQ(typesFor(keyEvent(ws::kEventKeyUp, 0x0C, 'q')), (std::vector<int>{7}));
  gConsume = K_EVENT_KEYDOWN;
  EXPECT_EQ(typesFor(keyEvent(ws::kEventKeyDown, 0x0C, 'q')), (std::vector<int>{6}));
}

TEST_F(EventsTest, KeysWithoutAnEngineCodeArriveAsNone) {
  typesFor(keyEvent(ws::kEventKeyDown, 0x74, 0));  // Page Up
  ASSERT_FALSE(gSeen.empty());
  EXPECT_EQ(gSeen[0].key, K_NONE);
  WsEvent noKey = plainEvent(ws::kEventKeyUp);
  typesFor(noKey);
  ASSERT_FALSE(gSeen.empty());
  EXPECT_EQ(gSeen[0].key, K_NONE);
  EXPECT_EQ(gSeen[0].macKeyCode, 0u);
}

TEST_F(EventsTest, MouseEventsCarryTheirButton) {
  EXPECT_EQ(typesFor(buttonEvent(ws::kEventMouseDown, 1)), (std::vector<int>{3}));
  EXPECT_EQ(gSeen[0].mouseButton, 1);
  EXPECT_EQ(typesFor(buttonEvent(ws::kEventMouseUp, 3)), (std::vector<int>{2}));
  EXPECT_EQ(gSeen[0].mouseButton, 3);
  EXPECT_EQ(typesFor(plainEvent(ws::kEventMouseMoved)), (std::vector<int>{1}));
}

TEST_F(EventsTest, SecondaryButtonStateIsKeptWithoutACallback) {
  t.window->setVykCallBack(nullptr);
  KInput::_rbuttonstate = false;
  typesFor(buttonEvent(ws::kEventMouseDown, 2));
  EXPECT_TRUE(KInput::_rbuttonstate);
  typesFor(buttonEvent(ws::kEventMouseDown, 1));
  EXPECT_TRUE(KInput::_rbuttonstate);
  typesFor(buttonEvent(ws::kEventMouseUp, 2));
  EXPECT_FALSE(KInput::_rbuttonstate);
  EXPECT_TRUE(gSeen.empty());
}

TEST_F(EventsTest, WheelKeepsTheLow16Bits) {
  WsEvent wheel = plainEvent(ws::kEventMouseWheel);
  wheel.hasWheel = true;
  wheel.wheelDelta = 0x12345;
  EXPECT_EQ(typesFor(wheel), (std::vector<int>{11}));
  EXPECT_EQ(gSeen[0].wheelDelta, 0x2345);
  EXPECT_EQ(KInput::_lastWheelValue, 0x2345);
  wheel.wheelDelta = -3;
  typesFor(wheel);
  EXPECT_EQ(KInput::_lastWheelValue, -3);
  t.window->setVykCallBack(nullptr);
  wheel.wheelDelta = 7;
  typesFor(wheel);
  EXPECT_EQ(KInput::_lastWheelValue, 7);
}

TEST_F(EventsTest, CloseBoxAsksToQuitWithoutClosing) {
  EXPECT_FALSE(t.window->isQuit());
  typesFor(plainEvent(ws::kEventWindowClose));
  EXPECT_TRUE(t.window->isQuit());
  EXPECT_NE(t.window->getWindowHandle(), nullptr);
  EXPECT_TRUE(gSeen.empty());
}

TEST_F(EventsTest, AFilterThatConsumesStopsDispatch) {
  t.window->setCallBack(dropAll);
  gFiltered = 0;
  EXPECT_TRUE(typesFor(keyEvent(ws::kEventKeyDown, 0x0C, 'q')).empty());
  EXPECT_EQ(gFiltered, 1);
  typesFor(plainEvent(ws::kEventWindowClose));
  EXPECT_FALSE(t.window->isQuit());
  t.window->setCallBack(nullptr);
  EXPECT_EQ(typesFor(keyEvent(ws::kEventKeyDown, 0x0C, 'q')).size(), 2u);
}

TEST_F(EventsTest, EmptyQueueReturnsAtOnce) {
  drain();
  gSeen.clear();
  t.window->processEvents();
  EXPECT_TRUE(gSeen.empty());
}

TEST_F(EventsTest, CommandQQuitsWhileTheWindowHasFocus) {
  // The window took the keyboard when it opened; wait for the server to say so.
  for (int i = 0; i < 200 && !t.window->hasFocus(); i++) t.window->processEvents();
  ASSERT_TRUE(t.window->hasFocus());
  script.keyMap[0x0C >> 3] |= 1 << (0x0C & 7);  // Q alone
  t.window->processEvents();
  EXPECT_FALSE(t.window->isQuit());
  script.keyMap[0x37 >> 3] |= 1 << (0x37 & 7);  // and Command
  t.window->processEvents();
  EXPECT_TRUE(t.window->isQuit());
}

TEST_F(EventsTest, ABackgroundWindowWaitsUntilQuit) {
  for (int i = 0; i < 200 && !t.window->hasFocus(); i++) t.window->processEvents();
  // Another window takes the keyboard.
  WsWindow *other = ws::createWindow(0, 0, 32, 32, true, true);
  ws::showWindow(other);
  ws::raiseWindow(other);
  for (int i = 0; i < 200 && t.window->hasFocus(); i++) t.window->processEvents();
  ASSERT_FALSE(t.window->hasFocus());
  // The close box is the only way out while it stays in the background.
  for (int i = 0; i < 50; i++) ws::postEvent(plainEvent(ws::kEventMouseMoved));
  ws::postEvent(plainEvent(ws::kEventWindowClose));
  t.window->flipBackBuffer(true, true);
  EXPECT_TRUE(t.window->isQuit());
  ws::destroyWindow(other);
}

TEST_F(EventsTest, PointerShowsOffTheDrawingAreaAndHidesOverIt) {
  const struct {
    const char *what;
    int x, y;
    bool visible;
  } leftHidden[] = {
      {"inside", 10, 10, false},      {"right edge is inside", 64, 64, false}, {"left of it", -1, 10, true},
      {"back over it", 10, 10, false}, {"below it", 10, 65, true},             {"over it again", 0, 0, false},
  };
  KInput::hidePointer();
  for (auto &c : leftHidden) {
    script.pointerX = c.x;
    script.pointerY = c.y;
    t.window->flipBackBuffer(false, true);
    EXPECT_EQ(ws::cursorVisible(), c.visible) << c.what;
  }
  // A pointer the game left visible stays so until it leaves the area, and
  // is hidden when it comes back.
  script.pointerX = script.pointerY = 10;
  KInput::showPointer();
  t.window->flipBackBuffer(false, true);
  EXPECT_TRUE(ws::cursorVisible());
  script.pointerX = 100;
  t.window->flipBackBuffer(false, true);
  EXPECT_TRUE(ws::cursorVisible());
  script.pointerX = 10;
  t.window->flipBackBuffer(false, true);
  EXPECT_FALSE(ws::cursorVisible());
  KInput::showPointer();
}

TEST_F(EventsTest, MinimiseTwiceThenRestoreOnce) {
  KWindowGL *w = (KWindowGL *)t.window;
  w->minimize();
  w->minimize();
  EXPECT_TRUE(w->_minimized);
  w->restore();
  EXPECT_FALSE(w->_minimized);
  w->restore();
  EXPECT_FALSE(w->_minimized);
}

TEST(EventHandler, IsGoneWithTheWindow) {
  KWindow *w = KVyk::createKWindow(K_OPENGL, false);
  ASSERT_TRUE(w->createGameWindow(64, 64, 32, false, "full"));
  EXPECT_NE(vykHandler1, nullptr);
  delete w;
  EXPECT_EQ(vykHandler1, nullptr);
  EXPECT_EQ(VykHandlerUpp1, nullptr);
  // An event after the window is gone reaches nobody.
  WsEvent *e = nullptr;
  ws::postEvent(plainEvent(ws::kEventWindowClose));
  ASSERT_TRUE(ws::receiveNextEvent(&e));
  ws::dispatchEvent(e);
  ws::releaseEvent(e);
  EXPECT_FALSE(KWindowGL::_quitGL);
}

}  // namespace
