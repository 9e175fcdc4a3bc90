// Building the gain table: the step layout, the BarWidth shift and the smoothing passes.
#include "gate/gain_table.h"

#include <cmath>
#include <utility>

int32_t patternShift(float barWidth) {
  // 64 × BarWidth is exact in float; the bounds keep a host's out-of-range value inside the table.
  const float shift = static_cast<float>(kPointsPerStep) * barWidth;
  if (!(shift > 0.0f)) return 0;
  if (shift >= static_cast<float>(kPointsPerStep)) return kPointsPerStep;
  return static_cast<int32_t>(shift);
}

int32_t smoothingPasses(float interpol) {
  // In double the product is exact, so the truncation sees the true 100 × Interpol; a float product
  // would round 0.57 up to 57.
  const double passes = static_cast<double>(kMaxSmoothingPasses) * static_cast<double>(interpol);
  if (!(passes > 0.0)) return 0;
  if (passes >= kMaxSmoothingPasses) return kMaxSmoothingPasses;
  return static_cast<int32_t>(passes);
}

void layOutSteps(GainTable& table, const StepPattern& pattern) {
  float* bar = table.data() + patternShift(pattern.barWidth);
  for (int32_t step = 0; step < kStepCount; ++step) {
    const bool fullLength = pattern.switches[step] > 0.0f;
    for (int32_t point = 0; point < kPointsPerStep; ++point) {
      const bool sounds = point < kShortGatePoints || fullLength;
      bar[step * kPointsPerStep + point] = sounds ? pattern.levels[step] : 0.0f;
    }
  }
  std::swap(table[0], table[kBarPoints - 1]);
}

void smoothGainTable(GainTable& table, int32_t passes) {
  for (int32_t pass = 0; pass < passes; ++pass) {
    // Entry j - 1 already holds this pass's value, entry j + 1 still the previous one; entry 1024 is
    // read as the last right neighbour and never written.
    for (int32_t j = 1; j < kBarPoints; ++j) {
      const double sum = (static_cast<double>(table[j]) + static_cast<double>(table[j + 1])) +
                         static_cast<double>(table[j - 1]);
      table[j] = static_cast<float>(sum / 3.0);
    }
  }
}

float playableGain(float level) {
  if (!(level >= kSilentGain)) return 0.0f;
  return level < 1.0f ? level : 1.0f;
}

void flushInaudibleGains(GainTable& table) {
  for (float& gain : table)
    if (std::fabs(gain) < kSilentGain) gain = 0.0f;
}

void buildGainTable(GainTable& table, const StepPattern& pattern) {
  // Silence first, so no earlier build shows through before a shifted pattern or at entry 1023.
  table.fill(0.0f);
  layOutSteps(table, pattern);
  // Unshifted, the bar line is entry 0's point again: the audio reads entry 1024 there and the smoothing
  // reads it as entry 1023's right neighbour.
  if (patternShift(pattern.barWidth) == 0) table[kBarPoints] = table[0];
  smoothGainTable(table, smoothingPasses(pattern.interpol));
  flushInaudibleGains(table);
}
