// TableWalk's run counting. Within one binade of the phase every double addition of the increment
// rounds to the same number of grid steps, unless the increment falls exactly halfway between two grid
// points (round-half-even then depends on the phase): so the frames of a run can be counted with
// integers on that grid, and only the addition that leaves the run is made for real.
#include "gate/table_walk.h"

#include <cmath>
#include <cstring>

#include "gate/gain_table.h"

namespace {

constexpr int32_t kMantissaBits = 52;
constexpr uint64_t kHiddenBit = uint64_t{1} << kMantissaBits;
constexpr uint64_t kMantissaMask = kHiddenBit - 1;
constexpr int32_t kExponentBias = 1023;

uint64_t bitsOf(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

double doubleOf(uint64_t bits) {
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

} // namespace

TableWalk::Run TableWalk::next(int32_t limit) {
  const int32_t index = static_cast<int32_t>(phase_);
  if (index == 0) {
    // Below 1 the phase passes through many binades before it reaches entry 1: walk frame by frame.
    int32_t frames = 1;
    step();
    while (frames < limit && phase_ < 1.0) {
      ++frames;
      step();
    }
    return {0, frames};
  }
  // Entry 1024 is reached only by landing exactly on the bar's end; the next frame wraps.
  const int32_t frames = index < kBarPoints && limit > 1 ? framesBelow(index + 1, limit) : 1;
  step();
  return {index, frames};
}

int32_t TableWalk::framesBelow(int32_t boundary, int32_t limit) {
  const double next = phase_ + increment_;
  if (!(next < boundary)) return 1;
  // The phase lies in [2^binade, 2^(binade+1)), and so does `next`, since boundary <= 2^(binade+1):
  // both are whole numbers of grid steps (ulps) with the hidden bit set.
  const uint64_t bits = bitsOf(phase_);
  const int32_t exponent = static_cast<int32_t>(bits >> kMantissaBits);
  const int32_t binade = exponent - kExponentBias;
  const uint64_t here = (bits & kMantissaMask) | kHiddenBit;
  const uint64_t stride = ((bitsOf(next) & kMantissaMask) | kHiddenBit) - here;
  const double ulp = doubleOf(static_cast<uint64_t>(exponent - kMantissaBits) << kMantissaBits);
  // Exact subtraction: the rounded step is within half an ulp of the increment.
  if (std::fabs(increment_ - (next - phase_)) == 0.5 * ulp) return 1;
  // An increment below half a grid step leaves the phase where it is.
  if (stride == 0) return limit;
  const uint64_t end = static_cast<uint64_t>(boundary) << (kMantissaBits - binade);
  const uint64_t below = (end - here + stride - 1) / stride;
  const int32_t frames = below < static_cast<uint64_t>(limit) ? static_cast<int32_t>(below) : limit;
  const uint64_t last = here + static_cast<uint64_t>(frames - 1) * stride;
  phase_ = doubleOf((bits & ~kMantissaMask) | (last & kMantissaMask));
  return frames;
}

void TableWalk::step() {
  phase_ += increment_;
  if (phase_ > kBarPoints) phase_ -= kBarPoints;
}
