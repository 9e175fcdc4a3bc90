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
// (release). A reader that loads the generation (acquire) sees every value written before the writes it
// counts, so whatever it reads after that load holds at least those. A write racing with the read may or
// may not be in it; it moves the generation on, so the reader's next look reads again. The generation is
// the one way anything learns that values changed: the audio block's table, the curve's, and the editor's
// controls and readout each keep the generation they last saw (SeenWrites).
class LiveParameters {
public:
  // `writesBefore` is where the count starts, so a test can bring its wrap within reach.
  explicit LiveParameters(uint32_t writesBefore = 0);

  // Stores nothing, and counts no write, for an index outside 0 to 33.
  void write(int32_t index, float value);
  // 0 for an index outside 0 to 33.
  float read(int32_t index) const;
  // How many writes have been stored so far (a write of the value already held counts too), modulo 2^32.
  uint32_t generation() const { return generation_.load(std::memory_order_acquire); }
  // All 34 values, each read once, as a table is built from them.
  Pattern values() const;

private:
  std::array<std::atomic<float>, GateParameterCount> values_;
  std::atomic<uint32_t> generation_{0};

  static_assert(std::atomic<float>::is_always_lock_free);
  static_assert(std::atomic<uint32_t>::is_always_lock_free);
};

// The generation one follower of the live values last saw, on that follower's own thread. Compared for
// equality only, so the count may wrap round.
class SeenWrites {
public:
  // Behind at first, whatever the count: a follower made after 2^32 writes has seen nothing either.
  explicit SeenWrites(const LiveParameters& live) : seen_(live.generation() - 1) {}
  // Whether values were written since the last catchUp.
  bool isBehind(const LiveParameters& live) const { return live.generation() != seen_; }
  // Takes the generation now and answers whether it moved: the values read after it hold every write it
  // counts, and a write after it moves it again for the next look.
  bool catchUp(const LiveParameters& live) {
    const uint32_t now = live.generation();
    if (now == seen_) return false;
    seen_ = now;
    return true;
  }

private:
  uint32_t seen_;
};

// One thread's gain table, kept up to date with the live values: rebuilt whenever they were written since
// its last build, at most once per look. The audio thread owns one, the editor's curve another; since a
// table depends on the 34 values alone, both hold the same table for the same values.
class FollowedGainTable {
public:
  explicit FollowedGainTable(const LiveParameters& live) : built_(live) {}

  // The table for every value written before this call. Inline: the audio thread asks once per block.
  const GainTable& follow(const LiveParameters& live) {
    if (built_.catchUp(live)) buildGainTable(table_, live.values());
    return table_;
  }
  // Whether the values were written since the last build, so follow would build.
  bool isStale(const LiveParameters& live) const { return built_.isBehind(live); }

private:
  // Built at the first look.
  GainTable table_{};
  SeenWrites built_;
};
