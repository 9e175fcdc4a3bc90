// Checks the gate's overwriting entry against the per-frame reference and the host's time values, and
// the accumulating entry's delay line and meter.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <random>

#include "host/opcodes.h"
#include "tests/gate/gate_fixture.h"
#include "tests/gate/reference_walk.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Step s has level (s + 1) / 16: each step's gain names it.
Pattern staircase() {
  Pattern pattern = flatPattern();
  for (int32_t step = 0; step < 16; ++step) pattern.levels[step] = static_cast<float>(step + 1) / 16.0f;
  return pattern;
}

float levelOfStep(int32_t step) { return static_cast<float>(step + 1) / 16.0f; }

Pattern randomPattern(std::mt19937& random) {
  std::uniform_real_distribution<float> unit(0.0f, 1.0f);
  Pattern pattern{};
  for (int32_t step = 0; step < 16; ++step) {
    pattern.levels[step] = unit(random);
    pattern.switches[step] = random() % 2 == 0 ? 0.0f : 1.0f;
  }
  pattern.barWidth = unit(random);
  pattern.interpol = unit(random) * 0.3f;
  return pattern;
}

// The phase and increment as the frame-by-frame gate computes them.
void referencePhase(const HostTimeInfo& time, double& phase, double& increment) {
  increment = 1024.0 / ((15.0 / time.tempo) * time.sampleRate * 16.0);
  const double bars = time.quarterNotePosition / 4.0;
  phase = (bars - std::floor(bars)) * 1024.0;
}

bool sameBits(const std::vector<float>& a, const std::vector<float>& b) {
  return a.size() == b.size() && std::memcmp(a.data(), b.data(), a.size() * sizeof(float)) == 0;
}

} // namespace

TEST(StepGateOverwriting, MatchesFrameByFrameReferenceBitForBit) {
  TimeHost host;
  auto gate = makeGate(host);
  std::mt19937 random(4711);
  std::uniform_real_distribution<double> tempo(30.0, 300.0);
  std::uniform_real_distribution<double> position(-8.0, 5000.0);
  const double rates[] = {22050.0, 44100.0, 48000.0, 96000.0, 12345.678};
  for (int32_t trial = 0; trial < 300; ++trial) {
    if (trial % 30 == 0) applyPattern(*gate, randomPattern(random));
    GainTable table;
    gate->copyGainTable(table);
    const HostTimeInfo time = timeAt(rates[random() % 5], position(random), tempo(random));
    host.answerTime(&time);
    const int32_t frames = 1 + static_cast<int32_t>(random() % 4096);
    StereoBlock input = noiseBlock(frames, static_cast<uint32_t>(trial));
    StereoBlock output(frames, 9.0f);
    StereoBlock expected(frames);
    double phase, increment;
    referencePhase(time, phase, increment);
    referenceGate(table, phase, increment, input.pointers(), expected.pointers(), frames);

    gate->processOverwriting(input.pointers(), output.pointers(), frames);
    ASSERT_TRUE(sameBits(output.left, expected.left)) << "trial " << trial;
    ASSERT_TRUE(sameBits(output.right, expected.right)) << "trial " << trial;

    // In place, as hosts often call it.
    gate->processOverwriting(input.pointers(), input.pointers(), frames);
    ASSERT_TRUE(sameBits(input.left, expected.left)) << "trial " << trial;
    ASSERT_TRUE(sameBits(input.right, expected.right)) << "trial " << trial;
  }
}

