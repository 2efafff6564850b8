// The engine's event handler, engine callbacks, focus, minimise and title.
#include <cstdio>
#include <cstring>

#include "KInput.h"
#include "KMiscTools.h"
#include "KWindowGL.h"

ws::Handler *vykHandler1 = nullptr;
ws::HandlerProc *VykHandlerUpp1 = nullptr;

void KWindowGL::setUpEventHandlers() {
  disposeHandlers();
  VykHandlerUpp1 = ws::newHandlerProc(VykMainWindowEventHandler);
  if (!VykHandlerUpp1) KMiscTools::messageBox("", "can't create event handler");

  static const ws::EventType types[] = {
      {ws::kEventWindowClose}, {ws::kEventMouseUp}, {ws::kEventMouseDown}, {ws::kEventMouseMoved},
      {ws::kEventMouseWheel},  {ws::kEventKeyDown}, {ws::kEventKeyRepeat}, {ws::kEventKeyUp},
  };
  vykHandler1 = ws::installHandler(_windowHandle, VykHandlerUpp1, types, 8, this);
  if (!vykHandler1) KMiscTools::messageBox("", "can't attach event handler");
}

void KWindowGL::disposeHandlers() {
  if (vykHandler1) ws::removeHandler(vykHandler1);
  if (VykHandlerUpp1) ws::disposeHandlerProc(VykHandlerUpp1);
  vykHandler1 = nullptr;
  VykHandlerUpp1 = nullptr;
}

int KWindowGL::VykMainWindowEventHandler(EventHandlerCallRef, EventRef event, void *userData) {
  KWindowGL *self = (KWindowGL *)userData;
  bool (*callBack)(KEvent *) = self ? self->_vykCallBack : nullptr;

  KEvent ev;
  memset(&ev, 0, sizeof ev);
  ev.key = K_NONE;
  if (callBack) {
    ev.mouseX = KInput::getMouseX();
    ev.mouseY = KInput::getMouseY();
    if (event->hasButton) ev.mouseButton = event->button;
    if (event->hasChar) ev.charCode = event->charCode;
    if (event->hasKey) ev.macKeyCode = event->macKeyCode;
    ev.platformEvent = event;
    ev.key = event->hasKey ? KInput::getVykKey((unsigned short)(ev.macKeyCode & 0xFFFF)) : K_NONE;
  }

  switch (event->kind) {
    case ws::kEventMouseDown: {
      int button = event->hasButton ? event->button : 0;
      if (button == 2) KInput::_rbuttonstate = true;
      utiliser(event);
      ev.type = K_EVENT_MOUSEDOWN;
      ev.mouseButton = button;
      if (callBack && !callBack(&ev)) return ws::kHandled;
      return ws::kNotHandled;
    }
    case ws::kEventMouseUp: {
      int button = event->hasButton ? event->button : 0;
      if (button == 2) KInput::_rbuttonstate = false;
      ev.type = K_EVENT_MOUSEUP;
      ev.mouseButton = button;
      if (callBack && !callBack(&ev)) return ws::kHandled;
      return ws::kNotHandled;
    }
    case ws::kEventMouseMoved:
      ev.type = K_EVENT_MOUSEMOVE;
      if (callBack && !callBack(&ev)) return ws::kHandled;
      return ws::kNotHandled;
    case ws::kEventMouseWheel: {
      short delta = (short)(uint16_t)(event->hasWheel ? (uint32_t)event->wheelDelta & 0xFFFF : 0);
      KInput::setLastWheelValue(delta);
      if (callBack) {
        ev.type = K_EVENT_WHEEL;
        ev.wheelDelta = delta;
        callBack(&ev);
      }
      return ws::kHandled;
    }
    case ws::kEventKeyUp:
      ev.type = K_EVENT_KEYUP;
      if (callBack && !callBack(&ev)) return ws::kHandled;
      return ws::kNotHandled;
    case ws::kEventKeyDown:
    case ws::kEventKeyRepeat:
      ev.type = K_EVENT_KEYDOWN;
      if (callBack && !callBack(&ev)) return ws::kHandled;
      ev.type = K_EVENT_KEYPRESS;
      if (callBack && !callBack(&ev)) return ws::kHandled;
      return ws::kNotHandled;
    case ws::kEventWindowClose:
      // Only the flag: the game sees isQuit() and shuts down in its own order.
      if (self) self->terminate();
      return ws::kHandled;
    default:
      return ws::kNotHandled;
  }
}

void KWindowGL::utiliser(EventRef) {
  // There is no menu bar on this desktop, so a click never chooses an item.
}

void KWindowGL::processEvents() {
  if (KInput::isPressed(K_COMMAND) && hasFocus() && KInput::isPressed(K_Q)) _quitGL = true;

  WsEvent *event = nullptr;
  if (!ws::receiveNextEvent(&event)) return;
  if (_eventCallBack && !_eventCallBack(event)) {
    // The callback consumed the event; it is released here all the same, so
    // a filter never has to know how events are allocated.
    ws::releaseEvent(event);
    return;
  }
  ws::dispatchEvent(event);
  ws::releaseEvent(event);
}

bool KWindowGL::hasFocus() {
  // Full screen always has it, also when a window stays behind it.
  if (!_windowHandle || _fullScreen) return true;
  return ws::windowHasFocus(_windowHandle);
}

void KWindowGL::minimize() {
  if (_minimized) return;
  _minimized = true;
  if (_fullScreen && _fullScreenContext)
    ws::setDrawable(_fullScreenContext, nullptr);
  else if (_windowHandle)
    ws::collapseWindow(_windowHandle);
}

void KWindowGL::restore() {
  if (!_minimized) return;
  _minimized = false;
  if (_windowHandle && !_fullScreen) {
    ws::expandWindow(_windowHandle);
    ws::raiseWindow(_windowHandle);
  } else if (_fullScreen && _fullScreenContext) {
    ws::setFullScreen(_fullScreenContext, _windowWidth, _windowHeight, _fullScreenFrequency);
    ws::makeCurrent(_currentContext);
    ws::updateContext(_currentContext);
  }
}

void KWindowGL::setTitle(const char *title) {
  if (!_windowHandle) return;
  if (title != _title) snprintf(_title, sizeof _title, "%s", title ? title : "");
  ws::setWindowTitle(_windowHandle, _title);
}

void KWindowGL::setCallBack(bool (*callBack)(EventRef)) { _eventCallBack = callBack; }

void KWindowGL::setVykCallBack(bool (*callBack)(KEvent *)) { _vykCallBack = callBack; }
