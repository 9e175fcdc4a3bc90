// DigitDisplay: an integer drawn with digit images, each digit at a window position of its own; a
// passive view that ignores presses.
#pragma once

#include <cstdint>

#include "toolkit/controls/value_widget.h"
#include "toolkit/graphics/pixmap_ref.h"

class Pixmap;

class DigitDisplay : public ValueWidget {
public:
  static constexpr int32_t kMaxDigits = 7;

  // The pixmap stacks the images of 0 to 9, digitHeight rows each. xs and ys hold digitCount window
  // positions, most significant digit first; a count outside 1 to 7 is taken as the nearest of the two.
  // The range becomes 0 to 10^digitCount - 1.
  DigitDisplay(const Rect& size, ValueListener* listener, int32_t tag, int32_t initialValue,
               int32_t digitCount, const int32_t* xs, const int32_t* ys, int32_t digitWidth,
               int32_t digitHeight, Pixmap* pixmap);

  // The value's whole part, held within minimum and maximum, with leading zeros.
  void paint(Canvas* canvas) override;

  // The value as a fraction of the maximum, within 0 to 1.
  virtual float normalizedValue() const;

private:
  int32_t shownNumber() const;

  PixmapRef pixmap_;
  int32_t digitCount_;
  int32_t xs_[kMaxDigits] = {};
  int32_t ys_[kMaxDigits] = {};
  int32_t digitWidth_;
  int32_t digitHeight_;
};
