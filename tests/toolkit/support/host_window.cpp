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
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
