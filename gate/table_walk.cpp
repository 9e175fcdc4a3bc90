// TableWalk's run counting. Within one binade of the phase every double addition of the increment
// rounds to the same whole number of grid steps (ulps), unless the increment lies exactly halfway
// between two of them (round-half-even then depends on the phase): so on that grid the phase is an
// integer that grows by a constant stride, and the frames of a run can be counted exactly. The
// addition that leaves the binade, where the grid coarsens and the bar may wrap, is made for real.
#include "gate/table_walk.h"

#include <cmath>
#include <cstring>

#include "gate/gain_table.h"

namespace {

constexpr int32_t kMantissaBits = 52;
constexpr uint64_t kHiddenBit = uint64_t{1} << kMantissaBits;
constexpr uint64_t kMantissaMask = kHiddenBit - 1;
// One past the largest phase of a binade, in its ulps.
constexpr uint64_t kBinadeEnd = kHiddenBit << 1;
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

int32_t TableWalk::walk(Run* runs, int32_t capacity, int32_t frames) {
  int32_t count = 0;
  while (frames > 0 && count < capacity) {
    if (onGrid_ || enterGrid()) {
      count += walkOnGrid(runs + count, capacity - count, frames);
    } else {
      runs[count] = walkFrameByFrame(frames);
      frames -= runs[count].frames;
      ++count;
    }
  }
  return count;
}

TableWalk::Run TableWalk::walkFrameByFrame(int32_t frames) {
  const int32_t index = static_cast<int32_t>(phase_);
  int32_t done = 1;
  step();
  // Below 1 the phase passes through many binades before it reaches entry 1.
  if (index == 0)
    while (done < frames && phase_ < 1.0) {
      ++done;
      step();
    }
  return {index, done};
}

bool TableWalk::enterGrid() {
  // Entry 0 spans every binade below 1; entry 1024 is reached only by landing on the bar's end.
  if (!(phase_ >= 1.0 && phase_ < kBarPoints)) return false;
  const double next = phase_ + increment_;
  const uint64_t bits = bitsOf(phase_);
  const uint64_t exponentBits = bits & ~kMantissaMask;
  // An addition that leaves the binade is rounded on a coarser grid.
  if ((bitsOf(next) & ~kMantissaMask) != exponentBits) return false;
  const double ulp = doubleOf(exponentBits - (uint64_t{kMantissaBits} << kMantissaBits));
  // Exact subtraction: the rounded step is within half an ulp of the increment.
  if (std::fabs(increment_ - (next - phase_)) == 0.5 * ulp) return false;
  here_ = (bits & kMantissaMask) | kHiddenBit;
  stride_ = ((bitsOf(next) & kMantissaMask) | kHiddenBit) - here_;
  exponentBits_ = exponentBits;
  shift_ = kMantissaBits - (static_cast<int32_t>(bits >> kMantissaBits) - kExponentBias);
  if (stride_ != 0) {
    quotient_ = (uint64_t{1} << shift_) / stride_;
    remainder_ = (uint64_t{1} << shift_) % stride_;
  }
  onGrid_ = true;
  return true;
}

int32_t TableWalk::walkOnGrid(Run* runs, int32_t capacity, int32_t& frames) {
  // An increment below half an ulp leaves the phase where it is.
  if (stride_ == 0) {
    runs[0] = {static_cast<int32_t>(here_ >> shift_), frames};
    frames = 0;
    return 1;
  }
  // Kept in locals: the run loop is one short chain of integer operations per run.
  const uint64_t stride = stride_;
  const uint64_t span = uint64_t{1} << shift_;
  uint64_t here = here_;
  int32_t count = 0;
  while (frames > 0 && count < capacity) {
    const uint64_t into = here & (span - 1);
    // Frames k with into + k * stride < span. A run that began on the previous entry's last frame
    // starts less than one stride in, where the count is the quotient or one more; only the first run
    // on this grid needs a division.
    const uint64_t below =
        into < stride ? quotient_ + (remainder_ > into ? 1 : 0) : (span - into + stride - 1) / stride;
    const int32_t length = below < static_cast<uint64_t>(frames) ? static_cast<int32_t>(below) : frames;
    runs[count++] = {static_cast<int32_t>(here >> shift_), length};
    frames -= length;
    here += static_cast<uint64_t>(length) * stride;
    if (here >= kBinadeEnd) {
      // The addition that leaves the binade is made for real.
      phase_ = doubleOf(exponentBits_ | ((here - stride) & kMantissaMask));
      step();
      onGrid_ = false;
      return count;
    }
  }
  here_ = here;
  return count;
}

double TableWalk::phase() const {
  return onGrid_ ? doubleOf(exponentBits_ | (here_ & kMantissaMask)) : phase_;
}

void TableWalk::step() {
  phase_ += increment_;
  if (phase_ > kBarPoints) phase_ -= kBarPoints;
}
