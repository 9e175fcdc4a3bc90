// LevelMeter: the fall limit and the split of the bar into its on and off parts.
#include "toolkit/controls/level_meter.h"

#include <cmath>

#include "toolkit/graphics/pixmap.h"

LevelMeter::LevelMeter(const Rect& size, Pixmap* on, Pixmap* off, int32_t steps, int32_t style)
    : ValueWidget(size, nullptr, 0), on_(on), off_(off), steps_(steps < 1 ? 1 : steps), style_(style),
      onRect_(size), offRect_(size) {}

void LevelMeter::setFallStep(float step) { fallStep_ = step; }

void LevelMeter::paint(Canvas* canvas) {
  if (on_ == nullptr) return;
  if (std::isnan(value())) putValue(minimum());
  if (value() > maximum()) putValue(maximum());
  if (value() < minimum()) putValue(minimum());
  float floor = shownValue() - fallStep_;
  if (floor < minimum()) floor = minimum();
  if (value() < floor) putValue(floor);
  setShownValue(value());

  const float steps = static_cast<float>(steps_);
  if ((style_ & meterHorizontal) != 0) {
    const int32_t k = static_cast<int32_t>(steps * value() + 0.5f);
    const int32_t w = on_->width() * k / steps_;
    onRect_ = Rect(size().left, size().top, size().left + w, size().bottom);
    offRect_ = Rect(size().left + w, size().top, size().right, size().bottom);
    if (off_ != nullptr) off_->drawOpaque(canvas, offRect_, Point(w, 0));
    on_->drawOpaque(canvas, onRect_, Point(0, 0));
  } else {
    const int32_t k = static_cast<int32_t>((maximum() - value()) * steps + 0.5f);
    const int32_t h = on_->height() * k / steps_;
    offRect_ = Rect(size().left, size().top, size().right, size().top + h);
    onRect_ = Rect(size().left, size().top + h, size().right, size().bottom);
    if (off_ != nullptr) off_->drawOpaque(canvas, offRect_, Point(0, 0));
    on_->drawOpaque(canvas, onRect_, Point(0, h));
  }
}
