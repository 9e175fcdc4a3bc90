// ControlsWindow: the shared host window, and a root view made, painted and closed in it.
#include "tests/toolkit/controls/controls_window.h"

#include "tests/toolkit/support/host_window.h"
#include "toolkit/graphics/canvas.h"

namespace {

HostWindow& sharedHost() {
  static HostWindow host(ControlsWindow::kWidth, ControlsWindow::kHeight);
  return host;
}

} // namespace

ControlsWindow::ControlsWindow(Scale scale)
    : root_(std::make_unique<RootView>(Rect(0, 0, kWidth, kHeight), sharedHost().handle(), nullptr, scale)) {
  UpdateWindow(root_->windowHandle());
  handlePendingMessages();
}

ControlsWindow::~ControlsWindow() {
  root_.reset();
  handlePendingMessages();
}

void Panel::paint(Canvas* canvas) {
  // The fill covers what lies inside the outline, so the outline in the same colour completes it.
  canvas->setBrushColor(color_);
  canvas->setPenColor(color_);
  canvas->paintRect(size());
  canvas->outlineRect(size());
}

HWND ControlsWindow::host() const { return sharedHost().handle(); }

void ControlsWindow::press(Widget& widget, Point point) {
  WindowDevice device(window());
  Canvas canvas(root_.get(), device.handle(), window());
  widget.mousePressed(&canvas, point);
}
