// ControlsWindow: a root view (no editor behind it) in a host window, for the tests of the controls that
// need a real editor window: the text field's edit box, the popup menu and the splash's modal slot.
// Wine takes seconds to take a shown captioned window down, so every root view of a run lives in the
// same host window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>

#include "toolkit/graphics/color.h"
#include "toolkit/graphics/root_view.h"

// A plain filled rectangle standing in for an editor's backdrop: whatever the editor repaints, it
// paints first.
class Panel final : public Widget {
public:
  Panel(const Rect& size, Color color) : Widget(size), color_(color) {}
  void paint(Canvas* canvas) override;

private:
  Color color_;
};

class ControlsWindow {
public:
  static constexpr int32_t kWidth = 240;
  static constexpr int32_t kHeight = 160;

  // The root view fills the host window's client area at 100 % (at a larger scale its window reaches past
  // it); it has been painted once on return.
  explicit ControlsWindow(Scale scale = Scale());
  ~ControlsWindow();

  ControlsWindow(const ControlsWindow&) = delete;
  ControlsWindow& operator=(const ControlsWindow&) = delete;

  HWND host() const;
  RootView& root() { return *root_; }
  HWND window() const { return root_->windowHandle(); }
  // Adds the widget to the root view (which owns it from then on) and hands it back.
  template <typename Control>
  Control* add(std::unique_ptr<Control> control) {
    return root_->addWidget(std::move(control));
  }
  // A press of the widget at the point, through a canvas on the window as the root view makes for a
  // button-down message.
  void press(Widget& widget, Point point);

private:
  std::unique_ptr<RootView> root_;
};
