// DelayLine's accumulation, cut into runs at the end of the ring so the inner loop has no wrap test.
#include "gate/delay_line.h"

#include <algorithm>

float DelayLine::accumulate(const float* left, float* out0, float* out1, int32_t frames, float gain) {
  float peak = 0.0f;
  int32_t done = 0;
  while (done < frames) {
    const int32_t run = std::min(frames - done, kDelaySize - position_);
    float* delayed = samples_.data() + position_;
    for (int32_t k = 0; k < run; ++k) {
      const float y = gain * delayed[k];
      peak = std::max(peak, y);
      // Read before written: the input may share its buffer with an output.
      delayed[k] = left[done + k];
      out0[done + k] += y;
      out1[done + k] += y;
    }
    done += run;
    position_ += run;
    if (position_ >= kDelaySize) position_ -= kDelaySize;
  }
  return peak;
}
