// Checks that table builds never disturb the table the audio thread plays, keep what a build leaves
// alone, flush silent gains, and hand over whole tables while builders and the audio thread run
// at the same time.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>
#include <thread>

#include "gate/published_gain_table.h"

namespace {

StepPattern uniform(float level, float barWidth = 0.0f) {
  StepPattern pattern{};
  for (int32_t step = 0; step < kStepCount; ++step) {
    pattern.levels[step] = level;
    pattern.switches[step] = 1.0f;
  }
  pattern.barWidth = barWidth;
  return pattern;
}

bool hasSilentGain(const GainTable& table) {
  for (const float gain : table)
    if (gain != 0.0f && std::fabs(gain) < kSilentGain) return true;
  return false;
}

} // namespace

TEST(PublishedGainTable, StartsSilent) {
  PublishedGainTable published;
  for (const float gain : published.acquire()) EXPECT_EQ(gain, 0.0f);
}

TEST(PublishedGainTable, ATablePlayingIsNeverRewrittenByLaterBuilds) {
  PublishedGainTable published;
  published.rebuild(uniform(0.25f));
  const GainTable& playing = published.acquire();
  ASSERT_EQ(playing[100], 0.25f);
  for (int32_t build = 0; build < 5; ++build) published.rebuild(uniform(0.5f + 0.1f * build));
  EXPECT_EQ(playing[100], 0.25f);
  EXPECT_EQ(playing[900], 0.25f);
  // The next block plays the newest build.
  EXPECT_FLOAT_EQ(published.acquire()[100], 0.9f);
}

TEST(PublishedGainTable, EntriesABuildLeavesAloneKeepTheNewestValues) {
  PublishedGainTable published;
  published.rebuild(uniform(0.5f, 1.0f));  // shifted: entries 1024 to 1087 hold the last step
  published.rebuild(uniform(0.75f, 0.0f)); // unshifted: they are left alone
  published.rebuild(uniform(1.0f, 0.0f));
  GainTable newest;
  published.copyNewest(newest);
  for (int32_t point = 1024; point < kGainTableSize; ++point) EXPECT_EQ(newest[point], 0.5f) << point;
  EXPECT_EQ(newest[500], 1.0f);
  EXPECT_EQ(std::memcmp(&newest, &published.acquire(), sizeof newest), 0);
}

TEST(PublishedGainTable, BuildsAreTheLayoutAndSmoothingOfTheNewestTable) {
  PublishedGainTable published;
  StepPattern first = uniform(0.0f, 0.3f);
  first.levels[3] = 1.0f;
  first.interpol = 0.2f;
  published.rebuild(first);
  StepPattern second = uniform(0.6f, 0.9f);
  second.switches[7] = 0.0f;
  second.interpol = 0.33f;
  GainTable expected;
  published.copyNewest(expected);
  layOutSteps(expected, second);
  smoothGainTable(expected, smoothingPasses(second.interpol));
  flushInaudibleGains(expected);
  published.rebuild(second);
  GainTable newest;
  published.copyNewest(newest);
  EXPECT_EQ(std::memcmp(&newest, &expected, sizeof newest), 0);
}

TEST(PublishedGainTable, PublishedTablesHoldNoSilentGains) {
  // One loud step in silence: 100 passes spread it into gains far below the smallest normal float.
  StepPattern pattern = uniform(0.0f);
  pattern.levels[0] = 1.0f;
  pattern.interpol = 1.0f;
  GainTable unflushed{};
  layOutSteps(unflushed, pattern);
  smoothGainTable(unflushed, 100);
  ASSERT_TRUE(hasSilentGain(unflushed));

  PublishedGainTable published;
  published.rebuild(pattern);
  const GainTable& playing = published.acquire();
  EXPECT_FALSE(hasSilentGain(playing));
  for (int32_t point = 0; point < kGainTableSize; ++point)
    if (std::fabs(unflushed[point]) >= kSilentGain) {
      EXPECT_EQ(playing[point], unflushed[point]) << point;
    }
}

// Two builders publish uniform tables while the audio side keeps taking tables: every table it gets
// is one whole build, never a mixture.
TEST(PublishedGainTable, AudioSideOnlyEverSeesWholeBuilds) {
  PublishedGainTable published;
  constexpr int32_t kBuildsEach = 400;
  std::atomic<int32_t> buildersDone{0};
  auto builder = [&](float base) {
    for (int32_t build = 0; build < kBuildsEach; ++build)
      published.rebuild(uniform(base + static_cast<float>(build) / 1024.0f));
    buildersDone.fetch_add(1);
  };
  std::thread first(builder, 0.0f);
  std::thread second(builder, 2.0f);
  int32_t torn = 0;
  int32_t blocks = 0;
  while (buildersDone.load() < 2 || blocks == 0) {
    const GainTable& table = published.acquire();
    for (int32_t point = 1; point < kBarPoints; ++point)
      if (table[point] != table[0]) {
        ++torn;
        break;
      }
    ++blocks;
  }
  first.join();
  second.join();
  EXPECT_EQ(torn, 0);
  GainTable newest;
  published.copyNewest(newest);
  EXPECT_EQ(published.acquire()[0], newest[0]);
  EXPECT_TRUE(newest[0] == (kBuildsEach - 1) / 1024.0f || newest[0] == 2.0f + (kBuildsEach - 1) / 1024.0f);
}
