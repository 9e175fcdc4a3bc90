// Measures the gate's overwriting entry against a plain constant-gain multiply of the same buffers, the
// gain table build against the serial loop of the same smoothing it replaces, and a short block with and
// without the rebuild a parameter write brings; prints the figures and ratios from one run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gate/gain_table.h"
#include "gate/step_gate.h"

namespace {

constexpr int32_t kBlockFrames = 512;
constexpr int32_t kSmallBlockFrames = 64;
constexpr double kSampleRate = 44100.0;
constexpr double kTempo = 120.0;

HostTimeInfo hostTime{};

intptr_t PLUGIN_CDECL answerTime(PluginRecord*, int32_t request, int32_t, intptr_t, void*, float) {
  return request == static_cast<int32_t>(HostRequest::TimeInfo) ? reinterpret_cast<intptr_t>(&hostTime) : 0;
}

struct Buffers {
  Buffers() : left(kBlockFrames), right(kBlockFrames), outLeft(kBlockFrames), outRight(kBlockFrames) {
    for (int32_t k = 0; k < kBlockFrames; ++k) {
      left[k] = static_cast<float>(k % 97) / 97.0f - 0.5f;
      right[k] = static_cast<float>(k % 89) / 89.0f - 0.5f;
    }
    inputs[0] = left.data();
    inputs[1] = right.data();
    outputs[0] = outLeft.data();
    outputs[1] = outRight.data();
  }
  std::vector<float> left, right, outLeft, outRight;
  float* inputs[2];
  float* outputs[2];
};

// The worst table build: Smooth 1.0 (100 passes) over a pattern whose every step differs from the one
// before, in level or length, so every pass has edges to round everywhere. Program 3 of the bank is of
// this kind, with less smoothing.
Pattern changingPattern(float interpol) {
  Pattern pattern{};
  for (int32_t step = 0; step < kStepCount; ++step) {
    pattern.levels[step] = step % 3 == 1 ? 0.0f : 1.0f - 0.03f * static_cast<float>(step);
    pattern.switches[step] = step % 4 == 2 ? 0.0f : 1.0f;
  }
  pattern.interpol = interpol;
  return pattern;
}

std::unique_ptr<StepGate> gateWith(const Pattern& pattern) {
  auto gate = std::make_unique<StepGate>(&answerTime);
  for (int32_t index = 0; index < GateParameterCount; ++index) gate->writeParameter(index, pattern[index]);
  hostTime.sampleRate = kSampleRate;
  hostTime.tempo = kTempo;
  hostTime.quarterNotePosition = 0.0;
  return gate;
}

void ProcessOverwriting(benchmark::State& state) {
  auto gate = gateWith(changingPattern(0.5f));
  Buffers buffers;
  const double quartersPerBlock = kBlockFrames * kTempo / (60.0 * kSampleRate);
  for (auto _ : state) {
    gate->processOverwriting(buffers.inputs, buffers.outputs, kBlockFrames);
    hostTime.quarterNotePosition += quartersPerBlock;
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBlockFrames);
}

// A 64-frame block, the shortest period hosts run (1.33 ms at 48 kHz), at Smooth 1.0: with a parameter
// written before every block, so the block rebuilds its table first, or with none.
void smallBlocks(benchmark::State& state, bool written) {
  auto gate = gateWith(changingPattern(1.0f));
  Buffers buffers;
  const double quartersPerBlock = kSmallBlockFrames * kTempo / (60.0 * kSampleRate);
  float level = 0.5f;
  for (auto _ : state) {
    if (written) gate->writeParameter(FirstStepLevel, level = 1.5f - level);
    gate->processOverwriting(buffers.inputs, buffers.outputs, kSmallBlockFrames);
    hostTime.quarterNotePosition += quartersPerBlock;
    benchmark::ClobberMemory();
  }
}

void SmallBlockWithRebuild(benchmark::State& state) { smallBlocks(state, true); }
void SmallBlockWithoutRebuild(benchmark::State& state) { smallBlocks(state, false); }

void PlainMultiply(benchmark::State& state) {
  Buffers buffers;
  float gain = 0.7f;
  for (auto _ : state) {
    benchmark::DoNotOptimize(gain);
    for (int32_t channel = 0; channel < 2; ++channel) {
      const float* in = buffers.inputs[channel];
      float* out = buffers.outputs[channel];
      for (int32_t k = 0; k < kBlockFrames; ++k) out[k] = in[k] * gain;
    }
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kBlockFrames);
}

void BuildGainTable(benchmark::State& state) {
  const Pattern pattern = changingPattern(1.0f);
  GainTable table;
  for (auto _ : state) {
    buildGainTable(table, pattern);
    benchmark::DoNotOptimize(table.data());
    benchmark::ClobberMemory();
  }
}

// Before: the 100 serial passes of 1023 three-point averages on the same laid-out pattern, and nothing else.
void BareSmoothingLoop(benchmark::State& state) {
  GainTable start;
  buildGainTable(start, changingPattern(0.0f));
  GainTable table;
  for (auto _ : state) {
    table = start;
    for (int32_t pass = 0; pass < kMaxSmoothingPasses; ++pass)
      for (int32_t j = 1; j < kBarPoints; ++j)
        table[j] = static_cast<float>(((static_cast<double>(table[j]) + static_cast<double>(table[j + 1])) +
                                       static_cast<double>(table[j - 1])) /
                                      3.0);
    benchmark::DoNotOptimize(table.data());
    benchmark::ClobberMemory();
  }
}

// Prints the usual table and keeps each benchmark's fastest repetition (CPU time per iteration) for the
// ratios: on a busy machine other work only ever adds time, so the minimum is the steadiest figure.
class RatioReporter : public benchmark::ConsoleReporter {
public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "min")
        times[run.run_name.function_name] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> times; // in each benchmark's own unit
};

} // namespace

