// Checks the gain table's layout of the steps, the BarWidth shift, the smoothing passes, the flush of
// silent gains and the whole build from a pattern alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <random>

#include "gate/gain_table.h"

namespace {

constexpr float kSentinel = -7.0f;

Pattern allOnes() {
  Pattern pattern{};
  for (int32_t step = 0; step < kStepCount; ++step) {
    pattern.levels[step] = 1.0f;
    pattern.switches[step] = 1.0f;
  }
  return pattern;
}

// Step k at level k/16: every step tells where it landed.
Pattern ramp(float barWidth, float interpol) {
  Pattern pattern = allOnes();
  for (int32_t step = 0; step < kStepCount; ++step)
    pattern.levels[step] = static_cast<float>(step + 1) / 16.0f;
  pattern.barWidth = barWidth;
  pattern.interpol = interpol;
  return pattern;
}

GainTable filled(float value) {
  GainTable table;
  table.fill(value);
  return table;
}

// The smoothing as plainly as it can be written, for comparison.
void referenceSmooth(GainTable& table, int32_t passes) {
  for (int32_t pass = 0; pass < passes; ++pass)
    for (int32_t j = 1; j <= 1023; ++j) {
      double sum = table[j];
      sum += table[j + 1];
      sum += table[j - 1];
      table[j] = static_cast<float>(sum / 3.0);
    }
}

} // namespace

TEST(GainTable, AllOnesWithoutShiftOrSmoothingIsOneAcrossTheBar) {
  GainTable table = filled(kSentinel);
  layOutSteps(table, allOnes());
  for (int32_t point = 0; point < kBarPoints; ++point) EXPECT_EQ(table[point], 1.0f) << point;
  EXPECT_EQ(table[kBarPoints], kSentinel); // no shift: entry 1024 keeps its value
}

TEST(GainTable, SwitchedOffStepSoundsForItsFirst33Points) {
  Pattern pattern = allOnes();
  pattern.switches[2] = 0.0f;
  GainTable table = filled(kSentinel);
  layOutSteps(table, pattern);
  for (int32_t point = 128; point <= 160; ++point) EXPECT_EQ(table[point], 1.0f) << point;
  for (int32_t point = 161; point <= 191; ++point) EXPECT_EQ(table[point], 0.0f) << point;
  EXPECT_EQ(table[192], 1.0f);
}

TEST(GainTable, AnySwitchValueAboveZeroIsOn) {
  Pattern pattern = allOnes();
  pattern.switches[5] = 1e-7f;
  pattern.switches[6] = -0.5f;
  GainTable table = filled(kSentinel);
  layOutSteps(table, pattern);
  EXPECT_EQ(table[5 * 64 + 63], 1.0f);
  EXPECT_EQ(table[6 * 64 + 63], 0.0f);
}

TEST(GainTable, LastAndFirstPointsAreExchanged) {
  Pattern pattern = allOnes();
  pattern.switches[15] = 0.0f;
  pattern.levels[0] = 0.75f;
  GainTable table = filled(kSentinel);
  layOutSteps(table, pattern);
  EXPECT_EQ(table[0], 0.0f); // step 16's silent last point
  EXPECT_EQ(table[1023], 0.75f);
  EXPECT_EQ(table[1], 0.75f);
}

TEST(GainTable, FullWidthShiftsThePatternByOneStep) {
  GainTable table = filled(kSentinel);
  layOutSteps(table, ramp(1.0f, 0.0f));
  EXPECT_EQ(table[0], 15.0f / 16.0f); // entry 1023 before the exchange: the last point of step 15
  for (int32_t point = 1; point < 64; ++point) EXPECT_EQ(table[point], kSentinel) << point;
  EXPECT_EQ(table[64], 1.0f / 16.0f);
  EXPECT_EQ(table[1023], kSentinel);
  for (int32_t point = 1024; point < kGainTableSize; ++point) EXPECT_EQ(table[point], 1.0f) << point;
}

