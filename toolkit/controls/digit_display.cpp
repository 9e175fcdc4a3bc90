// DigitDisplay: splitting the number into digits and drawing each digit's image.
#include "toolkit/controls/digit_display.h"

#include <cmath>

#include "toolkit/graphics/pixmap.h"

namespace {

int32_t clampDigitCount(int32_t count) {
  if (count < 1) return 1;
  return count > DigitDisplay::kMaxDigits ? DigitDisplay::kMaxDigits : count;
}

int32_t powerOfTen(int32_t exponent) {
  int32_t power = 1;
  for (int32_t i = 0; i < exponent; ++i) power *= 10;
  return power;
}

// The whole part, within what a 32-bit integer holds (so no conversion can overflow); no number gives 0.
int32_t wholePart(float value) {
  if (std::isnan(value)) return 0;
  const double whole = std::trunc(static_cast<double>(value));
  if (whole > 2147483647.0) return 2147483647;
  if (whole < -2147483648.0) return -2147483647 - 1;
  return static_cast<int32_t>(whole);
}

} // namespace

DigitDisplay::DigitDisplay(const Rect& size, ValueListener* listener, int32_t tag, int32_t initialValue,
                           int32_t digitCount, const int32_t* xs, const int32_t* ys, int32_t digitWidth,
                           int32_t digitHeight, Pixmap* pixmap)
    : ValueWidget(size, listener, tag), pixmap_(pixmap), digitCount_(clampDigitCount(digitCount)),
      digitWidth_(digitWidth), digitHeight_(digitHeight) {
  for (int32_t i = 0; i < digitCount_; ++i) {
    xs_[i] = xs[i];
    ys_[i] = ys[i];
  }
  putValue(static_cast<float>(initialValue));
  setMinimum(0.0f);
  setMaximum(static_cast<float>(powerOfTen(digitCount_) - 1));
}

int32_t DigitDisplay::shownNumber() const {
  const int32_t whole = wholePart(value());
  const int32_t highest = wholePart(maximum());
  const int32_t lowest = wholePart(minimum());
  if (highest <= whole) return highest;
  if (lowest > whole) return lowest;
  return whole;
}

void DigitDisplay::paint(Canvas* canvas) {
  // A range its owner widened beyond what the digits hold shows the nearest number they can show.
  const int32_t largest = powerOfTen(digitCount_) - 1;
  int32_t number = shownNumber();
  if (number > largest) number = largest;
  if (number < 0) number = 0;
  int32_t divisor = powerOfTen(digitCount_ - 1);
  for (int32_t i = 0; i < digitCount_; ++i) {
    const int32_t digit = number / divisor;
    number -= digit * divisor;
    divisor /= 10;
    if (pixmap_ != nullptr)
      pixmap_->drawOpaque(canvas, Rect(xs_[i], ys_[i], xs_[i] + digitWidth_, ys_[i] + digitHeight_),
                          Point(0, digit * digitHeight_));
  }
  setShownValue(value());
}

float DigitDisplay::normalizedValue() const {
  if (maximum() == 0.0f) return 0.0f;
  const float fraction = value() / maximum();
  if (fraction > 1.0f) return 1.0f;
  if (fraction < 0.0f || std::isnan(fraction)) return 0.0f;
  return fraction;
}
