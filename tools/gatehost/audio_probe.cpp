// AudioProbe's buffers and scans. The guard zone holds a value no effect would compute from noise.
#include "tools/gatehost/audio_probe.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int32_t kGuardFrames = 64;
constexpr float kSentinel = 12345.678f;
// Noise quieter than this is made silent: a gain times a near-subnormal input is the host's subnormal,
// not the effect's.
constexpr float kQuietest = 1.0e-6f;

bool isSubnormal(float sample) { return sample != 0.0f && std::fpclassify(sample) == FP_SUBNORMAL; }

bool guardIntact(const std::vector<float>& channel, int32_t count) {
  for (int32_t k = count; k < count + kGuardFrames; ++k)
    if (std::memcmp(&channel[static_cast<size_t>(k)], &kSentinel, sizeof kSentinel) != 0) return false;
  return true;
}

} // namespace

AudioProbe::AudioProbe(int32_t capacity) : capacity_(capacity) {
  for (std::vector<float>& channel : channels_)
    channel.assign(static_cast<size_t>(capacity + kGuardFrames), 0.0f);
  for (int32_t c = 0; c < 2; ++c) {
    inputs_[c] = channels_[c].data();
    outputs_[c] = channels_[2 + c].data();
  }
}

void AudioProbe::fill(std::mt19937& random, int32_t frames) {
  std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
  const int32_t count = std::clamp(frames, 0, capacity_);
  for (std::vector<float>& channel : channels_) {
    for (int32_t k = 0; k < count; ++k) {
      const float sample = noise(random);
      channel[static_cast<size_t>(k)] = std::fabs(sample) < kQuietest ? 0.0f : sample;
    }
    std::fill_n(channel.begin() + count, kGuardFrames, kSentinel);
  }
  for (int32_t c = 0; c < 2; ++c)
    inputCopy_[c].assign(channels_[c].begin(), channels_[c].begin() + count + kGuardFrames);
  filled_ = count;
}

AudioProbe::Scan AudioProbe::scan(bool inPlace) const {
  Scan result;
  const int32_t count = filled_;
  for (int32_t c = 0; c < 2; ++c) {
    const std::vector<float>& output = channels_[2 + c];
    for (int32_t k = 0; k < count; ++k) {
      const float sample = output[static_cast<size_t>(k)];
      if (!std::isfinite(sample)) ++result.nonFinite;
      if (isSubnormal(sample)) ++result.subnormal;
    }
    result.samples += count;
    result.guardsIntact = result.guardsIntact && guardIntact(output, count);
    if (!inPlace) {
      result.guardsIntact = result.guardsIntact && guardIntact(channels_[c], count);
      result.inputsIntact =
          result.inputsIntact && std::equal(inputCopy_[c].begin(), inputCopy_[c].end(), channels_[c].begin());
    }
  }
  return result;
}

int64_t AudioProbe::differences() const {
  int64_t count = 0;
  for (int32_t c = 0; c < 2; ++c)
    for (int32_t k = 0; k < filled_; ++k)
      if (std::memcmp(&channels_[c][static_cast<size_t>(k)], &channels_[2 + c][static_cast<size_t>(k)],
                      sizeof(float)) != 0)
        ++count;
  return count;
}

std::string AudioProbe::describe(const Scan& scan) {
  std::string text;
  if (scan.nonFinite != 0) text += std::to_string(scan.nonFinite) + " NaN or infinite samples; ";
  if (scan.subnormal != 0) text += std::to_string(scan.subnormal) + " subnormal samples; ";
  if (!scan.guardsIntact) text += "samples written past the block; ";
  if (!scan.inputsIntact) text += "inputs written; ";
  return text;
}