TEST(StepGateOverwriting, Tempo120At44100PlaysABarIn88200Frames) {
  TimeHost host;
  auto gate = makeGate(host);
  applyPattern(*gate, staircase());
  const HostTimeInfo time = timeAt(44100.0, 0.0, 120.0);
  host.answerTime(&time);
  StereoBlock input(88201, 1.0f);
  StereoBlock output(88201);
  gate->processOverwriting(input.pointers(), output.pointers(), 88201);
  // 5512.5 frames per step: frame 5512 is the last of step 1, frame 44100 starts step 9 (taken one frame
  // later, clear of the rounding of 44100 additions).
  EXPECT_EQ(output.left[0], levelOfStep(15)); // entry 0 holds step 16's exchanged last point
  EXPECT_EQ(output.left[5512], levelOfStep(0));
  EXPECT_EQ(output.left[5513], levelOfStep(1));
  EXPECT_EQ(output.left[44099], levelOfStep(7));
  EXPECT_EQ(output.right[44101], levelOfStep(8));
  EXPECT_EQ(output.left[88199], levelOfStep(0)); // entry 1023 holds the exchanged first point
}

TEST(StepGateOverwriting, PlaysEveryParameterWhereItsNumberSays) {
  TimeHost host;
  auto gate = makeGate(host);
  PluginRecord* record = gate->record();
  // Levels that name their steps, the odd steps short, a shift of half a step and no smoothing, written as
  // a host writes them: any two numbers mixed up play another level, a full odd step, or an unshifted,
  // smoothed bar.
  for (int32_t step = 0; step < 16; ++step) {
    record->writeParameterFn(record, FirstStepLevel + step, levelOfStep(step));
    record->writeParameterFn(record, FirstStepSwitch + step, step % 2 == 0 ? 1.0f : 0.0f);
  }
  record->writeParameterFn(record, InterpolParameter, 0.0f);
  record->writeParameterFn(record, BarWidthParameter, 0.5f);
  // One frame of input 1 in the middle of the table entry.
  const auto played = [&](int32_t entry) {
    const HostTimeInfo time = timeAt(44100.0, (entry + 0.5) / 256.0, 120.0);
    host.answerTime(&time);
    StereoBlock block(1, 1.0f);
    gate->processOverwriting(block.pointers(), block.pointers(), 1);
    return block.left[0];
  };
  EXPECT_EQ(played(16), 0.0f); // before the shifted bar
  for (int32_t step = 0; step < 15; ++step) {
    EXPECT_EQ(played(64 * step + 32 + 10), levelOfStep(step)) << step;
    EXPECT_EQ(played(64 * step + 32 + 50), step % 2 == 0 ? levelOfStep(step) : 0.0f) << step;
  }
}

TEST(StepGateOverwriting, PositionSixQuarterNotesStartsAtStepNine) {
  TimeHost host;
  auto gate = makeGate(host);
  applyPattern(*gate, staircase());
  const HostTimeInfo time = timeAt(44100.0, 6.0, 120.0);
  host.answerTime(&time);
  StereoBlock input(4, 1.0f);
  StereoBlock output(4);
  gate->processOverwriting(input.pointers(), output.pointers(), 4);
  EXPECT_EQ(output.left[0], levelOfStep(8));
  EXPECT_EQ(output.right[0], levelOfStep(8));
}

TEST(StepGateOverwriting, BlockAcrossTheBarLineContinuesAtTheBarsStart) {
  TimeHost host;
  auto gate = makeGate(host);
  applyPattern(*gate, staircase());
  // 100 frames before the bar line at 120 beats per minute.
  const HostTimeInfo time = timeAt(44100.0, 4.0 - 100.0 / 22050.0, 120.0);
  host.answerTime(&time);
  StereoBlock input(300, 1.0f);
  StereoBlock output(300);
  gate->processOverwriting(input.pointers(), output.pointers(), 300);
  EXPECT_EQ(output.left[0], levelOfStep(15));
  EXPECT_EQ(output.left[299], levelOfStep(0));
}

