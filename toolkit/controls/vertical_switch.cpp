// VerticalSwitch: its frame choice and its press, which follows the pointer across the bands until
// release. HorizontalSwitch runs the same press along the x axis.
#include "toolkit/controls/vertical_switch.h"

#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/pixmap.h"

VerticalSwitch::VerticalSwitch(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameHeight,
                               int32_t positions, Pixmap* pixmap)
    : ValueWidget(size, listener, tag), pixmap_(pixmap), frameHeight_(frameHeight), positions_(positions) {
  setResetValue(0.0f);
}

void VerticalSwitch::paint(Canvas* canvas) {
  const float steps = static_cast<float>(positions_ - 1);
  int32_t frame = positions_ - 1;
  for (int32_t i = 1; i < positions_; ++i) {
    if (static_cast<float>(i) / steps > value()) {
      frame = i - 1;
      break;
    }
  }
  drawFrame(pixmap_, canvas, size(), Point(0, frame * frameHeight_));
  setShownValue(value());
}

void VerticalSwitch::mousePressed(Canvas* canvas, Point& point) { trackAlong(canvas, point, Axis::vertical); }

float VerticalSwitch::positionAt(int32_t offset, float band, Axis axis) const {
  for (int32_t i = 1; i < positions_; ++i) {
    const int32_t bound = truncateToPixels(static_cast<float>(i) * band);
    // The vertical bands end before their bound, the horizontal ones on it.
    if (axis == Axis::vertical ? offset < bound : offset <= bound)
      return static_cast<float>(i - 1) / static_cast<float>(positions_ - 1);
  }
  return 1.0f;
}

void VerticalSwitch::trackAlong(Canvas* canvas, Point& point, Axis axis) {
  if (!isClickable()) return;
  const ButtonState state = canvas->buttonState();
  if (resetOnPress(*this, canvas, state, point, nullptr)) return;
  // The vertical bands divide one frame's height, the horizontal ones the pixmap's width.
  const int32_t span = axis == Axis::vertical ? frameHeight_ : (pixmap_ != nullptr ? pixmap_->width() : 0);
  const float band = static_cast<float>(span) / static_cast<float>(positions_);
  trackPointer(
      *this, canvas, point, state,
      [&](Point at, ButtonState) {
        return positionAt(coordinateAlong(at, axis) - leadingEdge(size(), axis), band, axis);
      },
      anyButtonHeld);
}
