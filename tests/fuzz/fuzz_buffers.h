// FuzzBuffers: the fuzz target's audio buffers, filled with finite noise and checked after each block.
// In a file of their own, kept out of the fuzzer's coverage: their per-sample loops run the same way
// whatever the input.
#pragma once

#include <cstdint>
#include <vector>

// Stops the run when the effect broke a promise.
void require(bool promise);

class FuzzBuffers {
public:
  static constexpr int32_t kLargestBlock = 1024;

  FuzzBuffers();
  // Finite noise in all four channels, from an offset the script chooses; a sentinel behind the block.
  void fill(int32_t frames, uint8_t offset);
  // Every output sample finite, nothing written behind the block.
  void checkOutputs(int32_t frames) const;

  float* inputs[2];
  float* outputs[2];

private:
  std::vector<float> channels_[4];
  std::vector<float> noise_;
};
