#include "app/lock_keys.h"

#include <QGuiApplication>

#ifdef TQ_HAVE_X11
#include <X11/XKBlib.h>
#endif

namespace tq::app {

LockKeys ReadLockKeys() {
  LockKeys keys;
#ifdef TQ_HAVE_X11
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return keys;
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  Display* display = x11 ? x11->display() : nullptr;
  unsigned state = 0;
  if (!display || XkbGetIndicatorState(display, XkbUseCoreKbd, &state) != Success) return keys;
  // The core keyboard's indicators: bit 0 Caps Lock, 1 Num Lock, 2 Scroll Lock.
  keys.caps = state & 1u;
  keys.num = state & 2u;
  keys.scroll = state & 4u;
#endif
  return keys;
}

}  // namespace tq::app
