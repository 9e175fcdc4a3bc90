// MomentaryButton: its frame choice, and the latching press followed by the report of the release.
#include "toolkit/controls/momentary_button.h"

#include "toolkit/controls/control_common.h"
#include "toolkit/graphics/pixmap.h"

MomentaryButton::MomentaryButton(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameHeight,
                                 Pixmap* pixmap, Point sourceOffset)
    : ValueWidget(size, listener, tag), pixmap_(pixmap), sourceOffset_(sourceOffset),
      frameHeight_(frameHeight) {}

void MomentaryButton::paint(Canvas* canvas) {
  putValue(clampToUnit(value()));
  drawFrame(pixmap_, canvas, size(),
            Point(sourceOffset_.h, sourceOffset_.v + (value() != 0.0f ? frameHeight_ : 0)));
  setShownValue(value());
}

void MomentaryButton::mousePressed(Canvas* canvas, Point& point) {
  if (!isClickable()) return;
  trackLatch(*this, canvas, point);
  // Told even when the value already is 0: the listener always sees the button let go.
  putValue(0.0f);
  reportEdit(*this, canvas);
}
