// ToggleButton: a two-state bitmap button that flips on every press, of either mouse button. Its pixmap
// holds the off frame above the on frame.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"

class Pixmap;

class ToggleButton : public ValueWidget {
public:
  // The pixmap may be null: the button then paints nothing and still toggles.
  ToggleButton(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* pixmap);

  void paint(Canvas* canvas) override;
  void mousePressed(Canvas* canvas, Point& point) override;

private:
  PixmapRef pixmap_;
};
