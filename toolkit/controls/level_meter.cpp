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
  if (std::isnan(value_)) value_ = minimum_;
  if (value_ > maximum_) value_ = maximum_;
  if (value_ < minimum_) value_ = minimum_;
  float floor = shownValue_ - fallStep_;
  if (floor < minimum_) floor = minimum_;
  if (value_ < floor) value_ = floor;
  shownValue_ = value_;

  const float steps = static_cast<float>(steps_);
  if ((style_ & meterHorizontal) != 0) {
    const int32_t k = static_cast<int32_t>(steps * value_ + 0.5f);
    const int32_t w = on_->width() * k / steps_;
    onRect_ = Rect(size_.left, size_.top, size_.left + w, size_.bottom);
    offRect_ = Rect(size_.left + w, size_.top, size_.right, size_.bottom);
    if (off_ != nullptr) off_->drawOpaque(canvas, offRect_, Point(w, 0));
    on_->drawOpaque(canvas, onRect_, Point(0, 0));
  } else {
    const int32_t k = static_cast<int32_t>((maximum_ - value_) * steps + 0.5f);
    const int32_t h = on_->height() * k / steps_;
    offRect_ = Rect(size_.left, size_.top, size_.right, size_.top + h);
    onRect_ = Rect(size_.left, size_.top + h, size_.right, size_.bottom);
    if (off_ != nullptr) off_->drawOpaque(canvas, offRect_, Point(0, 0));
    on_->drawOpaque(canvas, onRect_, Point(0, h));
  }
}
