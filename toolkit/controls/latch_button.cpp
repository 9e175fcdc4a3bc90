// LatchButton: its frame choice and its press, which follows the pointer in and out until release.
#include "toolkit/controls/latch_button.h"

#include "toolkit/controls/control_common.h"
#include "toolkit/graphics/pixmap.h"

LatchButton::LatchButton(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameHeight,
                         Pixmap* pixmap)
    : ValueWidget(size, listener, tag), pixmap_(pixmap), frameHeight_(frameHeight) {}

void LatchButton::paint(Canvas* canvas) {
  value_ = clampToUnit(value_);
  drawFrame(pixmap_, canvas, size_, Point(0, value_ != 0.0f ? frameHeight_ : 0));
  shownValue_ = value_;
}

void LatchButton::mousePressed(Canvas* canvas, Point& point) {
  if (!clickable_) return;
  trackLatch(*this, canvas, point);
}