TEST(StepGateOverwriting, CountInPlaysThePatternOfTheBarBeforeTheSong) {
  TimeHost host;
  auto gate = makeGate(host);
  std::mt19937 random(3);
  applyPattern(*gate, randomPattern(random));
  const StereoBlock input = noiseBlock(3000, 1);
  for (const double before : {-1.0, -0.25, -7.5, -4.0e9 + 0.5}) {
    const HostTimeInfo countIn = timeAt(44100.0, before, 133.0);
    const HostTimeInfo later = timeAt(44100.0, before - 4.0 * std::floor(before / 4.0), 133.0);
    StereoBlock a = input, b = input;
    host.answerTime(&countIn);
    gate->processOverwriting(a.pointers(), a.pointers(), 3000);
    host.answerTime(&later);
    gate->processOverwriting(b.pointers(), b.pointers(), 3000);
    EXPECT_TRUE(sameBits(a.left, b.left)) << before;
    EXPECT_TRUE(sameBits(a.right, b.right)) << before;
  }
}

TEST(StepGateOverwriting, FlatPatternCopiesInputToOutput) {
  TimeHost host;
  auto gate = makeGate(host);
  applyPattern(*gate, flatPattern());
  const HostTimeInfo time = timeAt(48000.0, 13.3, 97.0);
  host.answerTime(&time);
  StereoBlock input = noiseBlock(2048, 5);
  StereoBlock output(2048);
  gate->processOverwriting(input.pointers(), output.pointers(), 2048);
  EXPECT_TRUE(sameBits(output.left, input.left));
  EXPECT_TRUE(sameBits(output.right, input.right));
}

TEST(StepGateOverwriting, WithoutUsableTimeCopiesInputUnchanged) {
  const HostTimeInfo unusable[] = {
      timeAt(44100.0, 0.0, 0.0),
      timeAt(44100.0, 0.0, -120.0),
      timeAt(44100.0, 0.0, kNaN),
      timeAt(44100.0, 0.0, kInfinity),
      timeAt(0.0, 0.0, 120.0),
      timeAt(-44100.0, 0.0, 120.0),
      timeAt(kNaN, 0.0, 120.0),
      timeAt(kInfinity, 0.0, 120.0),
      timeAt(44100.0, kNaN, 120.0),
      timeAt(44100.0, kInfinity, 120.0),
      timeAt(44100.0, -kInfinity, 120.0),
      timeAt(1.0, 0.0, 1.0e12), // a bar shorter than one frame
  };
  TimeHost host;
  auto gate = makeGate(host);
  applyPattern(*gate, staircase());
  const StereoBlock input = noiseBlock(700, 9);
  for (const HostTimeInfo& time : unusable) {
    host.answerTime(&time);
    StereoBlock output(700, 5.0f);
    StereoBlock in = input;
    gate->processOverwriting(in.pointers(), output.pointers(), 700);
    EXPECT_TRUE(sameBits(output.left, input.left)) << time.sampleRate << " " << time.tempo;
    EXPECT_TRUE(sameBits(output.right, input.right)) << time.sampleRate << " " << time.tempo;
  }
  host.answerTime(nullptr);
  StereoBlock in = input;
  StereoBlock output(700, 5.0f);
  gate->processOverwriting(in.pointers(), output.pointers(), 700);
  EXPECT_TRUE(sameBits(output.left, input.left));
  EXPECT_TRUE(sameBits(output.right, input.right));
}

TEST(StepGateOverwriting, AsksTheHostForTheTimeOncePerBlock) {
  TimeHost host;
  auto gate = makeGate(host);
  const HostTimeInfo time = timeAt(44100.0, 1.0, 120.0);
  host.answerTime(&time);
  host.resetCounts();
  StereoBlock block(5000, 1.0f);
  gate->processOverwriting(block.pointers(), block.pointers(), 5000);
  EXPECT_EQ(host.timeRequests(), 1);
  EXPECT_EQ(host.lastTimeMask(), kTimeInfoMask);
  EXPECT_EQ(host.otherRequests(), 0);
}

