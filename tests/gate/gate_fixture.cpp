// The gate tests' shared set-up.
#include "tests/gate/gate_fixture.h"

#include <random>

StereoBlock::StereoBlock(int32_t frames, float fill)
    : left(static_cast<size_t>(frames), fill), right(static_cast<size_t>(frames), fill) {}

StereoBlock noiseBlock(int32_t frames, uint32_t seed) {
  StereoBlock block(frames);
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
  for (int32_t k = 0; k < frames; ++k) {
    block.left[k] = sample(random);
    block.right[k] = sample(random);
  }
  return block;
}

Pattern flatPattern() {
  Pattern pattern{};
  for (int32_t step = 0; step < 16; ++step) {
    pattern.levels[step] = 1.0f;
    pattern.switches[step] = 1.0f;
  }
  pattern.barWidth = 0.0f;
  pattern.interpol = 0.0f;
  return pattern;
}

void applyPattern(StepGate& gate, const Pattern& pattern) {
  for (int32_t index = 0; index < GateParameterCount; ++index) gate.writeParameter(index, pattern[index]);
}

std::unique_ptr<StepGate> makeGate(const TimeHost& host) {
  return std::make_unique<StepGate>(host.callback());
}