TEST(GainTable, BuildIsSilentAroundTheShiftedBarAndRepeatsEntry0AtTheBarLineWithoutShift) {
  const struct {
    float barWidth;
    float entry0, entry1023; // after the exchange
  } cases[] = {{0.0f, 1.0f, 1.0f / 16.0f}, {1.0f / 64.0f, 1.0f, 0.0f}, {1.0f, 15.0f / 16.0f, 0.0f}};
  for (const auto& c : cases) {
    const int32_t shift = patternShift(c.barWidth);
    GainTable table = filled(kSentinel);
    buildGainTable(table, ramp(c.barWidth, 0.0f));
    EXPECT_EQ(table[0], c.entry0) << shift;
    for (int32_t point = 1; point < shift; ++point) EXPECT_EQ(table[point], 0.0f) << shift << " " << point;
    EXPECT_EQ(table[shift + 1], 1.0f / 16.0f) << shift;
    EXPECT_EQ(table[kBarPoints - 1], c.entry1023) << shift;
    EXPECT_EQ(table[kBarPoints], 1.0f) << shift; // step 16's last point, or the one the shift pushed there
    for (int32_t point = kBarPoints + std::max(shift, 1); point < kGainTableSize; ++point)
      EXPECT_EQ(table[point], 0.0f) << shift << " " << point;
  }
}

TEST(GainTable, BuildDependsOnThePatternAlone) {
  // Shifted and not, smoothed and not: each built after each of them (itself too) as on a fresh table.
  const Pattern patterns[] = {ramp(0.0f, 0.0f), ramp(1.0f, 0.0f), ramp(0.5f, 0.3f), ramp(0.0f, 1.0f),
                              ramp(1.0f / 64.0f, 0.07f)};
  for (const Pattern& later : patterns) {
    GainTable fresh = filled(kSentinel);
    buildGainTable(fresh, later);
    for (const Pattern& earlier : patterns) {
      GainTable table = filled(kSentinel);
      buildGainTable(table, earlier);
      buildGainTable(table, later);
      EXPECT_EQ(std::memcmp(table.data(), fresh.data(), sizeof table), 0)
          << earlier.barWidth << " " << earlier.interpol << " then " << later.barWidth << " "
          << later.interpol;
    }
  }
}

TEST(GainTable, ShiftIs64TimesBarWidthTruncatedWithinTheTable) {
  const struct {
    float barWidth;
    int32_t shift;
  } cases[] = {{0.0f, 0},
               {0.99f, 63},
               {0.597f, 38},
               {1.0f, 64},
               {0.5f, 32},
               {1.0f / 64.0f, 1},
               {2.0f, 64},
               {-1.0f, 0},
               {std::numeric_limits<float>::quiet_NaN(), 0},
               {std::numeric_limits<float>::infinity(), 64}};
  for (const auto& c : cases) EXPECT_EQ(patternShift(c.barWidth), c.shift) << c.barWidth;
}

TEST(GainTable, PassesAre100TimesInterpolTruncatedWithinTheLimit) {
  const struct {
    float interpol;
    int32_t passes;
  } cases[] = {{0.5f, 50},  {1.0f, 100}, {0.179f, 17},
               {0.009f, 0}, {0.57f, 56}, {0.0f, 0},
               {7.0f, 100}, {-0.3f, 0},  {std::numeric_limits<float>::quiet_NaN(), 0}};
  for (const auto& c : cases) EXPECT_EQ(smoothingPasses(c.interpol), c.passes) << c.interpol;
}

TEST(GainTable, SmoothingWorksInPlaceFromLeftToRight) {
  GainTable table = filled(0.0f);
  table[500] = 3.0f;
  smoothGainTable(table, 1);
  EXPECT_EQ(table[498], 0.0f);
  EXPECT_EQ(table[499], 1.0f);                          // (0 + 3 + 0) / 3
  EXPECT_EQ(table[500], static_cast<float>(4.0 / 3.0)); // (3 + 0 + 1) / 3
  EXPECT_EQ(table[501], static_cast<float>(static_cast<float>(4.0 / 3.0) / 3.0));
}

TEST(GainTable, SmoothingSumsTheCentreAndRightNeighbourFirstInDouble) {
  // (1 + 2^-60) + (-1) is 0 in double; adding the left neighbour first would leave 2^-60.
  GainTable table = filled(0.0f);
  table[0] = -1.0f;
  table[1] = 1.0f;
  table[2] = std::ldexp(1.0f, -60);
  smoothGainTable(table, 1);
  EXPECT_EQ(table[1], 0.0f);
}

TEST(GainTable, SmoothingDividesByThreeWithCorrectRounding) {
  // The sum is 2^-53 above three times a point halfway between two floats: its correctly rounded third
  // rounds up to float, a product with the double nearest 1/3 lands on the halfway point and rounds down.
  const float left = 0x1p-53f, centre = 0x1.8f5184p-1f, right = 0x1.6a7de6p-3f;
  const double sum = (static_cast<double>(centre) + static_cast<double>(right)) + static_cast<double>(left);
  ASSERT_NE(static_cast<float>(sum / 3.0), static_cast<float>(sum * (1.0 / 3.0)));
  GainTable table = filled(0.0f);
  table[0] = left;
  table[1] = centre;
  table[2] = right;
  smoothGainTable(table, 1);
  EXPECT_EQ(table[1], static_cast<float>(sum / 3.0));
}

