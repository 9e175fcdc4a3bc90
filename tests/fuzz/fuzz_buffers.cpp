// The fuzz target's buffers: noise in, outputs checked, a guard behind every block.
#include "tests/fuzz/fuzz_buffers.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int32_t kNoiseOffsets = 256;
constexpr int32_t kGuard = 16;
constexpr float kSentinel = 12345.678f;

} // namespace

void require(bool promise) {
  if (!promise) std::abort();
}

FuzzBuffers::FuzzBuffers() : noise_(kLargestBlock + kNoiseOffsets) {
  for (std::vector<float>& channel : channels_) channel.resize(kLargestBlock + kGuard);
  inputs[0] = channels_[0].data();
  inputs[1] = channels_[1].data();
  outputs[0] = channels_[2].data();
  outputs[1] = channels_[3].data();
  for (size_t k = 0; k < noise_.size(); ++k) noise_[k] = std::sin(0.37f * static_cast<float>(k)) * 0.9f;
}

void FuzzBuffers::fill(int32_t frames, uint8_t offset) {
  for (std::vector<float>& channel : channels_) {
    std::memcpy(channel.data(), noise_.data() + offset, static_cast<size_t>(frames) * sizeof(float));
    for (int32_t k = frames; k < frames + kGuard; ++k) channel[k] = kSentinel;
  }
}

void FuzzBuffers::checkOutputs(int32_t frames) const {
  for (const std::vector<float>& channel : channels_) {
    for (int32_t k = 0; k < frames; ++k) require(std::isfinite(channel[k]));
    for (int32_t k = frames; k < frames + kGuard; ++k) require(channel[k] == kSentinel);
  }
}
