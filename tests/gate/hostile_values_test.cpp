// Checks that whatever values a careless host writes (NaN, infinities, huge, negative, subnormal), the
// gate's table and both processing entries give finite sound with no subnormal samples.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

#include "host/opcodes.h"
#include "tests/gate/gate_fixture.h"

namespace {

const float kHostileValues[] = {std::numeric_limits<float>::quiet_NaN(),
                                std::numeric_limits<float>::infinity(),
                                -std::numeric_limits<float>::infinity(),
                                std::numeric_limits<float>::max(),
                                1.0e30f,
                                -1.0f,
                                2.0f,
                                std::numeric_limits<float>::min(),
                                std::numeric_limits<float>::denorm_min()};

bool clean(const std::vector<float>& samples) {
  for (const float sample : samples)
    if (!std::isfinite(sample) || std::fpclassify(sample) == FP_SUBNORMAL) return false;
  return true;
}

} // namespace

TEST(HostileValues, LevelsOutsideZeroToOnePlayAsGainsWithinIt) {
  TimeHost host;
  const HostTimeInfo time = timeAt(44100.0, 0.0, 120.0);
  host.answerTime(&time);
  for (const float value : kHostileValues) {
    std::unique_ptr<StepGate> gate = makeGate(host);
    for (int32_t step = 0; step < 16; step += 2) gate->writeParameter(FirstStepLevel + step, value);
    // The parameter keeps what was written; only the sound is bounded.
    const float read = gate->readParameter(0);
    EXPECT_EQ(std::memcmp(&value, &read, sizeof value), 0);
    GainTable table;
    gate->copyGainTable(table);
    for (const float gain : table) {
      EXPECT_TRUE(gain == 0.0f || (gain >= kSilentGain && gain <= 1.0f)) << value << " gave " << gain;
    }
    StereoBlock block = noiseBlock(88200, 7);
    gate->processOverwriting(block.pointers(), block.pointers(), 88200);
    EXPECT_TRUE(clean(block.left) && clean(block.right)) << value;
  }
}

TEST(HostileValues, BarWidthOutsideZeroToOneKeepsTheDelayedSoundFinite) {
  TimeHost host;
  for (const float value : kHostileValues) {
    std::unique_ptr<StepGate> gate = makeGate(host);
    gate->writeParameter(BarWidthParameter, value);
    StereoBlock input = noiseBlock(50000, 3);
    StereoBlock output = noiseBlock(50000, 4);
    gate->processAccumulating(input.pointers(), output.pointers(), 50000);
    EXPECT_TRUE(clean(output.left) && clean(output.right)) << value;
    const intptr_t meter = gate->handleOpcode(static_cast<int32_t>(Opcode::MeterLevel), 0, 0, nullptr, 0.0f);
    EXPECT_TRUE(meter >= 0 && meter <= 32767) << value << " gave the meter " << meter;
  }
}

// One full step in silence, smoothed 100 times, spreads into gains far below anything audible; played on
// loud noise they must not leave subnormal samples behind.
TEST(HostileValues, SmoothedEdgesLeaveNoSubnormalSamples) {
  TimeHost host;
  const HostTimeInfo time = timeAt(44100.0, 0.0, 120.0);
  host.answerTime(&time);
  std::unique_ptr<StepGate> gate = makeGate(host);
  Pattern pattern = flatPattern();
  for (float& level : pattern.levels) level = 0.0f;
  pattern.levels[8] = 1.0f;
  pattern.interpol = 1.0f;
  applyPattern(*gate, pattern);
  StereoBlock block = noiseBlock(88200, 11);
  gate->processOverwriting(block.pointers(), block.pointers(), 88200);
  EXPECT_TRUE(clean(block.left) && clean(block.right));
}
