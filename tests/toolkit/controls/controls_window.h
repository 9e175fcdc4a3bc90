// ControlsWindow: a host window with a root view inside it (no editor behind it), for the tests of the
// controls that need a real editor window: the text field's edit box, the popup menu, the splash's
// modal slot, and the gallery.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "tests/toolkit/support/host_window.h"
#include "toolkit/graphics/root_view.h"

class ControlsWindow {
public:
  // The root view fills the host window's client area; the window has been painted once on return.
  ControlsWindow(int32_t width, int32_t height);
  ~ControlsWindow();

  ControlsWindow(const ControlsWindow&) = delete;
  ControlsWindow& operator=(const ControlsWindow&) = delete;

  HostWindow& host() { return host_; }
  RootView& root() { return *root_; }
  HWND window() const { return root_->windowHandle(); }
  // Adds the widget to the root view (which owns it from then on) and hands it back.
  template <typename Control>
  Control* add(Control* control) {
    root_->addWidget(control);
    return control;
  }
  // Paints the whole view now, as a paint message would.
  void repaint();

private:
  HostWindow host_;
  std::unique_ptr<RootView> root_;
};
