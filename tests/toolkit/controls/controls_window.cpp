// ControlsWindow: the shared host window, and a root view made, painted and closed in it.
#include "tests/toolkit/controls/controls_window.h"

#include "tests/toolkit/support/host_window.h"

namespace {

HostWindow& sharedHost() {
  static HostWindow host(ControlsWindow::kWidth, ControlsWindow::kHeight);
  return host;
}

} // namespace

ControlsWindow::ControlsWindow()
    : root_(std::make_unique<RootView>(Rect(0, 0, kWidth, kHeight), sharedHost().handle(), nullptr)) {
  UpdateWindow(root_->windowHandle());
  handlePendingMessages();
}

ControlsWindow::~ControlsWindow() {
  root_.reset();
  handlePendingMessages();
}

HWND ControlsWindow::host() const { return sharedHost().handle(); }
