#ifndef KPLATFORMTYPES_H
#define KPLATFORMTYPES_H

// Opaque references to the window system's own objects. A game passes them
// through unchanged; only the window-system layer knows what is inside.
struct WsEvent;
struct WsWindow;
struct WsHandlerCall;

typedef WsEvent *EventRef;
typedef WsWindow *WindowRef;
typedef WsHandlerCall *EventHandlerCallRef;

#endif
