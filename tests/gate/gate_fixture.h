// Shared set-up for the gate's tests: a gate on a time host, stereo buffers and a way to set a pattern.
#pragma once

#include <memory>
#include <vector>

#include "gate/pattern.h"
#include "gate/step_gate.h"
#include "tests/gate/time_host.h"

struct StereoBlock {
  explicit StereoBlock(int32_t frames, float fill = 0.0f);
  // Taken afresh on every call, so a copied block hands out its own buffers.
  float** pointers() {
    channels[0] = left.data();
    channels[1] = right.data();
    return channels;
  }
  std::vector<float> left;
  std::vector<float> right;
  float* channels[2] = {};
};

// Random samples in -1 to 1, different for each seed.
StereoBlock noiseBlock(int32_t frames, uint32_t seed);

// All levels 1, all switches on, no shift, no smoothing: a table of ones.
Pattern flatPattern();
// Writes all 34 values through the host's parameter entry.
void applyPattern(StepGate& gate, const Pattern& pattern);

std::unique_ptr<StepGate> makeGate(const TimeHost& host);