TEST(GainTable, SmoothingLeavesEntry0AndReadsEntry1024WithoutWritingIt) {
  GainTable table = filled(0.0f);
  table[0] = 0.5f;
  table[1024] = 3.0f;
  smoothGainTable(table, 3);
  EXPECT_EQ(table[0], 0.5f);
  EXPECT_EQ(table[1024], 3.0f);
  EXPECT_GT(table[1023], 0.0f);
  EXPECT_EQ(table[1025], 0.0f);
}

TEST(GainTable, SmoothingMatchesThePlainFormulaBitForBit) {
  // Every pass count, on tables of arbitrary gains, zeros and tiny gains near the silence threshold mixed
  // entry by entry (entries 0, 1023 and 1024 among them), and on laid-out random patterns.
  std::mt19937 random(99);
  std::uniform_real_distribution<float> gain(0.0f, 1.0f);
  const auto anyGain = [&] {
    const float value = gain(random);
    const uint32_t kind = random() % 3;
    return kind == 0 ? 0.0f : kind == 1 ? value : std::ldexp(value, -60);
  };
  for (int32_t passes = 0; passes <= kMaxSmoothingPasses; ++passes) {
    GainTable mixed;
    for (float& entry : mixed) entry = anyGain();
    Pattern pattern;
    for (int32_t step = 0; step < kStepCount; ++step) {
      pattern.levels[step] = anyGain();
      pattern.switches[step] = static_cast<float>(random() % 2);
    }
    pattern.barWidth = gain(random);
    GainTable laidOut;
    for (float& entry : laidOut) entry = anyGain();
    layOutSteps(laidOut, pattern);
    for (GainTable& table : {std::ref(mixed), std::ref(laidOut)}) {
      GainTable expected = table;
      referenceSmooth(expected, passes);
      smoothGainTable(table, passes);
      EXPECT_EQ(std::memcmp(table.data(), expected.data(), sizeof table), 0) << passes;
    }
  }
}

TEST(GainTable, WithoutSmoothingEveryStepBoundaryIsAJump) {
  Pattern pattern = allOnes();
  for (int32_t step = 0; step < kStepCount; ++step) pattern.levels[step] = step % 2 == 0 ? 1.0f : 0.0f;
  GainTable table = filled(0.0f);
  layOutSteps(table, pattern);
  smoothGainTable(table, smoothingPasses(0.0f));
  for (int32_t step = 1; step < kStepCount; ++step) {
    EXPECT_EQ(table[64 * step - 1], step % 2 == 1 ? 1.0f : 0.0f);
    EXPECT_EQ(table[64 * step], step % 2 == 0 ? 1.0f : 0.0f);
  }
}

TEST(GainTable, FlushSetsOnlySilentGainsToZero) {
  const float smallest = std::numeric_limits<float>::min();
  GainTable table = filled(0.5f);
  table[1] = smallest / 2.0f;
  table[2] = -smallest / 4.0f;
  table[3] = smallest;
  table[4] = -kSilentGain / 2.0f;
  table[5] = std::numeric_limits<float>::denorm_min();
  table[6] = kSilentGain;
  table[7] = -kSilentGain;
  flushInaudibleGains(table);
  for (int32_t point = 1; point <= 5; ++point) EXPECT_EQ(table[point], 0.0f) << point;
  EXPECT_EQ(table[6], kSilentGain);
  EXPECT_EQ(table[7], -kSilentGain);
  EXPECT_EQ(table[0], 0.5f);
}

TEST(GainTable, PlayableGainsLieInZeroToOne) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float infinity = std::numeric_limits<float>::infinity();
  const std::pair<float, float> cases[] = {
      {0.25f, 0.25f},
      {1.0f, 1.0f},
      {0.0f, 0.0f},
      {-0.0f, 0.0f},
      {nan, 0.0f},
      {-nan, 0.0f},
      {infinity, 1.0f},
      {-infinity, 0.0f},
      {1.0e30f, 1.0f},
      {-0.5f, 0.0f},
      {kSilentGain, kSilentGain},
      {kSilentGain / 2, 0.0f},
      {std::numeric_limits<float>::denorm_min(), 0.0f},
  };
  for (const auto& [written, played] : cases) EXPECT_EQ(playableGain(written), played) << written;
}
