// LatchButton: its frame choice and its press, which follows the pointer in and out until release.
#include "toolkit/controls/latch_button.h"

#include "toolkit/controls/control_common.h"
#include "toolkit/graphics/pixmap.h"

LatchButton::LatchButton(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameHeight,
                         Pixmap* pixmap)
    : ValueWidget(size, listener, tag), pixmap_(pixmap), frameHeight_(frameHeight) {}

void LatchButton::paint(Canvas* canvas) {
  putValue(clampToUnit(value()));
  drawFrame(pixmap_, canvas, size(), Point(0, value() != 0.0f ? frameHeight_ : 0));
  setShownValue(value());
}

void LatchButton::mousePressed(Canvas* canvas, Point& point) {
  if (!isClickable()) return;
  trackLatch(*this, canvas, point);
}
