// The gain table of one bar and the two steps that build it: laying the 16 steps out and smoothing
// the edges. Plain functions on a table, so the build can run on any table the publisher hands out.
#pragma once

#include <array>
#include <cstdint>

#include "gate/gate_parameter.h"

constexpr int32_t kPointsPerStep = 64;
constexpr int32_t kBarPoints = kStepCount * kPointsPerStep;
// Beyond the bar: room for the part of the pattern the BarWidth shift pushes past its end.
constexpr int32_t kGainTableSize = kBarPoints + kPointsPerStep;
// A step whose switch is off sounds for its first 33 points.
constexpr int32_t kShortGatePoints = 33;
constexpr int32_t kMaxSmoothingPasses = 100;

using GainTable = std::array<float, kGainTableSize>;

// The live values a build reads, taken once so that a build sees one consistent pattern.
struct StepPattern {
  float levels[kStepCount];
  float switches[kStepCount];
  float barWidth;
  float interpol;
};

// Points the pattern starts late: 64 × BarWidth, truncated, kept within 0 to 64 whatever the host wrote.
int32_t patternShift(float barWidth);
// Smoothing passes: 100 × Interpol, truncated, kept within 0 to 100.
int32_t smoothingPasses(float interpol);

// Writes the bar's 1024 points at the shift, then exchanges entries 0 and 1023; other entries keep
// their values.
void layOutSteps(GainTable& table, const StepPattern& pattern);
// Three-point averaging passes over entries 1 to 1023, in place.
void smoothGainTable(GainTable& table, int32_t passes);
// Sets entries below the smallest normal float to zero: a subnormal gain would make every sample it
// scales slow to compute, and is far below anything audible.
void flushSubnormals(GainTable& table);
