// The gain table of one bar and the two steps that build it: laying the 16 steps out and smoothing
// the edges. Plain functions on a table, so the audio thread and the editor's curve each build their own.
#pragma once

#include <array>
#include <cstdint>

#include "gate/gate_parameter.h"
#include "gate/pattern.h"

constexpr int32_t kPointsPerStep = 64;
constexpr int32_t kBarPoints = kStepCount * kPointsPerStep;
// Beyond the bar: room for the part of the pattern the BarWidth shift pushes past its end.
constexpr int32_t kGainTableSize = kBarPoints + kPointsPerStep;
// A step whose switch is off sounds for its first 33 points.
constexpr int32_t kShortGatePoints = 33;
constexpr int32_t kMaxSmoothingPasses = 100;

using GainTable = std::array<float, kGainTableSize>;

// Whether a step sounds for all its points rather than its first 33: a switch above 0, so never a NaN.
constexpr bool playsFullLength(float stepSwitch) { return stepSwitch > 0.0f; }
// Points the pattern starts late: 64 × BarWidth, truncated, kept within 0 to 64 whatever the host wrote.
int32_t patternShift(float barWidth);
// Smoothing passes: 100 × Interpol, truncated, kept within 0 to 100.
int32_t smoothingPasses(float interpol);

// Writes the bar's 1024 points at the shift, each step at its level as given, then exchanges entries 0
// and 1023; other entries keep their values.
void layOutSteps(GainTable& table, const Pattern& pattern);
// Three-point averaging passes over entries 1 to 1023, in place.
void smoothGainTable(GainTable& table, int32_t passes);
// Gains below 2^-60 (about -361 dB) are silence. Below it a gain would turn a normal input, even one far
// under anything audible, into a subnormal output, slow to compute here and in every effect after this one.
constexpr float kSilentGain = 0x1p-60f;
// A level as the gate plays it, whatever the host wrote: NaN, negative and silent values play as 0, values
// above 1 as 1. The parameter itself keeps the value written.
float playableGain(float level);
// Sets the silent entries (below kSilentGain in size, subnormal ones among them) to zero.
void flushInaudibleGains(GainTable& table);

// The whole table from the pattern alone, whatever the table held before: silence, the steps laid out at
// their playable levels, the last point of step 16 also at the bar line when there is no shift, the
// smoothing and the flush.
void buildGainTable(GainTable& table, const Pattern& pattern);
