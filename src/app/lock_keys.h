// The state of the keyboard's lock keys, for the status bar's indicators.
#pragma once

namespace tq::app {

struct LockKeys {
  bool caps = false;
  bool num = false;
  bool scroll = false;
};

// All off where the display server does not say (not X11).
LockKeys ReadLockKeys();

}  // namespace tq::app
