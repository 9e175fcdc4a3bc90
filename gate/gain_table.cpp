// Building the gain table: the step layout, the BarWidth shift and the smoothing passes. The passes run
// as a wavefront: pass p at entry j needs only pass p at j - 1 and pass p - 1 at j and j + 1, so every
// (p, j) with the same j + 2p can be averaged at once, each with the very operations of the serial loop.
#include "gate/gain_table.h"

#include <emmintrin.h>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Passes a band makes in one sweep. Each step waits about 30 cycles for the step before (two additions,
// the division, two conversions); ten divisions of two lanes keep the divider busy longer than that, and
// more lanes would only lengthen the ramps at both ends of the sweep.
constexpr int32_t kMaxBandLanes = 20;
constexpr int32_t kMaxBandVectors = kMaxBandLanes / 2;

// The serial loop's average of two lanes at once: the centre and right neighbour summed first, in double,
// divided by 3 with correct rounding and rounded to float, kept as a double for the next sums.
__m128d average(__m128d centre, __m128d right, __m128d left) {
  const __m128d sum = _mm_add_pd(_mm_add_pd(centre, right), left);
  return _mm_cvtps_pd(_mm_cvtpd_ps(_mm_div_pd(sum, _mm_set1_pd(3.0))));
}

// Lane k makes the band's pass k: at step s it averages entry j = s - 2k from its own output one step
// before (entry j - 1, this pass) and lane k - 1's outputs two steps and one step before (entries j and
// j + 1, the pass before). Lane -1 is the table, read at entry s + 1; the last lane writes entry j back
// long after lane 0 read it. Vector v holds lanes v and v + vectors, so the lanes before a vector's are
// the vector before it; vector 0 takes them from the table and from the last vector's lower half.
void smoothBand(float* table, int32_t lanes) {
  const int32_t vectors = (lanes + 1) / 2;
  const auto slot = [vectors](int32_t lane) { return 2 * (lane % vectors) + lane / vectors; };
  const int32_t lastSlot = slot(lanes - 1);
  const int32_t lastLaneDelay = 2 * (lanes - 1);
  const double entry0 = table[0];
  const double entry1024 = table[kBarPoints];
  // The lanes' outputs two steps and one step before. Lanes before their first entry hold entry 0: lane 0
  // reads it as entry 1's left neighbour.
  alignas(16) double rows[2][2 * kMaxBandVectors];
  std::fill(rows[0], rows[0] + 2 * vectors, entry0);
  std::fill(rows[1], rows[1] + 2 * vectors, entry0);
  double* older = rows[0];
  double* newer = rows[1];
  double tableBefore = table[1];
  const auto step = [&](int32_t s) {
    // Past the bar lane -1 repeats entry 1024; it feeds only lane 0 from entry 1024 on, which the fix-up
    // replaces or nothing reads.
    const double tableNow = table[s + 1 < kBarPoints ? s + 1 : kBarPoints];
    const __m128d firstBefore2 = _mm_setr_pd(tableBefore, older[2 * (vectors - 1)]);
    const __m128d firstBefore1 = _mm_setr_pd(tableNow, newer[2 * (vectors - 1)]);
    // Downwards, so each vector reads the one before it as it was two steps back, not as just written.
    for (int32_t v = vectors - 1; v > 0; --v)
      _mm_store_pd(older + 2 * v, average(_mm_load_pd(older + 2 * (v - 1)), _mm_load_pd(newer + 2 * (v - 1)),
                                          _mm_load_pd(newer + 2 * v)));
    _mm_store_pd(older, average(firstBefore2, firstBefore1, _mm_load_pd(newer)));
    std::swap(older, newer);
    tableBefore = tableNow;
  };
  int32_t s = 1;
  // Lane k reaches entry 0 at step 2k and must hold entry 0 there, for its own entry 1.
  for (; s <= lastLaneDelay; ++s) {
    step(s);
    if (s % 2 == 0) newer[slot(s / 2)] = entry0;
  }
  for (; s < kBarPoints; ++s) {
    step(s);
    table[s - lastLaneDelay] = static_cast<float>(newer[lastSlot]);
  }
  // Lane k reaches entry 1024 at step 1024 + 2k and must hold entry 1024 there, for lane k + 1's entry 1023.
  for (; s < kBarPoints + lastLaneDelay; ++s) {
    step(s);
    if ((s - kBarPoints) % 2 == 0) newer[slot((s - kBarPoints) / 2)] = entry1024;
    table[s - lastLaneDelay] = static_cast<float>(newer[lastSlot]);
  }
}

} // namespace

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

void layOutSteps(GainTable& table, const Pattern& pattern) {
  float* bar = table.data() + patternShift(pattern.barWidth);
  for (int32_t step = 0; step < kStepCount; ++step) {
    const bool fullLength = playsFullLength(pattern.switches[step]);
    for (int32_t point = 0; point < kPointsPerStep; ++point) {
      const bool sounds = point < kShortGatePoints || fullLength;
      bar[step * kPointsPerStep + point] = sounds ? pattern.levels[step] : 0.0f;
    }
  }
  std::swap(table[0], table[kBarPoints - 1]);
}

void smoothGainTable(GainTable& table, int32_t passes) {
  if (passes <= 0) return;
  // A band costs one sweep whatever its lanes, so as few bands as the lane limit allows, shared out evenly.
  const int32_t bands = 1 + (passes - 1) / kMaxBandLanes;
  for (int32_t band = 0; band < bands; ++band)
    smoothBand(table.data(), passes / bands + (band < passes % bands ? 1 : 0));
}

float playableGain(float level) {
  if (!(level >= kSilentGain)) return 0.0f;
  return level < 1.0f ? level : 1.0f;
}

void flushInaudibleGains(GainTable& table) {
  for (float& gain : table)
    if (std::fabs(gain) < kSilentGain) gain = 0.0f;
}

void buildGainTable(GainTable& table, const Pattern& written) {
  // A host may write anything; the table holds only gains the audio can multiply by safely.
  Pattern pattern = written;
  for (float& level : pattern.levels) level = playableGain(level);
  // Silence first, so no earlier build shows through before a shifted pattern or at entry 1023.
  table.fill(0.0f);
  layOutSteps(table, pattern);
  // Unshifted, the bar line is entry 0's point again: the audio reads entry 1024 there and the smoothing
  // reads it as entry 1023's right neighbour.
  if (patternShift(pattern.barWidth) == 0) table[kBarPoints] = table[0];
  smoothGainTable(table, smoothingPasses(pattern.interpol));
  flushInaudibleGains(table);
}
