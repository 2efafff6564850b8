#include "KVyk.h"

#include "graphics/KGraphicGL.h"
#include "window/KWindowGL.h"

KWindow *KVyk::createKWindow(Erenderer, bool) { return new KWindowGL(); }

KGraphic *KVyk::createKGraphic() { return new KGraphicGL(); }
