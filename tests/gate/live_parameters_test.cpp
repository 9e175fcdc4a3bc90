// Checks that a followed gain table is always the table of the values written before the look, that it
// is built again only after a write (one of the value held too, and across the count's wrap), that writes
// outside the 34 parameters count for nothing, and that a build on another thread sees every value its
// count of writes includes.
#include <gtest/gtest.h>

#include <atomic>
#include <cstring>
#include <thread>

#include "gate/live_parameters.h"

namespace {

bool isTableOf(const GainTable& table, const LiveParameters& live) {
  GainTable expected;
  buildGainTable(expected, live.values());
  return std::memcmp(&table, &expected, sizeof table) == 0;
}

} // namespace

TEST(FollowedGainTable, IsTheTableOfTheValuesWrittenBeforeEachLook) {
  struct Write {
    int32_t index;
    float value;
    bool counts;
  };
  const Write writes[] = {
      {FirstStepLevel + 3, 0.75f, true}, {BarWidthParameter, 0.5f, true},   {BarWidthParameter, 0.5f, true},
      {InterpolParameter, 0.3f, true},   {FirstStepSwitch + 3, 0.0f, true}, {-1, 1.0f, false},
      {GateParameterCount, 1.0f, false}, {FirstStepLevel + 15, 2.0f, true}, {FirstStepLevel, -1.0f, true},
  };
  // From the start, and from two writes before the count wraps round to 0.
  for (const uint32_t writesBefore : {0u, 0xFFFFFFFEu}) {
    LiveParameters live(writesBefore);
    FollowedGainTable followed(live);
    EXPECT_TRUE(followed.isStale(live));
    EXPECT_TRUE(isTableOf(followed.follow(live), live));
    for (const Write& write : writes) {
      const uint32_t before = live.generation();
      live.write(write.index, write.value);
      EXPECT_EQ(live.generation() - before, write.counts ? 1u : 0u) << write.index;
      EXPECT_EQ(followed.isStale(live), write.counts) << writesBefore << ": " << write.index;
      EXPECT_EQ(live.read(write.index), write.counts ? write.value : 0.0f) << write.index;
      EXPECT_TRUE(isTableOf(followed.follow(live), live)) << write.index;
      EXPECT_FALSE(followed.isStale(live)) << write.index;
    }
  }
}

TEST(LiveParameters, ABuildSeesEveryValueItsCountOfWritesIncludes) {
  // Write n stores n steps of 2^-20: a build that counts n writes must read at least that much. A count
  // raised before its value is stored would let a build keep the old value for good.
  constexpr int32_t kWrites = 200000;
  constexpr float kStep = 0x1p-20f;
  LiveParameters live;
  std::atomic<bool> reading{false}, done{false};
  int32_t behind = 0, looks = 0;
  std::thread writer([&] {
    while (!reading.load()) std::this_thread::yield();
    for (int32_t n = 1; n <= kWrites; ++n) live.write(FirstStepLevel, static_cast<float>(n) * kStep);
    done = true;
  });
  reading = true;
  while (!done.load()) {
    const uint32_t counted = live.generation();
    behind += live.values().levels[0] < static_cast<float>(counted) * kStep ? 1 : 0;
    ++looks;
  }
  writer.join();
  EXPECT_EQ(behind, 0) << "of " << looks << " looks";
}
