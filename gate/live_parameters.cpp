// The live values' stores and loads.
#include "gate/live_parameters.h"

#include <cstddef>

LiveParameters::LiveParameters(uint32_t writesBefore) : generation_(writesBefore) {
  for (std::atomic<float>& value : values_) value.store(0.0f, std::memory_order_relaxed);
}

void LiveParameters::write(int32_t index, float value) {
  if (!isGateParameter(index)) return;
  values_[static_cast<size_t>(index)].store(value, std::memory_order_relaxed);
  generation_.fetch_add(1, std::memory_order_release);
}

float LiveParameters::read(int32_t index) const {
  if (!isGateParameter(index)) return 0.0f;
  return values_[static_cast<size_t>(index)].load(std::memory_order_relaxed);
}

Pattern LiveParameters::values() const {
  Pattern pattern;
  for (int32_t index = 0; index < GateParameterCount; ++index) pattern[index] = read(index);
  return pattern;
}
