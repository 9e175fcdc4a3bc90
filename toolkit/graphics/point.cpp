// Point's hit test.
#include "toolkit/graphics/point.h"

#include "toolkit/graphics/rect.h"

bool Point::liesIn(const Rect& rect) const {
  return rect.left <= h && h <= rect.right && rect.top <= v && v <= rect.bottom;
}
