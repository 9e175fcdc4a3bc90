// LiveParameters: the gate's 34 parameter values as it plays them, shared by the threads that write them
// (host automation, the editor, program selection) and the threads that build tables from them (the audio
// thread, the editor's curve).
#pragma once

#include <array>
#include <atomic>
#include <cstdint>

#include "gate/gain_table.h"
#include "gate/gate_parameter.h"

// The hand-over, without a lock: a writer stores the value, then counts one more write in the generation
// (release). A builder that loads the generation (acquire) sees every value written before the writes it
// counts, so a table built after that load holds at least those. A write racing with the build may or may
// not be in it; it moves the generation on, so the builder's next look builds again.
class LiveParameters {
public:
  LiveParameters();

  // Stores nothing, and counts no write, for an index outside 0 to 33.
  void write(int32_t index, float value);
  // 0 for an index outside 0 to 33.
  float read(int32_t index) const;
  // How many writes have been stored so far, modulo 2^32.
  uint32_t generation() const { return generation_.load(std::memory_order_acquire); }
  // The values a table is built from, each level as the gate can play it.
  StepPattern pattern() const;

private:
  std::array<std::atomic<float>, GateParameterCount> values_;
  std::atomic<uint32_t> generation_{0};

  static_assert(std::atomic<float>::is_always_lock_free);
  static_assert(std::atomic<uint32_t>::is_always_lock_free);
};

// One thread's gain table, kept up to date with the live values: rebuilt whenever they were written since
// its last build, at most once per look. The audio thread owns one, the editor's curve another; since a
// table depends on the 34 values alone, both hold the same table for the same values.
class FollowedGainTable {
public:
  // The table for every value written before this call. Inline: the audio thread asks once per block.
  const GainTable& follow(const LiveParameters& live) {
    const uint32_t generation = live.generation();
    if (generation != builtGeneration_) rebuild(live, generation);
    return table_;
  }
  // Whether the values were written since the last build, so follow would build.
  bool isStale(const LiveParameters& live) const { return live.generation() != builtGeneration_; }

private:
  void rebuild(const LiveParameters& live, uint32_t generation);

  // All zeros is the table of all-zero values, which is what a fresh LiveParameters holds at generation 0.
  GainTable table_{};
  uint32_t builtGeneration_ = 0;
};