TEST(StepGateAudio, NullBuffersOrNoFramesProcessNothing) {
  TimeHost host;
  auto gate = makeGate(host);
  gate->writeParameter(BarWidthParameter, 1.0f);
  // A full line, so an accumulating call that ran would change the outputs.
  StereoBlock ones(kDelaySize, 1.0f);
  StereoBlock sink(kDelaySize, 0.0f);
  gate->processAccumulating(ones.pointers(), sink.pointers(), kDelaySize);
  const HostTimeInfo time = timeAt(44100.0, 1.0, 120.0);
  host.answerTime(&time);
  StereoBlock input(64, 1.0f);
  StereoBlock output(64, 7.0f);
  float* halfInputs[2] = {input.left.data(), nullptr};
  float* halfOutputs[2] = {output.left.data(), nullptr};
  struct Case {
    float** inputs;
    float** outputs;
    int32_t frames;
  };
  const Case cases[] = {{nullptr, output.pointers(), 64},         {input.pointers(), nullptr, 64},
                        {halfInputs, output.pointers(), 64},      {input.pointers(), halfOutputs, 64},
                        {input.pointers(), output.pointers(), 0}, {input.pointers(), output.pointers(), -64}};
  host.resetCounts();
  for (const Case& c : cases) {
    gate->processOverwriting(c.inputs, c.outputs, c.frames);
    if (c.inputs != halfInputs) gate->processAccumulating(c.inputs, c.outputs, c.frames);
  }
  EXPECT_EQ(host.timeRequests(), 0);
  EXPECT_EQ(output.left, std::vector<float>(64, 7.0f));
  EXPECT_EQ(output.right, std::vector<float>(64, 7.0f));
}

TEST(StepGateAccumulating, AddsTheLeftInputOfOneSecondEarlierScaledByBarWidth) {
  TimeHost host;
  auto gate = makeGate(host);
  gate->writeParameter(BarWidthParameter, 0.5f);
  StereoBlock first = noiseBlock(kDelaySize, 21);
  StereoBlock out(kDelaySize, 0.25f);
  gate->processAccumulating(first.pointers(), out.pointers(), kDelaySize);
  EXPECT_EQ(out.left, std::vector<float>(kDelaySize, 0.25f)); // the line starts silent
  EXPECT_EQ(out.right, std::vector<float>(kDelaySize, 0.25f));

  StereoBlock second = noiseBlock(kDelaySize, 22);
  StereoBlock out2(kDelaySize, 0.25f);
  gate->processAccumulating(second.pointers(), out2.pointers(), kDelaySize);
  for (int32_t k = 0; k < kDelaySize; k += 997) {
    EXPECT_EQ(out2.left[k], 0.25f + 0.5f * first.left[k]) << k;
    EXPECT_EQ(out2.right[k], 0.25f + 0.5f * first.left[k]) << k; // the right input is never used
  }
}

TEST(StepGateAccumulating, BarWidthZeroAddsSilenceButStillFeedsTheLine) {
  TimeHost host;
  auto gate = makeGate(host);
  gate->writeParameter(BarWidthParameter, 0.0f);
  StereoBlock first = noiseBlock(kDelaySize, 31);
  StereoBlock out(kDelaySize, 0.0f);
  gate->processAccumulating(first.pointers(), out.pointers(), kDelaySize);
  gate->writeParameter(BarWidthParameter, 1.0f);
  StereoBlock out2(10, 0.0f);
  gate->processAccumulating(first.pointers(), out2.pointers(), 10);
  EXPECT_EQ(out.left, std::vector<float>(kDelaySize, 0.0f));
  for (int32_t k = 0; k < 10; ++k) EXPECT_EQ(out2.left[k], first.left[k]);
}

