// Checks that the run-based walk reads exactly the entries of the per-frame double-precision walk and
// ends on the same phase, bit for bit, for every kind of tempo, sample rate, position and block size.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "gate/bar_phase.h"
#include "gate/table_walk.h"
#include "tests/gate/reference_walk.h"
#include "tests/gate/time_host.h"

namespace {

struct Walked {
  std::vector<int32_t> indices;
  double phase;
};

// Walks in batches of `capacity` runs, as a caller with little room for runs does.
Walked walkInRuns(double phase, double increment, int32_t frames, int32_t capacity = 64) {
  Walked walked{{}, 0.0};
  TableWalk walk(phase, increment);
  std::vector<TableWalk::Run> runs(static_cast<size_t>(capacity));
  for (int32_t done = 0; done < frames;) {
    const int32_t count = walk.walk(runs.data(), capacity, frames - done);
    EXPECT_GE(count, 1);
    EXPECT_LE(count, capacity);
    for (int32_t n = 0; n < count; ++n) {
      EXPECT_GE(runs[n].frames, 1);
      walked.indices.insert(walked.indices.end(), static_cast<size_t>(runs[n].frames), runs[n].index);
      done += runs[n].frames;
    }
    EXPECT_LE(done, frames);
  }
  walked.phase = walk.phase();
  return walked;
}

double referenceEndPhase(double phase, double increment, int32_t frames) {
  for (int32_t k = 0; k < frames; ++k) {
    phase = phase + increment;
    if (phase > 1024.0) phase = phase - 1024.0;
  }
  return phase;
}

uint64_t bitsOf(double value) {
  uint64_t bits;
  std::memcpy(&bits, &value, sizeof bits);
  return bits;
}

// Returns true when the walks agree; reports the first differing frame otherwise.
::testing::AssertionResult walksAgree(double phase, double increment, int32_t frames, int32_t capacity = 64) {
  const Walked walked = walkInRuns(phase, increment, frames, capacity);
  const std::vector<int32_t> expected = referenceIndices(phase, increment, frames);
  for (int32_t k = 0; k < frames; ++k)
    if (walked.indices[k] != expected[k])
      return ::testing::AssertionFailure() << "phase " << phase << " increment " << increment << ": frame "
                                           << k << " reads " << walked.indices[k] << ", not " << expected[k];
  if (bitsOf(walked.phase) != bitsOf(referenceEndPhase(phase, increment, frames)))
    return ::testing::AssertionFailure()
           << "phase " << phase << " increment " << increment << ": ends on a different phase";
  return ::testing::AssertionSuccess();
}

double logUniform(std::mt19937_64& random, double low, double high) {
  std::uniform_real_distribution<double> exponent(std::log(low), std::log(high));
  return std::exp(exponent(random));
}

double randomPosition(std::mt19937_64& random) {
  switch (random() % 5) {
  case 0:
    return std::uniform_real_distribution<double>(-64.0, 0.0)(random);
  case 1:
    return std::uniform_real_distribution<double>(0.0, 10000.0)(random);
  case 2:
    return logUniform(random, 1e6, 1e17);
  case 3:
    return -logUniform(random, 1e6, 1e17);
  default:
    return static_cast<double>(random() % 4096) / 16.0; // on step and bar lines
  }
}

} // namespace

TEST(TableWalk, MatchesFrameByFrameWalkForHostTimes) {
  std::mt19937_64 random(20261208);
  const double commonRates[] = {8000.0, 22050.0, 44100.0, 48000.0, 88200.0, 96000.0, 192000.0};
  for (int32_t trial = 0; trial < 3000; ++trial) {
    const double tempo = trial % 10 == 0 ? logUniform(random, 1e-3, 1e5) : logUniform(random, 20.0, 999.0);
    const double rate = trial % 3 == 0 ? logUniform(random, 1000.0, 400000.0) : commonRates[random() % 7];
    BarPhase phase;
    ASSERT_TRUE(barPhaseOf(timeAt(rate, randomPosition(random), tempo), phase));
    const int32_t frames = 1 + static_cast<int32_t>(random() % 2048);
    const int32_t capacity = 1 + static_cast<int32_t>(random() % 80);
    ASSERT_TRUE(walksAgree(phase.start, phase.increment, frames, capacity))
        << "tempo " << tempo << " rate " << rate << " capacity " << capacity;
  }
}

