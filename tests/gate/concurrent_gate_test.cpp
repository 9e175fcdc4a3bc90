// Checks the gate under three threads at once, as hosts and the editor drive it: audio processing, a
// host thread writing parameters and selecting programs, and an editor thread writing the same parameters
// of the same program and following the table for its curve. Every block must hear one whole table. Then
// pairs of host threads racing each other: nothing a musician made may be lost or torn. Natively
// ThreadSanitizer watches the shared values.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <functional>
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

// Every value of every program differs from every other.
float programValue(int32_t program, int32_t index) {
  return static_cast<float>(program * GateParameterCount + index + 1) / 1024.0f;
}

const char* const kNames[] = {"Four on the floor, long", "Hat"};

// A name as the host fetches it: whole, old or new, and terminated within its 24 bytes.
bool fetchesAWholeName(StepGate& gate) {
  char text[64];
  std::memset(text, 'x', sizeof text);
  gate.handleOpcode(static_cast<int32_t>(Opcode::ProgramName), 0, 0, text, 0.0f);
  return std::memchr(text, '\0', kProgramNameSize) != nullptr &&
         (std::strcmp(text, kNames[0]) == 0 || std::strcmp(text, kNames[1]) == 0);
}

// A block of constant input whose delay line is cleared between blocks only hears silence, then the
// input once it comes round again: a clear in the middle of a block would fall back to silence.
bool accumulatesWithoutAClearInside(StepGate& gate) {
  StereoBlock input(512, 1.0f), output(512, 0.0f);
  gate.processAccumulating(input.pointers(), output.pointers(), 512);
  return std::is_sorted(output.left.begin(), output.left.end());
}

void loadPrograms(StepGate& gate) {
  for (int32_t program = 15; program >= 0; --program) {
    gate.selectProgram(program);
    Pattern pattern = flatPattern();
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
    FollowedGainTable curve(gate->live());
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

// Two host threads at once: side 1 runs its rounds while side 0 keeps going, so the two overlap for all
// of side 1's rounds. A side answers false for a round that went wrong; `holds` checks what is left.
TEST(ConcurrentGate, HostThreadsRacingEachOtherLoseNothing) {
  const struct {
    const char* what;
    int32_t rounds;
    std::function<void(StepGate&)> arrange;
    std::function<bool(StepGate&, int32_t)> sides[2];
    std::function<bool(StepGate&)> holds;
  } races[] = {
      {"two threads selecting programs",
       20000,
       [](StepGate& gate) {
         for (int32_t program = 0; program < 16; ++program) {
           gate.selectProgram(program);
           for (int32_t index = 0; index < GateParameterCount; ++index)
             gate.writeParameter(index, programValue(program, index));
         }
       },
       {[](StepGate& gate, int32_t n) { return gate.selectProgram(n % 2 == 0 ? 3 : 5), true; },
        [](StepGate& gate, int32_t n) { return gate.selectProgram(n % 2 == 0 ? 7 : 9), true; }},
       // No stored program changed, and every live value is the current program's.
       [](StepGate& gate) {
         for (int32_t program = 0; program < 16; ++program)
           for (int32_t index = 0; index < GateParameterCount; ++index)
             if (*gate.program(program).slotOf(index) != programValue(program, index)) return false;
         for (int32_t index = 0; index < GateParameterCount; ++index)
           if (gate.readParameter(index) != programValue(gate.currentProgram(), index)) return false;
         return true;
       }},
      {"a rename while names are fetched",
       50000,
       [](StepGate& gate) { gate.renameProgram(const_cast<char*>(kNames[0])); },
       {[](StepGate& gate, int32_t n) { return gate.renameProgram(const_cast<char*>(kNames[n % 2])), true; },
        [](StepGate& gate, int32_t) { return fetchesAWholeName(gate); }},
       [](StepGate& gate) { return fetchesAWholeName(gate); }},
      // Few rounds: each clear costs a second of samples, and ThreadSanitizer needs one overlap.
      {"a suspend while the accumulating entry plays",
       200,
       [](StepGate& gate) { gate.writeParameter(BarWidthParameter, 1.0f); },
       {[](StepGate& gate, int32_t) { return gate.deactivate(), true; },
        [](StepGate& gate, int32_t) { return accumulatesWithoutAClearInside(gate); }},
       [](StepGate&) { return true; }},
  };
  for (const auto& race : races) {
    TimeHost host;
    std::unique_ptr<StepGate> gate = makeGate(host);
    race.arrange(*gate);
    std::atomic<bool> started{false}, finished{false};
    std::atomic<int32_t> faults{0};
    std::thread first([&] {
      started = true;
      for (int32_t n = 0; !finished.load(); ++n)
        if (!race.sides[0](*gate, n)) ++faults;
    });
    while (!started.load()) std::this_thread::yield();
    for (int32_t n = 0; n < race.rounds; ++n)
      if (!race.sides[1](*gate, n)) ++faults;
    finished = true;
    first.join();
    EXPECT_EQ(faults.load(), 0) << race.what;
    EXPECT_TRUE(race.holds(*gate)) << race.what;
  }
}
