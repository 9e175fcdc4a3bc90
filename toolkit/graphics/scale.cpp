// Scale: the sizes, the choice for a screen's density and the mapping arithmetic.
#include "toolkit/graphics/scale.h"

namespace {

constexpr int32_t kDensityAt100 = 96;

// Division rounding toward minus infinity, so a coordinate left of the origin maps like one right of it.
int32_t floorDivide(int64_t numerator, int64_t denominator) {
  int64_t quotient = numerator / denominator;
  if ((numerator % denominator != 0) && ((numerator < 0) != (denominator < 0))) --quotient;
  return static_cast<int32_t>(quotient);
}

} // namespace

const Scale Scale::kSizes[kSizeCount] = {Scale(100), Scale(150), Scale(200)};

Scale Scale::ofPercent(int32_t percent) {
  for (const Scale& size : kSizes)
    if (size.percent_ == percent) return size;
  return Scale();
}

Scale Scale::forScreenDensity(int32_t dotsPerInch) {
  Scale chosen;
  for (const Scale& size : kSizes)
    if (dotsPerInch >= kDensityAt100 * size.percent_ / 100) chosen = size;
  return chosen;
}

int32_t Scale::toWindow(int32_t x) const { return floorDivide(static_cast<int64_t>(x) * percent_, 100); }

// The largest layout coordinate whose edge lies at or before x: its block is the one holding pixel x.
int32_t Scale::fromWindow(int32_t x) const {
  return -floorDivide(-(static_cast<int64_t>(x) + 1) * 100, percent_) - 1;
}

Rect Scale::toWindow(const Rect& rect) const {
  return Rect(toWindow(rect.left), toWindow(rect.top), toWindow(rect.right), toWindow(rect.bottom));
}

int32_t Scale::length(int32_t units) const {
  return floorDivide(static_cast<int64_t>(units) * percent_ + 50, 100);
}
