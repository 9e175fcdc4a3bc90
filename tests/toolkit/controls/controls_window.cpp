// ControlsWindow: creating, painting and closing the root view inside its host window.
#include "tests/toolkit/controls/controls_window.h"

ControlsWindow::ControlsWindow(int32_t width, int32_t height)
    : host_(width, height),
      root_(std::make_unique<RootView>(Rect(0, 0, width, height), host_.handle(), nullptr)) {
  UpdateWindow(root_->windowHandle());
  handlePendingMessages();
}

ControlsWindow::~ControlsWindow() {
  root_.reset();
  handlePendingMessages();
}

void ControlsWindow::repaint() {
  root_->redrawWidget(nullptr);
  handlePendingMessages();
}