constexpr int kRepetitions = 15;

double fastest(const std::vector<double>& times) { return *std::min_element(times.begin(), times.end()); }

void repeated(benchmark::internal::Benchmark* bench) {
  bench->Repetitions(kRepetitions)->ComputeStatistics("min", fastest)->DisplayAggregatesOnly();
}

BENCHMARK(ProcessOverwriting)->Apply(repeated)->Unit(benchmark::kNanosecond);
BENCHMARK(PlainMultiply)->Apply(repeated)->Unit(benchmark::kNanosecond);
BENCHMARK(BuildGainTable)->Apply(repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareSmoothingLoop)->Apply(repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(SmallBlockWithRebuild)->Apply(repeated)->Unit(benchmark::kMicrosecond);
BENCHMARK(SmallBlockWithoutRebuild)->Apply(repeated)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const auto& times = reporter.times;
  if (times.count("ProcessOverwriting") && times.count("PlainMultiply")) {
    const double gate = times.at("ProcessOverwriting") / kBlockFrames;
    const double plain = times.at("PlainMultiply") / kBlockFrames;
    std::printf("\nprocessOverwriting, %d-frame stereo blocks: %.3f ns per frame\n", kBlockFrames, gate);
    std::printf("plain constant-gain multiply, same buffers: %.3f ns per frame\n", plain);
    std::printf("ratio: %.2f (goal: at most 1.5)\n", gate / plain);
  }
  if (times.count("BuildGainTable") && times.count("BareSmoothingLoop")) {
    const double build = times.at("BuildGainTable");
    const double bare = times.at("BareSmoothingLoop");
    std::printf("\nbuildGainTable(table, pattern), Smooth 1.0, every step changed: %.1f us\n", build);
    std::printf("before: a bare serial loop of the same 100 x 1023 averages: %.1f us\n", bare);
    std::printf("ratio: %.2f (goal: the build at most 150 us)\n", build / bare);
  }
  if (times.count("SmallBlockWithRebuild") && times.count("SmallBlockWithoutRebuild")) {
    std::printf("\n%d-frame block after a parameter write (rebuild at Smooth 1.0): %.2f us\n",
                kSmallBlockFrames, times.at("SmallBlockWithRebuild"));
    std::printf("%d-frame block without a write: %.2f us (a period at 48 kHz: 1333 us)\n", kSmallBlockFrames,
                times.at("SmallBlockWithoutRebuild"));
  }
  benchmark::Shutdown();
  return 0;
}
