// HostWindow: a borderless stand-in host window, and the message pump.
#include "tests/toolkit/support/host_window.h"

#include "tools/probe/host_window.h"

HostWindow::HostWindow(int32_t width, int32_t height)
    : window_(makeHostWindow("host", WS_POPUP | WS_CLIPCHILDREN, width, height)) {
  handlePendingMessages();
}

void HostWindow::destroy() {
  if (!window_) return;
  window_.reset();
  handlePendingMessages();
}

void handlePendingMessages() {
  // Bounded: a window whose paint is never ended stays invalid and would be sent paint messages for ever.
  constexpr int32_t kMessageLimit = 1000;
  MSG message;
  for (int32_t handled = 0; handled < kMessageLimit && PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE);
       ++handled) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
