// RockerSwitch: its frame choice, the halves of its press and the spring back to the centre.
#include "toolkit/controls/rocker_switch.h"

#include "toolkit/controls/control_common.h"
#include "toolkit/graphics/canvas.h"
#include "toolkit/graphics/pixmap.h"

RockerSwitch::RockerSwitch(const Rect& size, ValueListener* listener, int32_t tag, int32_t frameHeight,
                           Pixmap* pixmap, Point sourceOffset)
    : ValueWidget(size, listener, tag), pixmap_(pixmap), sourceOffset_(sourceOffset),
      frameHeight_(frameHeight) {}

void RockerSwitch::paint(Canvas* canvas) {
  Point source = sourceOffset_;
  if (value() == 1.0f)
    source.v += 2 * frameHeight_;
  else if (value() == 0.0f)
    source.v += frameHeight_;
  drawFrame(pixmap_, canvas, size(), source);
  setShownValue(value());
}

float RockerSwitch::sideOf(Point point, float fallback) const {
  const int32_t middle = size().left + size().width() / 2;
  if (point.liesIn(Rect(size().left, size().top, middle, size().bottom))) return -1.0f;
  if (point.liesIn(Rect(middle, size().top, size().right, size().bottom))) return 1.0f;
  return fallback;
}

void RockerSwitch::mousePressed(Canvas* canvas, Point& point) {
  if (!isClickable()) return;
  const float atPress = value();
  const ButtonState state = canvas->buttonState();
  if (state == 0) {
    putValue(sideOf(point, value()));
    reportEdit(*this, canvas);
  } else {
    trackPointer(
        *this, canvas, point, state, [&](Point at, ButtonState) { return sideOf(at, atPress); },
        anyButtonHeld);
  }
  // Told even when the value already is 0: the listener always sees the switch spring back.
  putValue(0.0f);
  reportEdit(*this, canvas);
}