TEST(StepGateAccumulating, LongBlocksBehaveLikeTheSameFramesInShortBlocks) {
  TimeHost host;
  auto whole = makeGate(host);
  auto pieces = makeGate(host);
  whole->writeParameter(BarWidthParameter, 1.0f);
  pieces->writeParameter(BarWidthParameter, 1.0f);
  const int32_t total = 150000;
  StereoBlock input = noiseBlock(total, 41);
  StereoBlock wholeOut(total, 0.0f), piecesOut(total, 0.0f);
  for (int32_t done = 0; done < total; done += 50000) {
    float* in[2] = {input.left.data() + done, input.right.data() + done};
    float* out[2] = {wholeOut.left.data() + done, wholeOut.right.data() + done};
    whole->processAccumulating(in, out, 50000);
  }
  std::mt19937 random(5);
  for (int32_t done = 0; done < total;) {
    const int32_t frames = std::min<int32_t>(total - done, 1 + static_cast<int32_t>(random() % 2000));
    float* in[2] = {input.left.data() + done, input.right.data() + done};
    float* out[2] = {piecesOut.left.data() + done, piecesOut.right.data() + done};
    pieces->processAccumulating(in, out, frames);
    done += frames;
  }
  EXPECT_TRUE(sameBits(wholeOut.left, piecesOut.left));
  EXPECT_TRUE(sameBits(wholeOut.right, piecesOut.right));
  EXPECT_EQ(wholeOut.left[kDelaySize + 3], input.left[3]);
}

TEST(StepGateAccumulating, DeactivateSilencesTheLineWithoutMovingIt) {
  TimeHost host;
  auto gate = makeGate(host);
  gate->writeParameter(BarWidthParameter, 1.0f);
  StereoBlock input(kDelaySize, 0.75f);
  StereoBlock out(kDelaySize, 0.0f);
  gate->processAccumulating(input.pointers(), out.pointers(), 1000);
  gate->handleOpcode(static_cast<int32_t>(Opcode::Activation), 0, 0, nullptr, 0.0f);
  gate->processAccumulating(input.pointers(), out.pointers(), kDelaySize);
  EXPECT_EQ(out.left, std::vector<float>(kDelaySize, 0.0f));
  // The samples written after the clear come back exactly one line later.
  StereoBlock out2(1, 0.0f);
  gate->processAccumulating(input.pointers(), out2.pointers(), 1);
  EXPECT_EQ(out2.left[0], 0.75f);
}

TEST(StepGateMeter, ReportsThePeakOfTheScaledOutputOnceThenZero) {
  TimeHost host;
  auto gate = makeGate(host);
  gate->writeParameter(BarWidthParameter, 0.5f);
  StereoBlock input(kDelaySize, 0.0f);
  input.left[10] = 0.5f;
  input.left[20] = -0.9f; // only values added above the peak count
  StereoBlock out(kDelaySize, 0.0f);
  gate->processAccumulating(input.pointers(), out.pointers(), kDelaySize);
  EXPECT_EQ(gate->meterLevel(), 0.0f);
  gate->processAccumulating(input.pointers(), out.pointers(), 100);
  // What was added (BarWidth times the delayed 0.5), not the delayed input.
  EXPECT_EQ(gate->meterLevel(), 0.25f);
  EXPECT_EQ(gate->meterLevel(), 0.0f);
}

TEST(StepGateMeter, OverwritingNeverMovesTheMeter) {
  TimeHost host;
  auto gate = makeGate(host);
  const HostTimeInfo time = timeAt(44100.0, 0.0, 120.0);
  host.answerTime(&time);
  StereoBlock block(1000, 0.8f);
  gate->processOverwriting(block.pointers(), block.pointers(), 1000);
  EXPECT_EQ(gate->handleOpcode(static_cast<int32_t>(Opcode::MeterLevel), 0, 0, nullptr, 0.0f), 0);
}

TEST(StepGateMeter, LoudPeakSaturatesTheHostsAnswer) {
  TimeHost host;
  auto gate = makeGate(host);
  gate->writeParameter(BarWidthParameter, 1.0f);
  StereoBlock input(kDelaySize + 1, 0.0f);
  input.left[0] = 1.0e6f; // 1e6 × 32767 is beyond 32 bits
  StereoBlock out(kDelaySize + 1, 0.0f);
  gate->processAccumulating(input.pointers(), out.pointers(), kDelaySize + 1);
  EXPECT_EQ(gate->handleOpcode(static_cast<int32_t>(Opcode::MeterLevel), 0, 0, nullptr, 0.0f),
            std::numeric_limits<int32_t>::max());
}
