// The controls' shared reports, latching press, reset, clamps and frame copy.
#include "toolkit/controls/control_common.h"

#include <windows.h>

#include <cmath>
#include <cstdlib>

#include "toolkit/controls/value_listener.h"
#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/pixmap.h"
#include "toolkit/graphics/tick_source.h"

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

bool DoubleClick::completedBy(Point point) {
  const uint32_t now = currentTicks();
  const bool completed = pressedBefore_ && now - lastPressTicks_ <= GetDoubleClickTime() &&
                         std::abs(point.h - lastPressPoint_.h) <= GetSystemMetrics(SM_CXDOUBLECLK) / 2 &&
                         std::abs(point.v - lastPressPoint_.v) <= GetSystemMetrics(SM_CYDOUBLECLK) / 2;
  pressedBefore_ = !completed;
  lastPressTicks_ = now;
  lastPressPoint_ = point;
  return completed;
}

bool resetOnPress(ValueWidget& control, Canvas* canvas, ButtonState state, Point point,
                  DoubleClick* doubleClick) {
  const bool resets = state == leftPressWithAlt || (doubleClick != nullptr && isPlainOrFineLeftPress(state) &&
                                                    doubleClick->completedBy(point));
  if (!resets) return false;
  control.putValue(control.resetValue());
  reportIfChanged(control, canvas);
  return true;
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
