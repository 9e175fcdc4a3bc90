// ToggleButton: the frame for the value, and the flip on the press itself.
#include "toolkit/controls/toggle_button.h"

#include <cmath>

#include "toolkit/controls/control_common.h"
#include "toolkit/graphics/pixmap.h"

ToggleButton::ToggleButton(const Rect& size, ValueListener* listener, int32_t tag, Pixmap* pixmap)
    : ValueWidget(size, listener, tag), pixmap_(pixmap) {}

void ToggleButton::paint(Canvas* canvas) {
  const bool on = value() != 0.0f && pixmap_ != nullptr;
  drawFrame(pixmap_, canvas, size(), Point(0, on ? pixmap_->height() / 2 : 0));
  setShownValue(value());
}

void ToggleButton::mousePressed(Canvas* canvas, Point&) {
  if (!isClickable()) return;
  // Only a value whose whole part is non-zero counts as on here, so a fraction such as 0.7 turns fully on
  // even though it paints the on frame.
  putValue(std::trunc(value()) != 0.0f ? 0.0f : 1.0f);
  // Painted first, so the listener already finds the new frame on screen.
  paint(canvas);
  reportEdit(*this, canvas);
}
