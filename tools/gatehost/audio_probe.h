// AudioProbe: the validator's stereo buffers, with guard zones behind the frames a block hands over, and
// the scans of what a plug-in left there: NaN, infinite or subnormal samples, writes past the block and
// writes into its inputs.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

class AudioProbe {
public:
  // Room for blocks of up to `capacity` frames.
  explicit AudioProbe(int32_t capacity);

  // Noise in the first `frames` samples (none for a count below 0) of both inputs and both outputs (the
  // accumulating entry adds to what the outputs hold), and the sentinel in the guard zone behind them.
  void fill(std::mt19937& random, int32_t frames);
  float** inputs() { return inputs_; }
  float** outputs() { return outputs_; }

  struct Scan {
    int64_t samples = 0;
    int64_t nonFinite = 0;
    int64_t subnormal = 0;
    bool guardsIntact = true;
    bool inputsIntact = true;
  };
  // The samples of the last fill in both outputs, the guards of all four channels and the inputs; with
  // `inPlace` the inputs are the outputs and only their guards are checked.
  Scan scan(bool inPlace) const;
  // The output channels as the inputs too, as a host that processes in place passes them.
  float** inPlace() { return outputs_; }
  // Output samples that differ from the inputs, bit for bit.
  int64_t differences() const;

  static std::string describe(const Scan& scan);

private:
  int32_t capacity_;
  int32_t filled_ = 0;
  std::vector<float> channels_[4];
  std::vector<float> inputCopy_[2];
  float* inputs_[2];
  float* outputs_[2];
};
