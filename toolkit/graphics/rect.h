// Rect: a rectangle given by its edges. For drawing and copying, right and bottom lie one pixel past the
// covered area; the constructor stores what it is given, so swapped corners give negative sizes.
#pragma once

#include <cstdint>

struct Rect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;

  Rect() = default;
  Rect(int32_t left, int32_t top, int32_t right, int32_t bottom)
      : left(left), top(top), right(right), bottom(bottom) {}

  static Rect fromCorners(int32_t x1, int32_t y1, int32_t x2, int32_t y2);

  void moveBy(int32_t dx, int32_t dy);
  int32_t width() const { return right - left; }
  int32_t height() const { return bottom - top; }
};
