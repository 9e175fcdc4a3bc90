// Rect's construction from two arbitrary corners and its translation.
#include "toolkit/graphics/rect.h"

#include <algorithm>

Rect Rect::fromCorners(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
  return Rect(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
}

void Rect::moveBy(int32_t dx, int32_t dy) {
  left += dx;
  right += dx;
  top += dy;
  bottom += dy;
}
