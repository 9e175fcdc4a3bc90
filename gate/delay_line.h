// DelayLine: the accumulating entry's ring buffer, which adds the left input of 44100 frames earlier to
// both outputs.
#pragma once

#include <array>
#include <cstdint>

// Frames, not time: one second at 44.1 kHz, and the same 44,100 frames at every other rate, as sessions
// made with the accumulating entry have always heard it.
constexpr int32_t kDelaySize = 44100;

class DelayLine {
public:
  DelayLine() { clear(); }

  // Every sample becomes 0; the position stays where it is.
  void clear() { samples_.fill(0.0f); }
  int32_t position() const { return position_; }

  // Adds gain × the left input of 44100 frames earlier to both outputs and stores the new left input.
  // Answers the largest value added (0 when none is positive).
  float accumulate(const float* left, float* out0, float* out1, int32_t frames, float gain);

private:
  std::array<float, kDelaySize> samples_;
  int32_t position_ = 0;
};
