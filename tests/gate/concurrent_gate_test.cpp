// Checks the gate under three threads at once, as hosts and the editor drive it: audio processing, a
// host thread writing parameters and selecting programs, and an editor thread writing the same parameters
// of the same program and following the table for its curve. Every block must hear one whole table;
// natively ThreadSanitizer watches the shared values.
#include <gtest/gtest.h>

#include <atomic>
#include <random>
#include <set>
#include <thread>

#include "host/opcodes.h"
#include "tests/gate/gate_fixture.h"

namespace {

// 120 beats per minute at 44100 Hz: a table point lasts 86.13 frames, a step 5512.5. A block of 4096
// frames that starts 4 points into a step ends inside the same step, away from its first and last point.
constexpr double kSampleRate = 44100.0;
constexpr double kTempo = 120.0;
constexpr int32_t kBlock = 4096;
constexpr double kStartPoint = 4.0;
constexpr int32_t kBlocks = 1500;

// Program p plays every step at level (p + 1) / 32: a whole table plays one level all through a step.
float programLevel(int32_t program) { return static_cast<float>(program + 1) / 32.0f; }

// A block of constant input played within one step hears one table when every sample carries the same
// gain, and that gain is one of the levels the programs hold: a half-built table shows as two gains, or as
// the zeros a build clears a step with before it fills it.
bool hearsOneWholeTable(const std::vector<float>& output, const std::set<float>& levels) {
  for (const float sample : output)
    if (sample != output.front()) return false;
  return levels.count(output.front()) != 0;
}

std::set<float> allLevels() {
  std::set<float> levels;
  for (int32_t program = 0; program < 16; ++program) levels.insert(programLevel(program));
  return levels;
}

void loadPrograms(StepGate& gate) {
  for (int32_t program = 15; program >= 0; --program) {
    gate.selectProgram(program);
    PatternValues pattern = flatPattern();
    for (float& level : pattern.levels) level = programLevel(program);
    applyPattern(gate, pattern);
  }
}

} // namespace

TEST(ConcurrentGate, OneTableCheckCatchesMixedAndHalfBuiltBlocks) {
  const std::set<float> levels = allLevels();
  std::vector<float> whole(64, programLevel(3));
  EXPECT_TRUE(hearsOneWholeTable(whole, levels));
  std::vector<float> mixed = whole;
  std::fill(mixed.begin() + 40, mixed.end(), programLevel(5));
  EXPECT_FALSE(hearsOneWholeTable(mixed, levels));
  std::vector<float> halfCleared = whole;
  halfCleared[10] = 0.0f;
  EXPECT_FALSE(hearsOneWholeTable(halfCleared, levels));
  EXPECT_FALSE(hearsOneWholeTable(std::vector<float>(64, 0.0f), levels));
}

TEST(ConcurrentGate, ProcessingHearsOnlyWholeTablesWhileTwoThreadsWrite) {
  TimeHost host;
  HostTimeInfo time = timeAt(kSampleRate, 0.0, kTempo);
  host.answerTime(&time);
  std::unique_ptr<StepGate> gate = makeGate(host);
  loadPrograms(*gate);
  const std::set<float> levels = allLevels();

  std::atomic<bool> audioDone{false};
  std::atomic<int32_t> programChanges{0}, editorWrites{0};
  std::thread writer([&] {
    std::mt19937 random(5);
    while (!audioDone.load()) {
      const int32_t program = static_cast<int32_t>(random() % 16);
      gate->handleOpcode(static_cast<int32_t>(Opcode::SelectProgram), 0, program, nullptr, 0.0f);
      // Host automation of one level, with a value the programs hold, and the meter as a host reads it.
      gate->writeParameter(static_cast<int32_t>(random() % 16),
                           programLevel(static_cast<int32_t>(random() % 16)));
      gate->writeParameter(BarWidthParameter, 0.0f);
      gate->handleOpcode(static_cast<int32_t>(Opcode::MeterLevel), 0, 0, nullptr, 0.0f);
      ++programChanges;
    }
  });
  // The editor's edits store into the same program record as the host's automation.
  std::thread editor([&] {
    std::mt19937 random(7);
    FollowedGainTable curve;
    while (!audioDone.load()) {
      gate->writeParameter(static_cast<int32_t>(random() % 16),
                           programLevel(static_cast<int32_t>(random() % 16)));
      curve.follow(gate->live());
      ++editorWrites;
    }
  });
  // The audio starts once both other threads are under way, so the blocks overlap their work.
  while (programChanges.load() == 0 || editorWrites.load() == 0) std::this_thread::yield();

  std::mt19937 random(9);
  StereoBlock block(kBlock);
  int32_t mixedBlocks = 0;
  for (int32_t n = 0; n < kBlocks; ++n) {
    const int32_t step = static_cast<int32_t>(random() % 16);
    time.quarterNotePosition = (step * 64 + kStartPoint) / 256.0;
    std::fill(block.left.begin(), block.left.end(), 1.0f);
    std::fill(block.right.begin(), block.right.end(), 1.0f);
    gate->processOverwriting(block.pointers(), block.pointers(), kBlock);
    if (!hearsOneWholeTable(block.left, levels) || block.left != block.right) ++mixedBlocks;
    // The accumulating entry shares BarWidth and the meter's peak with the other threads.
    gate->processAccumulating(block.pointers(), block.pointers(), 64);
  }
  audioDone = true;
  writer.join();
  editor.join();
  EXPECT_EQ(mixedBlocks, 0);
  EXPECT_GT(programChanges.load(), 1);
  EXPECT_GT(editorWrites.load(), 1);
}
