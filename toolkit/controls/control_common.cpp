// The controls' shared reports, latching press, clamps and frame copy.
#include "toolkit/controls/control_common.h"

#include <cmath>

#include "toolkit/controls/value_listener.h"
#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/pixmap.h"

namespace {

// Far beyond any window, yet small enough that adding a control's coordinates cannot overflow.
constexpr float kPixelLimit = 1.0e6f;

float opposite(float value) { return value == 0.0f ? 1.0f : 0.0f; }

} // namespace

void reportEdit(ValueWidget& control, Canvas* canvas) {
  if (control.listener() != nullptr) control.listener()->controlEdited(canvas, &control);
}

void reportIfChanged(ValueWidget& control, Canvas* canvas) {
  if (control.value() != control.shownValue()) reportEdit(control, canvas);
}

void trackLatch(ValueWidget& control, Canvas* canvas, Point& point) {
  const float atPress = control.value();
  const ButtonState state = canvas->buttonState();
  if (state == 0) {
    control.putValue(opposite(atPress));
    reportEdit(control, canvas);
    return;
  }
  trackPointer(
      control, canvas, point, state,
      [&](Point at, ButtonState) { return at.liesIn(control.size()) ? opposite(atPress) : atPress; },
      anyButtonHeld);
}

float clampToUnit(float value) {
  if (!(value >= 0.0f)) return 0.0f;
  return value > 1.0f ? 1.0f : value;
}

int32_t truncateToPixels(float value) {
  if (std::isnan(value)) return 0;
  if (value > kPixelLimit) return static_cast<int32_t>(kPixelLimit);
  if (value < -kPixelLimit) return static_cast<int32_t>(-kPixelLimit);
  return static_cast<int32_t>(value);
}

void drawFrame(Pixmap* pixmap, Canvas* canvas, const Rect& size, Point source) {
  if (pixmap != nullptr) pixmap->drawOpaque(canvas, size, source);
}
