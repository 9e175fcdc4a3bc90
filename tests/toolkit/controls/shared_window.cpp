// The shared window: created at first use, gone with the process.
#include "tests/toolkit/controls/shared_window.h"

#include "tests/toolkit/support/host_window.h"

HWND sharedWindow() {
  static HostWindow window(200, 220);
  return window.handle();
}
