// Point: a pixel position, h growing to the right and v downwards, in the editor window's client area
// unless a caller says otherwise.
#pragma once

#include <cstdint>

struct Rect;

struct Point {
  int32_t h = 0;
  int32_t v = 0;

  Point() = default;
  Point(int32_t h, int32_t v) : h(h), v(v) {}

  // Hit testing counts all four edges as inside, so a press on a control's right or bottom edge reaches it.
  bool liesIn(const Rect& rect) const;
};
