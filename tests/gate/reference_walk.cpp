// The per-frame reference walk.
#include "tests/gate/reference_walk.h"

std::vector<int32_t> referenceIndices(double phase, double increment, int32_t frames) {
  std::vector<int32_t> indices;
  for (int32_t k = 0; k < frames; ++k) {
    indices.push_back(static_cast<int32_t>(phase));
    phase = phase + increment;
    if (phase > 1024.0) phase = phase - 1024.0;
  }
  return indices;
}

void referenceGate(const GainTable& table, double phase, double increment, const float* const* inputs,
                   float* const* outputs, int32_t frames) {
  const std::vector<int32_t> indices = referenceIndices(phase, increment, frames);
  for (int32_t k = 0; k < frames; ++k) {
    const float gain = table[indices[k]];
    outputs[0][k] = inputs[0][k] * gain;
    outputs[1][k] = inputs[1][k] * gain;
  }
}