TEST(TableWalk, MatchesFrameByFrameWalkAcrossWholeBars) {
  std::mt19937_64 random(7);
  for (int32_t trial = 0; trial < 40; ++trial) {
    const double increment = logUniform(random, 0.003, 0.05);
    const double start = std::uniform_real_distribution<double>(0.0, 1024.0)(random);
    ASSERT_TRUE(walksAgree(start, increment, static_cast<int32_t>(1100.0 / increment)));
  }
}

// An increment whose lowest bit lies half a grid step below the grid of one binade rounds up or down
// by the phase's parity there: every binade of the bar, with its tie increment.
TEST(TableWalk, MatchesFrameByFrameWalkWhenAdditionsTie) {
  std::mt19937_64 random(11);
  for (int32_t binade = 0; binade < 10; ++binade) {
    for (const double approximate : {0.0116, 0.37, 3.0e-5}) {
      const double halfStep = std::ldexp(1.0, binade - 53);
      const double increment = (std::floor(approximate / halfStep / 2.0) * 2.0 + 1.0) * halfStep;
      const double low = std::ldexp(1.0, binade);
      for (int32_t start = 0; start < 20; ++start) {
        const double phase = std::uniform_real_distribution<double>(low, 2.0 * low)(random);
        ASSERT_TRUE(walksAgree(phase, increment, 4096)) << "binade " << binade;
      }
    }
  }
}

TEST(TableWalk, MatchesFrameByFrameWalkAtTheLimits) {
  const double increments[] = {1e-300, 1e-14,   1.1e-13, 1e-9,   0.25,    0.5,   1.0,
                               1.5,    511.999, 512.0,   1000.0, 1023.75, 1024.0};
  const double phases[] = {0.0,   1e-300, 0.999999,        1.0,   1.0 - 1e-16, 63.999999999, 64.0,
                           511.5, 1023.0, 1023.9999999999, 1024.0};
  for (const double increment : increments)
    for (const double phase : phases)
      for (const int32_t frames : {1, 2, 3, 100, 3000})
        for (const int32_t capacity : {1, 2, 64})
          ASSERT_TRUE(walksAgree(phase, increment, frames, capacity)) << frames << " frames";
}

TEST(TableWalk, LandingOnTheBarsEndReadsEntry1024Once) {
  const Walked walked = walkInRuns(1023.0, 0.5, 4);
  const std::vector<int32_t> expected = {1023, 1023, 1024, 0};
  EXPECT_EQ(walked.indices, expected);
}

TEST(TableWalk, ReadsEachEntryForAsManyFramesAsItLasts) {
  // 64 frames per table point: every run but the cut ones is 64 frames long.
  TableWalk walk(10.0, 1.0 / 64.0);
  TableWalk::Run runs[3];
  ASSERT_EQ(walk.walk(runs, 3, 133), 3);
  EXPECT_EQ(runs[0].index, 10);
  EXPECT_EQ(runs[0].frames, 64);
  EXPECT_EQ(runs[1].index, 11);
  EXPECT_EQ(runs[1].frames, 64);
  EXPECT_EQ(runs[2].index, 12);
  EXPECT_EQ(runs[2].frames, 5); // the frames ran out
  ASSERT_EQ(walk.walk(runs, 1, 1000), 1);
  EXPECT_EQ(runs[0].index, 12);
  EXPECT_EQ(runs[0].frames, 59);
}
