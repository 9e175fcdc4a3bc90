// StepGate's audio entries: the tempo-synchronised gate, the delay line and the meter. Both entries
// run on the host's audio thread: no allocation, no lock, no wait, one host request per gated block.
#include "gate/step_gate.h"

#include <cstring>

#include "gate/bar_phase.h"
#include "gate/table_walk.h"

namespace {

constexpr int32_t kRunsPerBatch = 64;

void scale(const float* in, float* out, int32_t frames, float gain) {
  for (int32_t k = 0; k < frames; ++k) out[k] = in[k] * gain;
}

void copy(const float* in, float* out, int32_t frames) {
  if (in != out) std::memmove(out, in, static_cast<size_t>(frames) * sizeof(float));
}

} // namespace

void StepGate::processOverwriting(float** inputs, float** outputs, int32_t frames) {
  if (inputs == nullptr || outputs == nullptr || frames <= 0) return;
  const float* in0 = inputs[0];
  const float* in1 = inputs[1];
  float* out0 = outputs[0];
  float* out1 = outputs[1];
  if (in0 == nullptr || in1 == nullptr || out0 == nullptr || out1 == nullptr) return;

  const HostTimeInfo* time = askHostTime(kTimeInfoMask);
  BarPhase phase;
  if (time == nullptr || !barPhaseOf(*time, phase)) {
    // Without a tempo there is nothing to gate by; what the outputs held before would be stale.
    copy(in0, out0, frames);
    copy(in1, out1, frames);
    return;
  }

  // Rebuilt here, at most once per block, when parameters were written since the last block: every block
  // plays exactly what was written before it began, whichever thread wrote it and whenever a window idles.
  const GainTable& table = playing_.follow(live_);
  TableWalk walk(phase.start, phase.increment);
  // The runs are counted ahead in a batch: their short chain of integer steps then overlaps the
  // multiplications instead of waiting between them.
  TableWalk::Run runs[kRunsPerBatch];
  for (int32_t done = 0; done < frames;) {
    const int32_t count = walk.walk(runs, kRunsPerBatch, frames - done);
    for (int32_t n = 0; n < count; ++n) {
      const float gain = table[runs[n].index];
      scale(in0 + done, out0 + done, runs[n].frames, gain);
      scale(in1 + done, out1 + done, runs[n].frames, gain);
      done += runs[n].frames;
    }
  }
}

// Not the gate: hosts that mix through the accumulating entry have always heard this delay, scaled by
// BarWidth's value, and the meter reads it; sessions made with it must sound the same.
void StepGate::processAccumulating(float** inputs, float** outputs, int32_t frames) {
  if (inputs == nullptr || outputs == nullptr || frames <= 0) return;
  const float* left = inputs[0];
  float* out0 = outputs[0];
  float* out1 = outputs[1];
  if (left == nullptr || out0 == nullptr || out1 == nullptr) return;

  // A plain load in the usual block; the exchange only when a clear is asked for.
  if (delayLineClearPending_.load(std::memory_order_relaxed) &&
      delayLineClearPending_.exchange(false, std::memory_order_relaxed))
    delayLine_.clear();
  const float peak =
      delayLine_.accumulate(left, out0, out1, frames, playableGain(live_.read(BarWidthParameter)));
  // Raise, never lower: the meter may have read and reset the peak meanwhile.
  float current = peakLevel_.load(std::memory_order_relaxed);
  while (peak > current && !peakLevel_.compare_exchange_weak(current, peak, std::memory_order_relaxed)) {}
}

float StepGate::meterLevel() { return peakLevel_.exchange(0.0f, std::memory_order_relaxed); }

void StepGate::deactivate() { delayLineClearPending_.store(true, std::memory_order_relaxed); }
